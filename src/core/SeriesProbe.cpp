#include "core/SeriesProbe.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/RunLimit.h"
#include "platform/AsciiText.h"
#include "platform/LocalFiles.h"

namespace zarnet {

namespace {

using Clock = std::chrono::steady_clock;

// The most numbers one group spans, as for a typed range.
constexpr std::int64_t kMaxSpan = 999;
constexpr int kMaxRedirects = 10;
constexpr int kMaxRetries = 3;
constexpr std::int64_t kMaxRetryWaitSeconds = 30;
// A server that asks to wait without saying how long.
constexpr std::int64_t kDefaultRetryWaitSeconds = 1;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = ascii::ToLower(c);
    }
    return lower;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeChar(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The scheme of an address, in lower case: a letter, then letters, digits,
// "+", "-" or ".", then ":". A single letter is a drive, not a scheme.
std::optional<std::string> SchemeOf(std::string_view address) {
    std::size_t i = 0;
    while (i < address.size() && (i == 0 ? IsLetter(address[i]) : IsSchemeChar(address[i]))) {
        ++i;
    }
    if (i < 2 || i >= address.size() || address[i] != ':') {
        return std::nullopt;
    }
    return Lower(address.substr(0, i));
}

bool IsWebScheme(const std::optional<std::string>& scheme) {
    return scheme == "http" || scheme == "https";
}

// Scheme and authority, the part of a web address that names its server.
std::string OriginOf(std::string_view url) {
    const std::size_t start = url.find("://");
    if (start == std::string_view::npos) {
        return Lower(url);
    }
    const std::size_t end = url.find_first_of("/?#", start + 3);
    return Lower(url.substr(0, end));
}

// The host, with its port where the address names one, without any user name.
std::string HostOf(std::string_view url) {
    const std::string origin = OriginOf(url);
    const std::size_t start = origin.find("://");
    std::string_view authority = std::string_view(origin).substr(start + 3);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    return std::string(authority);
}

bool NamesImage(std::string_view fileName) {
    static constexpr std::string_view kImages[] = {
        "jpg", "jpeg", "jpe", "jfif", "png", "gif", "bmp", "webp", "tif", "tiff", "avif", "ico",
    };
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos) {
        return false;
    }
    const std::string ext = Lower(fileName.substr(dot + 1));
    return std::find(std::begin(kImages), std::end(kImages), ext) != std::end(kImages);
}

// "text/html; charset=utf-8" is "text/html".
std::string MediaType(std::string_view contentType) {
    return Lower(Trimmed(contentType.substr(0, contentType.find(';'))));
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::string StatusReason(int status) {
    return "HTTP " + std::to_string(status);
}

// Why a redirect is not followed, or nothing when it is.
std::optional<std::string> RedirectRefusal(std::string_view from, std::string_view to, int hops) {
    if (hops >= kMaxRedirects) {
        return "more than " + std::to_string(kMaxRedirects) + " redirects";
    }
    const std::optional<std::string> scheme = SchemeOf(to);
    if (!IsWebScheme(scheme)) {
        return std::string("redirect to an address other than http or https refused");
    }
    if (SchemeOf(from) == "https" && scheme == "http") {
        return std::string("redirect from https to http refused");
    }
    return std::nullopt;
}

// Whether the group's addresses are asked on the web (or else on the disk).
// Raises the message of an address neither can take.
bool IsWebGroup(const std::string& base) {
    const std::optional<std::string> scheme = SchemeOf(base);
    if (IsWebScheme(scheme)) {
        return true;
    }
    if (scheme && (scheme != "file" || !LocalPathOfFileUrl(base))) {
        throw ZarnetError(messages::kCannotProbe, {base});
    }
    return false;
}

// What tells one successful answer from another: where it was redirected
// to, what it is, how long it is and the server's tag for it.
struct AnswerLook {
    std::string RedirectedTo;
    std::string Type;
    std::optional<std::uint64_t> Length;
    std::string ETag;

    bool operator==(const AnswerLook&) const = default;
};

// A number's text no group can reach: four digits more than its widest. No
// number a probe asks is longer: a group spans at most 1,000 numbers.
std::size_t OutOfSeriesDigits(std::size_t width, const NumberRange& range) {
    return std::max<std::size_t>(WidestNumber(range, width), 1) + 4;
}

std::string OutOfSeriesNumber(std::size_t width, const NumberRange& range) {
    return std::string(OutOfSeriesDigits(width, range), '9');
}

// The probe's addresses are as long as the run's, but for their numbers.
void CheckProbeLength(const PreparedRun& run) {
    CheckAddressLength(run, OutOfSeriesDigits(NumberWidth(run.Request.Texts.StCount), run.Range));
}

}  // namespace

struct SeriesProbe::Slot {
    enum class State { Waiting, Running, Found, Missing, Unchecked };

