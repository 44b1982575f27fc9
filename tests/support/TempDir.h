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

// Sets an environment variable for the object's lifetime.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Points XDG_CONFIG_HOME at a folder for the object's lifetime, so nothing a
// test does reaches the user's own settings.
class ScopedConfigHome : public ScopedEnvironment {
  public:
    explicit ScopedConfigHome(const std::string& folder)
        : ScopedEnvironment("XDG_CONFIG_HOME", folder) {}
};

}  // namespace zarnet::testing
