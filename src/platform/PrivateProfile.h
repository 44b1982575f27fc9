#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace zarnet {

// One INI file, read and written key by key with the observable behaviour of
// the platform's private-profile functions. Texts are UTF-8 here and code page
// 932 in the file.
//
// Writes made between BeginBatch() and Commit() reach the disk together, in
// one atomic replacement; outside a batch each write replaces the file at
// once. Either way every write keeps the per-key rules, and a crash leaves the
// old file or the new one, never a mix. Reads inside a batch see its writes;
// outside one they see the file as it is now. A batch that is never
// committed writes nothing.
//
// Names and values are cut at their first NUL, CR or LF: the platform takes
// C strings, and a line end inside a value would forge lines of its own.
class PrivateProfile {
  public:
    // Values longer than this less one byte come back cut.
    static constexpr std::size_t kBufferSize = 2048;

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

    void BeginBatch();
    // Writes what the batch changed; raises like WriteString.
    void Commit();

    // A value's bytes as the program's buffer receives them: up to the first
    // NUL, at most kBufferSize - 1 bytes and never half a character, decoded.
    static std::string Received(std::string_view bytes);

  private:
    class Impl;
    std::string fileName_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