    State Now = State::Waiting;
    AddressEntry Entry;
    std::string NumberText;
    std::string Target;  // what is asked: the address, where it redirected, or the local path
    ProbeMethod Method = ProbeMethod::Head;
    int Hops = 0;
    int Retries = 0;
    Clock::time_point Due{};
    std::string Reason;

    bool Open() const { return Now == State::Waiting || Now == State::Running; }
};

class SeriesProbe::Group {
  public:
    Group(const PreparedRun& run, const std::string& value, std::int32_t gap)
        : value_(value),
          texts_(TextsOfGroup(run.Request, run.Title, value)),
          numbered_(run.Range.Numbered),
          first_(run.Range.First),
          last_(run.Range.Last),
          gap_(gap),
          startWidth_(NumberWidth(run.Request.Texts.StCount)),
          upWidth_(startWidth_),
          nextTyped_(first_),
          lowAsked_(first_),
          highAsked_(last_) {
        web_ = IsWebGroup(texts_.Base);
        if (web_) {
            Fill(reference_.Entry, 0, OutOfSeriesNumber(startWidth_, run.Range));
            reference_.Target = reference_.Entry.Address;
        } else {
            referenceAsked_ = referenceDone_ = true;  // a disk has no stand-ins
        }
        // Without numbering a group is its one address.
        downDone_ = upDone_ = !numbered_;
    }

    const std::string& Value() const { return value_; }
    std::uint64_t Planned() const {
        return static_cast<std::uint64_t>(last_ - first_ + 1) + extensions_;
    }

    // The next address to ask, ready to start; nullptr when none may start
    // now.
    Slot* NextNew() {
        if (!referenceAsked_) {
            referenceAsked_ = true;
            return &reference_;
        }
        if (!referenceDone_) {
            return nullptr;  // the scan waits to know the stand-in
        }
        if (nextTyped_ <= last_) {
            const std::int64_t n = nextTyped_++;
            return &Make(n, numbered_ ? PadNumber(n, upWidth_) : std::string());
        }
        // Downwards first, so the span upwards is known when it counts.
        if (!downDone_) {
            const std::int64_t n = lowAsked_ - 1;
            switch (Down(n)) {
                case Decision::Ask: {
                    --lowAsked_;
                    ++extensions_;
                    std::size_t width = startWidth_;  // as a range starting there
                    return &Make(n, PadNumber(n, width));
                }
                case Decision::Wait:
                    return nullptr;
                case Decision::Stop:
                    downDone_ = true;
            }
        }
        if (!upDone_) {
            const std::int64_t n = highAsked_ + 1;
            switch (Up(n)) {
                case Decision::Ask:
                    ++highAsked_;
                    ++extensions_;
                    return &Make(n, PadNumber(n, upWidth_));  // the range's loop going on
                case Decision::Wait:
                    return nullptr;
                case Decision::Stop:
                    upDone_ = true;
            }
        }
        return nullptr;
    }

    bool IsReference(const Slot& slot) const { return &slot == &reference_; }
    void SetStandIn(std::optional<AnswerLook> look) {
        standIn_ = std::move(look);
        referenceDone_ = true;
    }
    const std::optional<AnswerLook>& StandIn() const { return standIn_; }

