#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace zarnet {

// One INI file, read and written key by key as the platform's private-profile
// functions do; texts are UTF-8 here and code page 932 in the file.
class PrivateProfile {
  public:
    // Values longer than this less one byte come back cut.
    static constexpr std::size_t kBufferSize = 2048;
    // The longest value, in code page 932 bytes, that comes back whole.
    static constexpr std::size_t kMaxValueBytes = kBufferSize - 1;

    explicit PrivateProfile(std::string fileName);
    ~PrivateProfile();
    PrivateProfile(const PrivateProfile&) = delete;
    PrivateProfile& operator=(const PrivateProfile&) = delete;

    // The key's value; `fallback` when the file, the section or the key is
    // missing. Never fails.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback);

    // Raises "%s に書き込めません" (the file name), with the system's reason,
    // when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The writes from here to Commit() reach the disk together, in one atomic
    // replacement; a batch never committed writes nothing.
    void BeginBatch();
    // Writes what the batch changed; raises like WriteString.
    void Commit();

    // A value's bytes as the program's buffer receives them: up to the first
    // NUL, at most kMaxValueBytes and never half a character, decoded.
    static std::string Received(std::string_view bytes);

  private:
    class Impl;
    std::string fileName_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
