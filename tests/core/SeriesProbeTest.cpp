#include "core/SeriesProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/ProbeReport.h"
#include "core/RunLimit.h"
#include "platform/LocalFiles.h"

namespace zarnet {
namespace {

using Strings = std::vector<std::string>;
using namespace std::chrono_literals;

// The server the probe talks to, as a function of the request and of how
// often the same target was asked before.
using Script = std::function<ProbeAnswer(const ProbeRequest&, int askedBefore)>;

// Answers every request at the next Collect(), in the order started; time
// moves only while the probe waits with nothing running.
class ScriptedTransport : public ProbeTransport {
  public:
    explicit ScriptedTransport(Script script) : script_(std::move(script)) {}

    void Start(const ProbeRequest& request) override {
        const char* method = request.Method == ProbeMethod::Head           ? "HEAD "
                             : request.Method == ProbeMethod::GetFirstByte ? "GET "
                                                                           : "FILE ";
        Asked.push_back(method + request.Target);
        AskedAt.push_back(now_);
        running_.push_back(request);
        MostAtOnce = std::max(MostAtOnce, running_.size());
    }

    std::vector<ProbeAnswer> Collect(std::chrono::milliseconds wait) override {
        if (running_.empty()) {
            now_ += wait;
            return {};
        }
        std::vector<ProbeAnswer> answers;
        for (const ProbeRequest& request : running_) {
            ProbeAnswer answer = script_(request, times_[request.Target]++);
            answer.Id = request.Id;
            answers.push_back(answer);
        }
        running_.clear();
        return answers;
    }

    void AbortAll() override { running_.clear(); }
    std::chrono::steady_clock::time_point Now() const override { return now_; }

    Strings Asked;
    std::vector<std::chrono::steady_clock::time_point> AskedAt;
    std::size_t MostAtOnce = 0;

  private:
    Script script_;
    std::vector<ProbeRequest> running_;
    std::map<std::string, int> times_;
    std::chrono::steady_clock::time_point now_{};
};

ProbeAnswer Reply(int status, std::string type = "image/jpeg",
                  std::optional<std::uint64_t> length = std::nullopt, std::string etag = {}) {
    ProbeAnswer answer;
    answer.Result = ProbeAnswer::Outcome::Response;
    answer.Status = status;
    answer.ContentType = std::move(type);
    answer.Length = length;
    answer.ETag = std::move(etag);
    return answer;
}

ProbeAnswer Redirect(int status, std::string to) {
    ProbeAnswer answer = Reply(status, "text/html");
    answer.Location = std::move(to);
    return answer;
}

ProbeAnswer Wait(int status, std::optional<std::int64_t> seconds) {
    ProbeAnswer answer = Reply(status, "text/html");
    answer.RetryAfterSeconds = seconds;
    return answer;
}

ProbeAnswer Outcome(ProbeAnswer::Outcome outcome, std::string reason = {}) {
    ProbeAnswer answer;
    answer.Result = outcome;
    answer.Reason = std::move(reason);
    return answer;
}

// The number of a target ".../pNNN.jpg", -1 for any other.
int NumberIn(const std::string& target) {
    const std::size_t p = target.rfind("/p");
    const std::size_t dot = target.rfind(".jpg");
    if (p == std::string::npos || dot == std::string::npos || dot < p + 3) {
        return -1;
    }
    const std::string digits = target.substr(p + 2, dot - p - 2);
    return digits.find_first_not_of("0123456789") == std::string::npos ? std::stoi(digits) : -1;
}

// A server holding the files numbered `files`, each answered as an image of
// a length of its own; what it lacks is answered as `missing` says.
Script Holding(std::set<int> files, ProbeAnswer missing = Reply(404, "text/html")) {
    return [files, missing](const ProbeRequest& request, int) {
        const int n = NumberIn(request.Target);
        return files.count(n) != 0 ? Reply(200, "image/jpeg", 1000 + n, "e" + std::to_string(n))
                                   : missing;
    };
}

// `script`, but `special` answers the targets it knows.
Script Except(std::map<std::string, std::function<ProbeAnswer(int)>> special, Script script) {
    return [special, script](const ProbeRequest& request, int askedBefore) {
        const auto it = special.find(request.Target);
        return it != special.end() ? it->second(askedBefore) : script(request, askedBefore);
    };
}

std::function<ProbeAnswer(int)> Always(ProbeAnswer answer) {
    return [answer](int) { return answer; };
}

// "METHOD prefix<n>suffix" for each number, zero-filled to `width`.
Strings Asks(const std::string& method, const std::string& prefix, std::vector<int> numbers,
             const std::string& suffix = ".jpg", int width = 3) {
    Strings asks;
    for (const int n : numbers) {
        std::string text = std::to_string(n);
        text.insert(0, static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))),
                    '0');
        asks.push_back(method + " " + prefix + text + suffix);
    }
    return asks;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

