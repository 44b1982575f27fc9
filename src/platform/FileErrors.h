#pragma once

#include <cerrno>
#include <string>

#include "platform/ZarnetError.h"

namespace zarnet {

// A file that could not be read or written. The message is the platform's
// own text; the file and the system's reason come along for the callers that
// say more than the platform would.
class FileError : public ZarnetError {
  public:
    // `systemError` is the errno value of the call that failed, 0 for none.
    FileError(const std::string& message, const std::string& path, int systemError);
    // A reason in words, where no errno value says it.
    FileError(const std::string& message, const std::string& path, const std::string& reason);

    // "file: reason", or the file alone without a reason.
    std::string Detail() const;
    // What the message leaves out: the reason, and the file too where the
    // message does not name it.
    std::string Context() const;
    // The message with its context after it in parentheses.
    std::string Explained() const;

  private:
    std::string path_;
    std::string reason_;
};

// The platform's file errors, with their own texts; `path` is the full path
// and `systemError` the errno value of the call that failed.
[[noreturn]] void ThrowCannotOpen(const std::string& path, int systemError = errno);    // reading
[[noreturn]] void ThrowCannotCreate(const std::string& path, int systemError = errno);  // writing
// A write that failed part-way: to standard output, or to the file at `path`.
[[noreturn]] void ThrowWriteError();
[[noreturn]] void ThrowWriteError(const std::string& path, int systemError = errno);
// The same with the reason in words, where no errno value says it (the
// Windows functions).
[[noreturn]] void ThrowCannotOpen(const std::string& path, const std::string& reason);
[[noreturn]] void ThrowCannotCreate(const std::string& path, const std::string& reason);
[[noreturn]] void ThrowWriteError(const std::string& path, const std::string& reason);
// A file larger than the program reads: "ファイル %s は開けません" with the
// reason "too large".
[[noreturn]] void ThrowTooLarge(const std::string& path);

// "file: reason" for an errno value; the file alone for 0.
std::string FileDetail(const std::string& path, int systemError);

// The message followed by " (detail)", or the message alone when there is no
// detail.
std::string WithDetail(const std::string& message, const std::string& detail);

}  // namespace zarnet
