#pragma once

#include <cstdint>

namespace zarnet {

// How a series probe goes about it. The defaults are a fresh installation's.
struct ProbeSettings {
    // Numbers in a row not found, past either end of the typed range, after
    // which the probe stops in that direction; 0 checks the typed range only.
    std::int32_t Gap = 5;
    // Requests at once.
    std::int32_t Connections = 4;
    // Seconds one request may take.
    std::int32_t TimeoutSeconds = 15;

    bool operator==(const ProbeSettings&) const = default;
};

inline constexpr ProbeSettings kFreshProbe{};

// The values a probe takes; each bound is included.
struct ProbeLimit {
    std::int32_t Min;
    std::int32_t Max;

    bool Allows(std::int64_t value) const { return value >= Min && value <= Max; }
};
inline constexpr ProbeLimit kGapLimit{0, 999};
inline constexpr ProbeLimit kConnectionsLimit{1, 16};
inline constexpr ProbeLimit kTimeoutLimit{1, 600};

}  // namespace zarnet
