#pragma once

// Seams for the tests of atomic replacement; the programs never set them.
namespace zarnet {

// When set, called with the name of each step of every replacement, so a
// crash test can end the process there; nullptr turns it off.
using ReplaceStepHook = void (*)(const char* step);
void SetReplaceStepHookForTesting(ReplaceStepHook hook);

// Calls the hook; for the AtomicFile implementations.
void ReportReplaceStep(const char* step);

}  // namespace zarnet