    GroupFindings Findings() const {
        GroupFindings findings;
        findings.Value = Value();
        findings.LimitReached = limitReached_;
        for (const auto& [n, slot] : slots_) {
            if (slot.Now == Slot::State::Found) {
                findings.Found.push_back({slot.Entry, slot.NumberText});
            } else if (slot.Now == Slot::State::Unchecked) {
                findings.Unchecked.push_back({slot.Entry.Address, slot.Reason});
            }
        }
        if (!findings.Found.empty()) {
            const std::int32_t low = findings.Found.front().Entry.Number;
            const std::int32_t high = findings.Found.back().Entry.Number;
            for (const auto& [n, slot] : slots_) {
                if (n > low && n < high && slot.Now == Slot::State::Missing) {
                    findings.Missing.push_back({slot.Entry.Number, slot.NumberText});
                }
            }
        }
        return findings;
    }

    bool Web() const { return web_; }

  private:
    enum class Decision { Ask, Wait, Stop };

    void Fill(AddressEntry& entry, std::int32_t n, std::string_view numberText) const {
        entry.Value = value_;
        FillEntry(entry, texts_, n, numberText);
    }

    Slot& Make(std::int64_t n, std::string numberText) {
        Slot& slot = slots_[n];
        Fill(slot.Entry, static_cast<std::int32_t>(n), numberText);
        slot.NumberText = std::move(numberText);
        slot.Target = slot.Entry.Address;
        if (!web_) {
            slot.Method = ProbeMethod::LocalFile;
            if (SchemeOf(slot.Entry.Address)) {  // file:, whose host was checked
                slot.Target = LocalPathOfFileUrl(slot.Entry.Address).value_or(slot.Target);
            }
        }
        return slot;
    }

    // Whether number n below the range is asked: while fewer than the gap's
    // numbers in a row up from it were not found. Waits while an answer
    // still running could decide it.
    Decision Down(std::int64_t n) {
        if (n < 0) {
            return Decision::Stop;
        }
        std::int64_t lowestFound = last_ + 1;
        std::int64_t lowestOpen = std::numeric_limits<std::int64_t>::max();
        for (const auto& [number, slot] : slots_) {
            if (slot.Now == Slot::State::Found) {
                lowestFound = number;
                break;
            }
            if (slot.Open()) {
                lowestOpen = std::min(lowestOpen, number);
            }
        }
        if (n >= lowestFound - gap_) {
            if (highAsked_ - n > kMaxSpan) {
                limitReached_ = true;
                return Decision::Stop;
            }
            return Decision::Ask;
        }
        return n < std::min(lowestOpen, lowestFound) - gap_ ? Decision::Stop : Decision::Wait;
    }

    // The same above the range.
    Decision Up(std::int64_t n) {
        if (n > std::numeric_limits<std::int32_t>::max()) {
            return Decision::Stop;
        }
        std::int64_t highestFound = first_ - 1;
        std::int64_t highestOpen = std::numeric_limits<std::int64_t>::min();
        for (auto it = slots_.rbegin(); it != slots_.rend() && it->first >= first_; ++it) {
            if (it->second.Now == Slot::State::Found) {
                highestFound = it->first;
                break;
            }
            if (it->second.Open()) {
                highestOpen = std::max(highestOpen, it->first);
            }
        }
        if (n <= highestFound + gap_) {
            if (n - lowAsked_ > kMaxSpan) {
                limitReached_ = true;
                return Decision::Stop;
            }
            return Decision::Ask;
        }
        return n > std::max(highestOpen, highestFound) + gap_ ? Decision::Stop : Decision::Wait;
    }

