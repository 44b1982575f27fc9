#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/PatternExpansion.h"
#include "core/ProbeSettings.h"
#include "platform/ProbeTransport.h"
#include "platform/ZarnetError.h"

namespace zarnet {

// A number of a group as its addresses write it.
struct ProbedNumber {
    std::int32_t Number = 0;
    std::string Text;
};

struct FoundAddress {
    AddressEntry Entry;
    std::string NumberText;
};

struct UncheckedAddress {
    std::string Address;
    std::string Reason;
};

// What a probe learnt of one group.
struct GroupFindings {
    std::string Value;
    std::vector<FoundAddress> Found;          // ascending
    std::vector<ProbedNumber> Missing;        // between the first and the last found
    std::vector<UncheckedAddress> Unchecked;  // ascending by number
    // The 1,000 numbers a group may span ran out while the series went on.
    bool LimitReached = false;
};

struct ProbeResult {
    std::vector<GroupFindings> Groups;
    // Why the probe stopped early: a host that could not be reached.
    std::optional<ZarnetError> Stopped;
    bool Cancelled = false;

    // Every address that was to be asked got its answer.
    bool Complete() const;
};

struct ProbeProgress {
    std::uint64_t Planned = 0;  // addresses to check, as far as known
    std::uint64_t Checked = 0;
    std::uint64_t Found = 0;
    std::uint64_t Missing = 0;
    std::uint64_t Unchecked = 0;
    std::string Current;  // the address asked last
};

// Raises "アドレス %s は調べられません" when an address of the run is neither
// a web address nor a local one, and CheckAddressLength's message when one a
// probe asks would be too long.
void CheckProbeable(const PreparedRun& run);

// Finds which numbers of a pattern exist, group by group. Every number of the
// typed range is asked, then the numbers below the start (never below 0) and
// above the end, until `Gap` numbers in a row were not found in that
// direction; a group never spans more than 1,000 numbers. Web addresses are
// asked with HEAD (a GET of the first byte where the server refuses HEAD),
// after one request for an address that cannot belong to the series: a
// server that answers it as if it existed has a stand-in for missing files,
// and answers like it count as missing. Local paths and file: addresses are
// found when a regular file is there.
//
// It never blocks for longer than a Step() is told to wait, so a window can
// drive it between its events.
class SeriesProbe {
  public:
    // Raises "アドレス %s は調べられません" for an address that is neither a
    // web address nor a local one, and CheckAddressLength's message for one
    // too long, before any request.
    SeriesProbe(const PreparedRun& run, const ProbeSettings& settings, ProbeTransport& transport);
    ~SeriesProbe();
    SeriesProbe(const SeriesProbe&) = delete;
    SeriesProbe& operator=(const SeriesProbe&) = delete;

    // Starts what may start and takes in what has come, waiting at most
    // `wait` for it. False once the probe is over.
    bool Step(std::chrono::milliseconds wait);
    // Ends the probe at once; what was found so far stays in the result.
    void Cancel();

    bool Over() const { return over_; }
    const ProbeProgress& Progress() const { return progress_; }
    // Whole once the probe is over.
    const ProbeResult& Result() const { return result_; }

  private:
    class Group;
    struct Slot;
    struct Target {
        Group* InGroup;
        Slot* Asked;
    };

    void Issue();
    bool StartNext();
    void Start(Group& group, Slot& slot);
    void Take(const ProbeAnswer& answer);
    void Settle(Group& group, Slot& slot, const ProbeAnswer& answer);
    void StopAt(const std::string& url, const std::string& reason);
    void Finish();
    // When the earliest waiting request falls due.
    std::optional<std::chrono::steady_clock::time_point> NextDue() const;

    ProbeSettings settings_;
    ProbeTransport& transport_;
    std::vector<std::unique_ptr<Group>> groups_;
    std::map<std::uint64_t, Target> running_;
    // Asked again once due: after a redirect, a refused HEAD, a request to
    // wait.
    std::vector<Target> waiting_;
    // Origins found to refuse HEAD.
    std::map<std::string, bool> refusesHead_;
    // No request starts before this, after a server asked to wait.
    std::chrono::steady_clock::time_point holdUntil_{};
    std::uint64_t nextId_ = 1;
    bool over_ = false;
    ProbeProgress progress_;
    ProbeResult result_;
};

}  // namespace zarnet
