#include "platform/FileErrors.h"

#include <cstring>
#include <string_view>

namespace zarnet {

namespace {

constexpr const char* kWriteError = "ストリームへの書き込みエラー";

}  // namespace

FileError::FileError(const std::string& message, const std::string& path, int systemError)
    : ZarnetError(message),
      path_(path),
      reason_(systemError == 0 ? std::string() : std::strerror(systemError)) {}

FileError::FileError(const std::string& message, const std::string& path, const std::string& reason)
    : ZarnetError(message), path_(path), reason_(reason) {}

std::string FileError::Detail() const {
    return reason_.empty() ? path_ : path_ + ": " + reason_;
}

std::string FileError::Context() const {
    return std::string_view(what()).find(path_) == std::string_view::npos ? Detail() : reason_;
}

std::string FileError::Explained() const {
    return WithDetail(what(), Context());
}

std::string FileDetail(const std::string& path, int systemError) {
    return systemError == 0 ? path : path + ": " + std::strerror(systemError);
}

std::string WithDetail(const std::string& message, const std::string& detail) {
    return detail.empty() ? message : message + " (" + detail + ")";
}

void ThrowCannotOpen(const std::string& path, int systemError) {
    throw FileError(FormatMessage("ファイル %s は開けません", path), path, systemError);
}

void ThrowCannotCreate(const std::string& path, int systemError) {
    throw FileError(FormatMessage("ファイル %s を作成できません", path), path, systemError);
}

void ThrowWriteError() {
    throw ZarnetError(kWriteError);
}

void ThrowWriteError(const std::string& path, int systemError) {
    throw FileError(kWriteError, path, systemError);
}

void ThrowCannotOpen(const std::string& path, const std::string& reason) {
    throw FileError(FormatMessage("ファイル %s は開けません", path), path, reason);
}

void ThrowCannotCreate(const std::string& path, const std::string& reason) {
    throw FileError(FormatMessage("ファイル %s を作成できません", path), path, reason);
}

void ThrowWriteError(const std::string& path, const std::string& reason) {
    throw FileError(kWriteError, path, reason);
}

void ThrowTooLarge(const std::string& path) {
    ThrowCannotOpen(path, std::string("too large"));
}

}  // namespace zarnet
