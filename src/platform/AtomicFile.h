#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileWaiting.h"

namespace zarnet {

// A file replaced as a whole: the bytes go to a temporary file beside the
// target, which only Commit() puts in its place, so a failure or a crash
// leaves the old file or the new one, never a mix.
class AtomicFile {
  public:
    // Writes reach the file, and the step hook, in pieces of at most this.
    static constexpr std::size_t kChunkSize = 64 * 1024;

    // Raises "ファイル %s を作成できません"; never waiting, at once for a
    // pipe that no program reads.
    explicit AtomicFile(const std::string& path, Waiting waiting = Waiting::LikeTheShell);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Raises "ストリームへの書き込みエラー"; after a failure every later
    // call fails too, so a broken file is never put in place.
    void Write(std::string_view bytes);
    // Raises the write error when flushing fails and the create error when
    // the rename does.
    void Commit();

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
