#include "platform/FileErrors.h"

#include <cstring>
#include <utility>

namespace zarnet {

namespace {

// The reason, and the file too where the message does not name it.
std::string DetailOf(const Message& message, std::string_view named, const std::string& path,
                     const std::string& reason) {
    const bool namesFile = named == path && message.Text.find("%s") != std::string_view::npos;
    if (namesFile) {
        return reason;
    }
    return reason.empty() ? path : path + ": " + reason;
}

}  // namespace

FileError::FileError(const Message& message, const std::string& path, std::string reason)
    : FileError(message, path, path, std::move(reason)) {}

FileError::FileError(const Message& message, std::string_view named, const std::string& path,
                     std::string reason)
    : ZarnetError(message, {named}, DetailOf(message, named, path, reason)),
      path_(path),
      reason_(std::move(reason)) {}

std::string ErrnoReason(int systemError) {
    return systemError == 0 ? std::string() : std::strerror(systemError);
}

std::string FileDetail(const std::string& path, int systemError) {
    return systemError == 0 ? path : path + ": " + ErrnoReason(systemError);
}

void ThrowCannotOpen(const std::string& path, int systemError) {
    ThrowCannotOpen(path, ErrnoReason(systemError));
}

void ThrowCannotCreate(const std::string& path, int systemError) {
    ThrowCannotCreate(path, ErrnoReason(systemError));
}

// Named as a file is, where the reason is known.
void ThrowStandardOutputError(const std::string& reason) {
    throw ZarnetError(messages::kWriteError, {},
                      reason.empty() ? std::string() : "standard output: " + reason);
}

void ThrowWriteError(const std::string& path, int systemError) {
    ThrowWriteError(path, ErrnoReason(systemError));
}

void ThrowCannotOpen(const std::string& path, const std::string& reason) {
    throw FileError(messages::kCannotOpenFile, path, reason);
}

void ThrowCannotCreate(const std::string& path, const std::string& reason) {
    throw FileError(messages::kCannotCreateFile, path, reason);
}

void ThrowWriteError(const std::string& path, const std::string& reason) {
    throw FileError(messages::kWriteError, path, reason);
}

void ThrowTooLarge(const std::string& path) {
    ThrowCannotOpen(path, std::string("too large"));
}

void ThrowNotRegular(const std::string& path) {
    ThrowCannotOpen(path, std::string(kNotRegularFile));
}

}  // namespace zarnet
