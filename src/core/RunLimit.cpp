#include "core/RunLimit.h"

#include <string>

#include "core/Messages.h"

namespace zarnet {

namespace {

// Digits in groups of three, as the counts are read.
std::string Grouped(std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}

}  // namespace

void CheckRunSize(const PreparedRun& run, std::uint64_t limit) {
    const std::uint64_t count = run.EntryCount();
    if (count > limit) {
        throw ZarnetError(messages::kTooManyAddresses, {Grouped(count), Grouped(limit)});
    }
}

}  // namespace zarnet