Strings Join(std::initializer_list<Strings> parts) {
    Strings all;
    for (const Strings& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

PatternRequest Pattern(std::string dir, std::string values, std::string start, std::string end,
                       std::string front = "p", std::string ext = ".jpg") {
    PatternRequest request;
    request.Texts = {.Dir = std::move(dir),
                     .ContStr = std::move(values),
                     .FrontStr = std::move(front),
                     .RearStr = {},
                     .StCount = std::move(start),
                     .EdCount = std::move(end),
                     .ExtStr = std::move(ext)};
    return request;
}

struct Outcomes {
    Strings Report;
    Strings Unchecked;  // "address: reason"
    std::string Stopped;
    Strings Asked;
    bool Limited = false;
};

Outcomes Probe(const PatternRequest& request, std::int32_t gap, const Script& script,
               std::int32_t connections = 4) {
    ScriptedTransport transport(script);
    SeriesProbe probe(PrepareRun(request), {gap, connections, 15}, transport);
    for (int step = 0; step < 100000 && probe.Step(100ms); ++step) {
    }
    EXPECT_TRUE(probe.Over());
    EXPECT_LE(transport.MostAtOnce, static_cast<std::size_t>(connections));
    Outcomes outcomes;
    LineListSink report;
    WriteReport(probe.Result(), report);
    outcomes.Report = report.Lines;
    for (const GroupFindings& group : probe.Result().Groups) {
        outcomes.Limited = outcomes.Limited || group.LimitReached;
        for (const UncheckedAddress& unchecked : group.Unchecked) {
            outcomes.Unchecked.push_back(unchecked.Address + ": " + unchecked.Reason);
        }
    }
    if (probe.Result().Stopped) {
        outcomes.Stopped = probe.Result().Stopped->Explained();
    }
    outcomes.Asked = transport.Asked;
    return outcomes;
}

TEST(SeriesProbeTest, SeriesAreFoundWithTheRequestsTheyNeed) {
    const std::string s = "http://s/";
    const std::string ref = "HEAD http://s/p9999999.jpg";
    const ProbeAnswer standIn = Reply(200, "image/jpeg", 500, "\"stand-in\"");
    struct Case {
        const char* Name;
        PatternRequest Request;
        std::int32_t Gap;
        Script Server;
        Strings Asked;  // in any order, each as often as listed
        Strings Report;
        Strings Unchecked = {};
        std::int32_t Connections = 4;
        bool Limited = false;  // the 1,000-number limit ended a group
    };
    const Case cases[] = {
        {"below the start down to 0 and above the end until the gap",
         Pattern(s, "", "003", "005"),
         2,
         Holding({1, 2, 3, 4, 5, 6, 7, 8}),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 10))}),
         {"--\t001\t008\t"}},
        {"missing numbers between the first and the last, runs joined",
         Pattern(s, "", "001", "010"),
         2,
         Holding({1, 2, 3, 5, 6, 9, 10, 11}),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 13))}),
         {"--\t001\t011\t004,007-008"}},
        {"gap 0 asks the typed range only",
         Pattern(s, "", "001", "003"),
         0,
         Holding({1, 2, 3, 4, 5}),
         Join({{ref}, Asks("HEAD", s + "p", Range(1, 3))}),
         {"--\t001\t003\t"}},
        {"a typed range ending in the gap's worth of missing numbers goes no further",
         Pattern(s, "", "001", "010"),
         3,
         Holding({1, 2, 3, 4}),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 10))}),
         {"--\t001\t004\t"}},
        {"nothing found: the gap counts from the typed range",
         Pattern(s, "", "005", "005"),
         2,
         Holding({}),
         Join({{ref}, Asks("HEAD", s + "p", {4, 5, 6})}),
         {"--\t-\t-\t"}},
        {"one connection asks the same",
         Pattern(s, "", "003", "005"),
         2,
         Holding({1, 2, 3, 4, 5, 6, 7, 8}),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 10))}),
         {"--\t001\t008\t"},
         {},
         1},
        {"answers like the stand-in for missing files are missing",
         Pattern(s, "", "001", "003"),
         1,
         Holding({1, 2, 3}, standIn),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 4))}),
         {"--\t001\t003\t"}},
        {"a stand-in reached by a redirect",
         Pattern(s, "", "001", "002"),
         1,
         Except({{"http://s/missing.jpg", Always(Reply(200, "image/jpeg", 500))}},
                Holding({1, 2}, Redirect(302, "http://s/missing.jpg"))),
         Join({{ref, "HEAD http://s/missing.jpg"},
               Asks("HEAD", s + "p", Range(0, 3)),
               {"HEAD http://s/missing.jpg", "HEAD http://s/missing.jpg"}}),
         {"--\t001\t002\t"}},
        {"an HTML page where an image should be is missing",
         Pattern(s, "", "001", "003"),
         0,
         Except({{"http://s/p002.jpg", Always(Reply(200, "Text/HTML; charset=utf-8", 10))}},
                Holding({1, 3})),
         Join({{ref}, Asks("HEAD", s + "p", Range(1, 3))}),
         {"--\t001\t003\t002"}},
        {"HEAD refused: every address asked once with GET",
         Pattern(s, "", "001", "002"),
         1,
         [](const ProbeRequest& request, int) {
             if (request.Method == ProbeMethod::Head) {
                 return Reply(405, "text/html");
             }
             const int n = NumberIn(request.Target);
             return n == 1 || n == 2 ? Reply(206, "image/jpeg", 1000) : Reply(404);
         },
         Join({{ref, "GET http://s/p9999999.jpg"}, Asks("GET", s + "p", Range(0, 3))}),
         {"--\t001\t002\t"}},
        {"redirects: followed, refused from https to http and to other schemes, ended after 10",
         Pattern("https://s/", "", "001", "004"),
         0,
         Except({{"https://s/p001.jpg", Always(Redirect(301, "https://s/real/p001.jpg"))},
                 {"https://s/real/p001.jpg", Always(Reply(200, "image/jpeg", 1))},
                 {"https://s/p002.jpg", Always(Redirect(302, "http://s/p002.jpg"))},
                 {"https://s/p003.jpg", Always(Redirect(307, "ftp://s/p003.jpg"))},
                 {"https://s/p004.jpg", Always(Redirect(308, "https://s/p004.jpg"))}},
                Holding({})),
         Join({{"HEAD https://s/p9999999.jpg", "HEAD https://s/real/p001.jpg"},
               Asks("HEAD", "https://s/p", Range(1, 4)),
               Strings(10, "HEAD https://s/p004.jpg")}),
         {"--\t001\t001\t"},
         {"https://s/p002.jpg: redirect from https to http refused",
          "https://s/p003.jpg: redirect to an address other than http or https refused",
          "https://s/p004.jpg: more than 10 redirects"}},
        {"429 and 503 retried at most 3 times, not when asked to wait over 30 s",
         Pattern(s, "", "001", "004"),
         0,
         Except({{"http://s/p002.jpg",
                  [](int before) { return before < 2 ? Wait(429, 2) : Reply(200, "image/png"); }},
                 {"http://s/p003.jpg", Always(Wait(503, std::nullopt))},
                 {"http://s/p004.jpg", Always(Wait(429, 31))}},
                Holding({1})),
         Join({{ref}, Asks("HEAD", s + "p", {1, 2, 2, 2, 3, 3, 3, 3, 4})}),
         {"--\t001\t002\t"},
         {"http://s/p003.jpg: HTTP 503", "http://s/p004.jpg: HTTP 429"}},
        {"errors leave an address unchecked and count as not found",
         Pattern(s, "", "001", "001"),
         2,
         Except({{"http://s/p000.jpg", Always(Reply(403, "text/html"))},
                 {"http://s/p002.jpg", Always(Reply(500, "text/html"))},
                 {"http://s/p003.jpg",
                  Always(Outcome(ProbeAnswer::Outcome::Failed, "Timeout was reached"))}},
                Holding({1})),
         Join({{ref}, Asks("HEAD", s + "p", Range(0, 3))}),
         {"--\t001\t001\t"},
         {"http://s/p000.jpg: HTTP 403", "http://s/p002.jpg: HTTP 500",
          "http://s/p003.jpg: Timeout was reached"}},
        {"the 1,000-number limit, downwards first",
         Pattern(s, "", "0500", "0600"),
         5,
         [](const ProbeRequest& request, int) {
             const int n = NumberIn(request.Target);
             return n <= 5000 ? Reply(200, "image/jpeg", 1000 + n) : Reply(404);
         },
         Join({{"HEAD http://s/p99999999.jpg"}, Asks("HEAD", s + "p", Range(0, 999), ".jpg", 4)}),
         {"--\t0000\t0999\t"},
         {},
         4,
         true},
        {"several groups, each with its own stand-in look",
         Pattern(s + "%%/", "a,b", "01", "02"),
         1,
         [](const ProbeRequest& request, int) {
             const int n = NumberIn(request.Target);
             const bool a = request.Target.find("/a/") != std::string::npos;
             return (a && n >= 1 && n <= 3) || (!a && n == 2) ? Reply(200, "image/gif", 10 + n)
                                                              : Reply(404);
         },
         Join({{"HEAD http://s/a/p999999.jpg", "HEAD http://s/b/p999999.jpg"},
               Asks("HEAD", s + "a/p", Range(0, 4), ".jpg", 2),
               Asks("HEAD", s + "b/p", Range(1, 3), ".jpg", 2)}),
         {"a\t01\t03\t", "b\t02\t02\t"}},
        {"without numbers a group is its one address",
         Pattern(s + "img", "", "", "", "a"),
         5,
         Except({{"http://s/img/a.jpg", Always(Reply(200, "image/jpeg", 7))}}, Holding({})),
         {"HEAD http://s/img/a99999.jpg", "HEAD http://s/img/a.jpg"},
         {"--\t\t\t"}},
        {"local paths: a file or nothing, no stand-in request",
         Pattern("/d/%%", "x", "1", "2"),
         1,
         [](const ProbeRequest& request, int) {
             return Outcome(request.Target == "/d/x/p2.jpg" ? ProbeAnswer::Outcome::FileFound
                                                            : ProbeAnswer::Outcome::FileMissing);
         },
         Asks("FILE", "/d/x/p", Range(1, 3), ".jpg", 1),
         {"x\t2\t2\t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Outcomes o = Probe(c.Request, c.Gap, c.Server, c.Connections);
        Strings asked = o.Asked;
        Strings expected = c.Asked;
        std::sort(asked.begin(), asked.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(o.Report, c.Report);
        EXPECT_EQ(o.Unchecked, c.Unchecked);
        EXPECT_EQ(o.Stopped, "");
        EXPECT_EQ(o.Limited, c.Limited);
    }
}

TEST(SeriesProbeTest, RetriesWaitAsLongAsTheServerAsksAndHoldEveryOtherRequest) {
    ScriptedTransport transport(Except(
        {{"http://s/p001.jpg", [](int before) { return before < 1 ? Wait(429, 3) : Reply(200); }}},
        Holding({2})));
    SeriesProbe probe(PrepareRun(Pattern("http://s/", "", "001", "008")), {0, 1, 15}, transport);
    while (probe.Step(100ms)) {
    }
    // One connection: 001, held 3 s, then 001 again before anything else.
    ASSERT_GE(transport.Asked.size(), 4u);
    EXPECT_EQ(transport.Asked[1], "HEAD http://s/p001.jpg");
    EXPECT_EQ(transport.Asked[2], "HEAD http://s/p001.jpg");
    EXPECT_GE(transport.AskedAt[2] - transport.AskedAt[1], 3s);
    EXPECT_EQ(probe.Result().Groups[0].Found.size(), 2u);
}

TEST(SeriesProbeTest, AnUnreachableHostStopsTheProbeWithOneMessage) {
    ScriptedTransport transport([](const ProbeRequest& request, int) {
        return request.Target.find("p9999") != std::string::npos
                   ? Outcome(ProbeAnswer::Outcome::Unreachable, "Couldn't connect to server")
                   : Reply(200);
    });
    SeriesProbe probe(PrepareRun(Pattern("http://u:pw@h:8080/%%/", "a,b", "1", "60")), {},
                      transport);
    while (probe.Step(100ms)) {
    }
    EXPECT_EQ(transport.Asked, Strings({"HEAD http://u:pw@h:8080/a/p999999.jpg",
                                        "HEAD http://u:pw@h:8080/b/p999999.jpg"}));
    ASSERT_TRUE(probe.Result().Stopped);
    EXPECT_EQ(probe.Result().Stopped->Explained(),
              "ホスト h:8080 に接続できません (Couldn't connect to server)");
    EXPECT_FALSE(probe.Result().Complete());
}

TEST(SeriesProbeTest, AddressesNoProbeCanAskAreRefusedBeforeAnyRequest) {
    for (const char* base : {"ftp://s/", "mailto:a@b", "localhost:8080/x"}) {
        ScriptedTransport transport(Holding({}));
        try {
            SeriesProbe probe(PrepareRun(Pattern(base, "", "1", "2")), {}, transport);
            ADD_FAILURE() << base;
        } catch (const ZarnetError& error) {
            EXPECT_EQ(std::string(error.what()).find("アドレス "), 0u) << error.what();
        }
        EXPECT_TRUE(transport.Asked.empty());
    }
}

// The probe builds its stand-in address with a number four digits wider
// than the run's widest, so a run at the limit is refused for a probe.
TEST(SeriesProbeTest, AddressesTooLongForAProbeAreRefusedBeforeAnyRequest) {
    const PreparedRun run =
        PrepareRun(Pattern("http://s/" + std::string(65'521, 'a'), "", "", ""));  // 65,536 bytes
    EXPECT_NO_THROW(CheckAddressLength(run));
    const std::string message = "アドレスが長すぎます（65,541バイト、上限は65,536バイトです）";
    try {
        CheckProbeable(run);
        ADD_FAILURE() << "no error";
    } catch (const ZarnetError& error) {
        EXPECT_EQ(error.what(), message);
    }
    ScriptedTransport transport(Holding({}));
    try {
        SeriesProbe probe(run, {}, transport);
        ADD_FAILURE() << "no error";
    } catch (const ZarnetError& error) {
        EXPECT_EQ(error.what(), message);
    }
    EXPECT_TRUE(transport.Asked.empty());
}

TEST(SeriesProbeTest, CancelEndsAtOnceKeepingWhatWasFound) {
    ScriptedTransport transport(Holding({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    SeriesProbe probe(PrepareRun(Pattern("http://s/", "", "1", "9")), {0, 2, 15}, transport);
    ASSERT_TRUE(probe.Step(0ms));  // the stand-in request
    ASSERT_TRUE(probe.Step(0ms));  // 1 and 2
    probe.Cancel();
    EXPECT_FALSE(probe.Step(0ms));
    EXPECT_TRUE(probe.Result().Cancelled);
    EXPECT_EQ(ReportLine(probe.Result().Groups[0]), "--\t1\t2\t");
    EXPECT_EQ(probe.Progress().Found, 2u);
}

TEST(SeriesProbeTest, FoundDocumentHoldsOnlyTheFoundAddressesInTheRunsKind) {
    ScriptedTransport transport(Holding({2, 4, 5}));
    PatternRequest request = Pattern("http://s/%%/", "a,b", "1", "5");
    request.Kind = MakeType::ListText;
    const PreparedRun run = PrepareRun(request);
    SeriesProbe probe(run, {0, 4, 15}, transport);
    while (probe.Step(100ms)) {
    }
    struct NoFrame : DocumentFrame {
        void InsertHeader(LineSink&, const std::string&) const override {}
        void AppendFooter(LineSink&) const override {}
        std::uint64_t LongestHeaderLine(const std::string&) const override { return 0; }
    };
    LineListSink document;
    WriteFoundDocument(run, probe.Result(), NoFrame{}, document);
    EXPECT_EQ(document.Lines,
              Strings({"http://s/a/p2.jpg", "http://s/a/p4.jpg", "http://s/a/p5.jpg",
                       "http://s/b/p2.jpg", "http://s/b/p4.jpg", "http://s/b/p5.jpg"}));
}

}  // namespace
}  // namespace zarnet
