#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace zarnet::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "zarnet-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempDir::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + File(name));
    }
}

std::string TempDir::Read(std::string_view name) const {
    std::ifstream in(File(name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + File(name));
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ScopedConfigHome::ScopedConfigHome(const std::string& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}

ScopedConfigHome::~ScopedConfigHome() {
    if (hadPrevious_) {
        setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace zarnet::testing
