#pragma once

// A seam for the tests of atomic replacement on systems with unnamed
// temporary files; the programs never set it.
namespace zarnet {

// Write through named temporary files even where unnamed ones are offered,
// to try the fallback.
void UseNamedTemporaryFilesForTesting(bool named);

}  // namespace zarnet
