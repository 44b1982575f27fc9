#pragma once

#include <cerrno>
#include <string>
#include <string_view>

#include "platform/PlatformMessages.h"
#include "platform/ZarnetError.h"

namespace zarnet {

// A file that could not be read or written. The message is the platform's
// own text; the detail is the system's reason, and the file too where the
// message does not name it.
class FileError : public ZarnetError {
  public:
    // The message names the file at `path` where it has a "%s"; `reason` is
    // empty where the system gave none.
    FileError(const Message& message, const std::string& path, std::string reason);
    // The message names `named`, and the file at fault is another (the lock
    // file of a registry file that cannot be saved).
    FileError(const Message& message, std::string_view named, const std::string& path,
              std::string reason);

    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

  private:
    std::string path_;
    std::string reason_;
};

// The platform's file errors, with their own texts; `path` is the full path
// and `systemError` the errno value of the call that failed, 0 for none.
[[noreturn]] void ThrowCannotOpen(const std::string& path, int systemError = errno);    // reading
[[noreturn]] void ThrowCannotCreate(const std::string& path, int systemError = errno);  // writing
// A write that failed part-way: to standard output, `reason` being the
// system's words (empty where none is known), or to the file at `path`.
[[noreturn]] void ThrowStandardOutputError(const std::string& reason);
[[noreturn]] void ThrowWriteError(const std::string& path, int systemError = errno);
// The same with the reason in words, where no errno value says it (the
// Windows functions).
[[noreturn]] void ThrowCannotOpen(const std::string& path, const std::string& reason);
[[noreturn]] void ThrowCannotCreate(const std::string& path, const std::string& reason);
[[noreturn]] void ThrowWriteError(const std::string& path, const std::string& reason);
// A file larger than the program reads: "ファイル %s は開けません" with the
// reason "too large".
[[noreturn]] void ThrowTooLarge(const std::string& path);
// A pipe, a device or a socket where a reader that never waits wanted a
// regular file: "ファイル %s は開けません" with this reason.
inline constexpr std::string_view kNotRegularFile = "not a regular file";
[[noreturn]] void ThrowNotRegular(const std::string& path);

// The system's words for an errno value; empty for 0.
std::string ErrnoReason(int systemError);
// "file: reason" for an errno value; the file alone for 0.
std::string FileDetail(const std::string& path, int systemError);

}  // namespace zarnet
