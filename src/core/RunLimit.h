#pragma once

#include <cstddef>
#include <cstdint>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"

namespace zarnet {

// The most entries the window takes from one run. Its text holds the whole
// document at once, so a larger run would exhaust memory; zarnet-cli streams
// and knows no limit.
inline constexpr std::uint64_t kMaxWindowEntries = 1'000'000;

// Raises "作成するアドレスが多すぎます（N件、上限はM件です）" for a run of more
// than `limit` entries.
void CheckRunSize(const PreparedRun& run, std::uint64_t limit = kMaxWindowEntries);

// The most bytes (UTF-8) of one address, and of one header line with the title
// put in: far more than any address needs, and little enough that building
// one never exhausts memory, for both programs alike. A marker of the front
// or the rear takes the whole value, so a short pattern could ask for
// gigabytes.
inline constexpr std::uint64_t kMaxLineBytes = 65'536;

// Raises "アドレスが長すぎます（Nバイト、上限はMバイトです）", N being the
// length of the run's longest address, when that is beyond kMaxLineBytes.
// The lengths are counted, no address is built. Its numbers are as wide as
// its range writes them, or `numberLength` wide where more is built than the
// range (a probe).
void CheckAddressLength(const PreparedRun& run);
void CheckAddressLength(const PreparedRun& run, std::size_t numberLength);

// Raises "ヘッダの行が長すぎます（Nバイト、上限はMバイトです）" when, in the
// HTML kinds, a line of the frame's header with the run's title put in would
// be longer than kMaxLineBytes; counted, not built.
void CheckHeaderLength(const PreparedRun& run, const DocumentFrame& frame);

}  // namespace zarnet
