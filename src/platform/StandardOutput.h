#pragma once

#include <cstddef>
#include <iosfwd>
#include <streambuf>
#include <string>
#include <string_view>

namespace zarnet {

// Standard output, each write handed straight to the system, as bytes (no
// text mode changes the CR LF line ends), so that the reason of a write that
// fails is known: a stream's bad state alone does not tell it. Its writers
// gather their lines in large chunks.
class StandardOutputBuffer : public std::streambuf {
  public:
    // The system's words for the write that failed; empty while none has.
    const std::string& FailureReason() const { return failureReason_; }

  protected:
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int_type overflow(int_type c) override;

  private:
    // Writes all of the bytes, or keeps the system's reason and returns false.
    bool Put(const char* data, std::size_t size);

    std::string failureReason_;
};

// Why writing to `out` failed, in the system's words, where it writes to
// standard output through a StandardOutputBuffer; empty for any other stream.
std::string WriteFailureReason(const std::ostream& out);

// The program's messages (UTF-8) to standard error. A Windows console shows
// them in its own characters; anything else, a pipe or a file, receives the
// UTF-8 bytes.
void WriteMessages(std::string_view utf8);

}  // namespace zarnet
