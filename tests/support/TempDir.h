#pragma once

#include <string>
#include <string_view>

namespace zarnet::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, with a trailing "/".
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;

  private:
    std::string path_;
};

// Points XDG_CONFIG_HOME at a folder for the object's lifetime, so nothing a
// test does reaches the user's own settings.
class ScopedConfigHome {
  public:
    explicit ScopedConfigHome(const std::string& folder);
    ~ScopedConfigHome();
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

  private:
    std::string previous_;
    bool hadPrevious_ = false;
};

}  // namespace zarnet::testing