    std::string value_;
    GroupTexts texts_;
    // The address that cannot belong to the series, asked first.
    Slot reference_;
    bool web_ = false;
    bool numbered_;
    std::int64_t first_;
    std::int64_t last_;
    std::int64_t gap_;
    std::size_t startWidth_;
    std::size_t upWidth_;  // the typed range's, and then the numbers above it
    std::int64_t nextTyped_;
    std::int64_t lowAsked_;
    std::int64_t highAsked_;
    std::uint64_t extensions_ = 0;
    bool referenceAsked_ = false;
    bool referenceDone_ = false;
    std::optional<AnswerLook> standIn_;
    bool downDone_ = false;
    bool upDone_ = false;
    bool limitReached_ = false;
    std::map<std::int64_t, Slot> slots_;  // nodes stay where they are
};

void CheckProbeable(const PreparedRun& run) {
    CheckProbeLength(run);
    for (const std::string& value : run.Values) {
        IsWebGroup(ReplaceMarker(run.Title, value));
    }
}

bool ProbeResult::Complete() const {
    return !Stopped && !Cancelled &&
           std::all_of(Groups.begin(), Groups.end(), [](const GroupFindings& group) {
               return group.Unchecked.empty() && !group.LimitReached;
           });
}

SeriesProbe::SeriesProbe(const PreparedRun& run, const ProbeSettings& settings,
                         ProbeTransport& transport)
    : settings_(settings), transport_(transport) {
    CheckProbeLength(run);
    for (const std::string& value : run.Values) {
        groups_.push_back(std::make_unique<Group>(run, value, settings.Gap));
        progress_.Planned += groups_.back()->Planned();
    }
}

SeriesProbe::~SeriesProbe() {
    if (!running_.empty()) {
        transport_.AbortAll();
    }
}

bool SeriesProbe::Step(std::chrono::milliseconds wait) {
    if (over_) {
        return false;
    }
    Issue();
    if (running_.empty() && waiting_.empty()) {
        Finish();
        return false;
    }
    if (const std::optional<Clock::time_point> due = NextDue()) {
        const auto untilDue = std::chrono::ceil<std::chrono::milliseconds>(*due - transport_.Now());
        wait = std::clamp(untilDue, std::chrono::milliseconds(0), wait);
    }
    for (const ProbeAnswer& answer : transport_.Collect(wait)) {
        Take(answer);
        if (over_) {
            return false;
        }
    }
    Issue();
    progress_.Planned = 0;
    for (const auto& group : groups_) {
        progress_.Planned += group->Planned();
    }
    if (running_.empty() && waiting_.empty()) {
        Finish();
        return false;
    }
    return true;
}

void SeriesProbe::Cancel() {
    if (over_) {
        return;
    }
    result_.Cancelled = true;
    Finish();
}

void SeriesProbe::Issue() {
    while (!over_ && running_.size() < static_cast<std::size_t>(settings_.Connections) &&
           StartNext()) {
    }
}

bool SeriesProbe::StartNext() {
    const Clock::time_point now = transport_.Now();
    if (now < holdUntil_) {
        return false;
    }
    // What was asked before goes first.
    for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
        if (it->Asked->Due <= now) {
            const Target target = *it;
            waiting_.erase(it);
            Start(*target.InGroup, *target.Asked);
            return true;
        }
    }
    for (auto& group : groups_) {
        if (Slot* slot = group->NextNew()) {
            Start(*group, *slot);
            return true;
        }
    }
    return false;
}

void SeriesProbe::Start(Group& group, Slot& slot) {
    if (group.Web() && slot.Method == ProbeMethod::Head && refusesHead_[OriginOf(slot.Target)]) {
        slot.Method = ProbeMethod::GetFirstByte;
    }
    const std::uint64_t id = nextId_++;
    running_[id] = {&group, &slot};
    slot.Now = Slot::State::Running;
    progress_.Current = slot.Entry.Address;
    transport_.Start({id, slot.Target, slot.Method});
}

void SeriesProbe::Take(const ProbeAnswer& answer) {
    const auto it = running_.find(answer.Id);
    if (it == running_.end()) {
        return;
    }
    const Target target = it->second;
    running_.erase(it);
    Settle(*target.InGroup, *target.Asked, answer);
}

