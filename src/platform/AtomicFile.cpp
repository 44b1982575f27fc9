#include "platform/AtomicFile.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

#include "platform/AtomicFileTesting.h"

namespace zarnet {

namespace {
std::atomic<ReplaceStepHook> stepHook{nullptr};
}

void SetReplaceStepHookForTesting(ReplaceStepHook hook) {
    stepHook.store(hook);
}

// The steps of ReplaceFile, AtomicFile and TextFileWriter: "created" (the
// temporary file made), "written" (after each chunk of at most
// AtomicFile::kChunkSize), "synced" and "renamed".
void ReportReplaceStep(const char* step) {
    if (const ReplaceStepHook hook = stepHook.load()) {
        hook(step);
    }
}

std::string AtomicFile::TemporaryPathIn(const std::string& folder) {
    // Seeded by the clock too: a forked child shares the parent's engine, and
    // a name taken already only costs the caller another try.
    thread_local std::mt19937_64 engine(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string path = folder + ".zarnet-";
    std::uint64_t bits = engine();
    for (int i = 0; i < 16; ++i, bits >>= 4) {
        path.push_back(kDigits[bits & 0xF]);
    }
    return path + ".tmp";
}

}  // namespace zarnet
