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

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (hadPrevious_) {
        setenv(name_, previous_.c_str(), 1);
    } else {
        unsetenv(name_);
    }
}

}  // namespace zarnet::testing