void SeriesProbe::Settle(Group& group, Slot& slot, const ProbeAnswer& answer) {
    using State = Slot::State;
    const auto conclude = [&](State state, std::string reason = {}) {
        if (group.IsReference(slot)) {
            group.SetStandIn(std::nullopt);
            return;
        }
        slot.Now = state;
        slot.Reason = std::move(reason);
        ++progress_.Checked;
        ++(state == State::Found     ? progress_.Found
           : state == State::Missing ? progress_.Missing
                                     : progress_.Unchecked);
    };
    const auto askAgain = [&] {
        slot.Now = State::Waiting;
        slot.Due = {};
        waiting_.push_back({&group, &slot});
    };

    switch (answer.Result) {
        case ProbeAnswer::Outcome::Unreachable:
            StopAt(slot.Target, answer.Reason);
            return;
        case ProbeAnswer::Outcome::Failed:
            conclude(State::Unchecked, answer.Reason);
            return;
        case ProbeAnswer::Outcome::FileFound:
            conclude(State::Found);
            return;
        case ProbeAnswer::Outcome::FileMissing:
            conclude(State::Missing);
            return;
        case ProbeAnswer::Outcome::Response:
            break;
    }

    const int status = answer.Status;
    if (IsRedirect(status)) {
        if (answer.Location.empty()) {
            conclude(State::Unchecked, StatusReason(status));
        } else if (const std::optional<std::string> refusal =
                       RedirectRefusal(slot.Target, answer.Location, slot.Hops)) {
            conclude(State::Unchecked, *refusal);
        } else {
            slot.Target = answer.Location;
            ++slot.Hops;
            askAgain();
        }
        return;
    }
    if ((status == 405 || status == 501) && slot.Method == ProbeMethod::Head) {
        refusesHead_[OriginOf(slot.Target)] = true;
        slot.Method = ProbeMethod::GetFirstByte;
        askAgain();
        return;
    }
    if (status == 429 || status == 503) {
        const std::int64_t wait =
            std::max<std::int64_t>(0, answer.RetryAfterSeconds.value_or(kDefaultRetryWaitSeconds));
        if (slot.Retries < kMaxRetries && wait <= kMaxRetryWaitSeconds) {
            ++slot.Retries;
            askAgain();
            slot.Due = transport_.Now() + std::chrono::seconds(wait);
            holdUntil_ = std::max(holdUntil_, slot.Due);
        } else {
            conclude(State::Unchecked, StatusReason(status));
        }
        return;
    }
    if (status >= 200 && status <= 299) {
        const AnswerLook look{slot.Hops > 0 ? slot.Target : std::string(),
                              MediaType(answer.ContentType), answer.Length, answer.ETag};
        if (group.IsReference(slot)) {
            group.SetStandIn(look);
        } else if (look.Type == "text/html" && NamesImage(slot.Entry.FileName)) {
            conclude(State::Missing);
        } else {
            conclude(group.StandIn() == look ? State::Missing : State::Found);
        }
        return;
    }
    conclude(status == 404 || status == 410 ? State::Missing : State::Unchecked,
             StatusReason(status));
}

void SeriesProbe::StopAt(const std::string& url, const std::string& reason) {
    result_.Stopped = ZarnetError(messages::kHostUnreachable, {HostOf(url)}, reason);
    Finish();
}

void SeriesProbe::Finish() {
    if (!running_.empty()) {
        transport_.AbortAll();
        running_.clear();
    }
    waiting_.clear();
    over_ = true;
    result_.Groups.clear();
    for (const auto& group : groups_) {
        result_.Groups.push_back(group->Findings());
    }
}

std::optional<Clock::time_point> SeriesProbe::NextDue() const {
    std::optional<Clock::time_point> due;
    for (const Target& target : waiting_) {
        const Clock::time_point at = std::max(target.Asked->Due, holdUntil_);
        due = due ? std::min(*due, at) : at;
    }
    return due;
}

}  // namespace zarnet
