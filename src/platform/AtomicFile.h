#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zarnet {

// A file replaced as a whole: bytes go to a temporary file in the target's
// folder, and Commit() flushes it to disk and renames it over the target, so
// a failure or a crash at any point leaves the old file or the new one,
// never a mix. Where the system offers unnamed temporary files, the file
// gets its name only at Commit(), so an interrupted write leaves nothing. A
// symbolic link is followed; an existing file keeps its owner where it may,
// and its permissions; a device or a pipe is written in place, and so is an
// open stream of the program's (/dev/stdout, /dev/fd/N, the file standard
// output goes to), through its own descriptor, appending where it appends.
// Destroyed without Commit(), it removes the temporary file.
class AtomicFile {
  public:
    // Writes reach the file, and the step hook, in pieces of at most this.
    static constexpr std::size_t kChunkSize = 64 * 1024;

    // Raises "ファイル %s を作成できません".
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Raises "ストリームへの書き込みエラー"; after a failure every later
    // call fails too, so a broken file is never put in place.
    void Write(std::string_view bytes);
    // Raises the write error when flushing fails and the create error when
    // the rename does.
    void Commit();

    // From now on the termination signals (Ctrl+C, kill, hang-up) first
    // remove the temporary files being written, where the system cannot keep
    // them unnamed. For programs that end on those signals; the desktop
    // program's windows close in order instead.
    static void RemoveTemporaryFilesOnTermination();
    // From now on a write to a pipe whose reader has gone fails with the
    // write error instead of ending the program: for programs that go on
    // after a failed command.
    static void FailWritesToClosedPipes();

    // Shared by the platform implementations.
    static std::string TemporaryPathIn(const std::string& folder);

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
