#pragma once

#include <cstdint>

#include "core/PatternExpansion.h"

namespace zarnet {

// The most entries the window takes from one run. Its text holds the whole
// document at once, so a larger run would exhaust memory; zarnet-cli streams
// and knows no limit.
inline constexpr std::uint64_t kMaxWindowEntries = 1'000'000;

// Raises "作成するアドレスが多すぎます（N件、上限はM件です）" for a run of more
// than `limit` entries.
void CheckRunSize(const PreparedRun& run, std::uint64_t limit = kMaxWindowEntries);

}  // namespace zarnet
