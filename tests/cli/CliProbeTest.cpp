#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>

#include "cli/CliInvoke.h"
#include "cli/CliRun.h"
#include "support/LoopbackServer.h"
#include "support/TempDir.h"

namespace zarnet::cli {
namespace {

using testing::Args;
using testing::Invoke;
using testing::Outcome;
using zarnet::testing::HttpReply;
using zarnet::testing::HttpRequest;
using zarnet::testing::LoopbackServer;
using zarnet::testing::TempDir;

// The number N of ".../pN.jpg", -1 for any other path.
int NumberIn(const std::string& path) {
    const std::size_t p = path.rfind("/p");
    const std::size_t dot = path.rfind(".jpg");
    if (p == std::string::npos || dot == std::string::npos || dot <= p + 2) {
        return -1;
    }
    const std::string digits = path.substr(p + 2, dot - p - 2);
    return digits.find_first_not_of("0123456789") == std::string::npos ? std::stoi(digits) : -1;
}

HttpReply Status(int status) {
    HttpReply reply;
    reply.Status = status;
    reply.Headers.emplace_back("Content-Type", "text/html");
    return reply;
}

// A site of series, one a folder, each showing one way servers answer.
class Site {
  public:
    HttpReply Answer(const HttpRequest& request) {
        const std::string& path = request.Target;
        const int n = NumberIn(path);
        const auto folder = [&path](const char* name) { return path.starts_with(name); };
        const auto file = [&request, n] {
            return zarnet::testing::FileReply(request,
                                              std::string(static_cast<std::size_t>(100 + n), 'x'));
        };
        if (folder("/gaps/")) {
            return std::set<int>{1, 2, 3, 5, 8, 9, 10}.count(n) != 0 ? file() : Status(404);
        }
        if (folder("/standin/")) {  // a missing file is a picture of its own
            return n >= 1 && n <= 3 ? file() : zarnet::testing::FileReply(request, "not here");
        }
        if (folder("/nohead/")) {
            return request.Method == "HEAD" ? Status(405) : n == 1 || n == 2 ? file() : Status(404);
        }
        if (folder("/redirect/real/")) {
            return file();
        }
        if (folder("/redirect/")) {
            if (n != 1 && n != 2) {
                return Status(404);
            }
            HttpReply moved = Status(n == 1 ? 302 : 301);
            moved.Headers.emplace_back("Location", "/redirect/real/p" + std::to_string(n) + ".jpg");
            return moved;
        }
        if (folder("/busy/") && n == 2 && busy_++ == 0) {
            HttpReply wait = Status(429);
            wait.Headers.emplace_back("Retry-After", "1");
            return wait;
        }
        if (folder("/error/") && n == 2) {
            return Status(500);
        }
        if (folder("/hang/") && n == 2) {
            HttpReply never;
            never.Hang = true;
            return never;
        }
        return n >= 1 && n <= 3 ? file() : Status(404);
    }

  private:
    std::atomic<int> busy_{0};
};

TEST(CliProbeTest, ProbesReportWhatTheServersHold) {
    TempDir program;
    TempDir disk;
    for (const char* name : {"p1.jpg", "p2.jpg", "p4.jpg", "p5.jpg"}) {
        disk.Write(name, "x");
    }
    Site site;
    LoopbackServer server([&site](const HttpRequest& request) { return site.Answer(request); });
    std::string closed;
    {
        LoopbackServer gone([](const HttpRequest&) { return HttpReply{}; });
        closed = gone.Url("/");
    }
    const std::string url = server.Url("/");
    const auto pattern = [](const std::string& base, const char* start, const char* end,
                            Args more) {
        Args args{"-b", base, "-f", "p", "-s", start, "-e", end, "-x", "jpg"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    struct Case {
        Args Arguments;
        int Status;
        std::string Out;
        std::string Err;
    };
    const Case cases[] = {
        {pattern(url + "gaps", "1", "5", {"--probe", "--gap", "3"}), kWritten,
         "--\t1\t10\t4,6-7\r\n", ""},
        {pattern(url + "gaps", "1", "5", {"--probe", "--gap", "1"}), kWritten, "--\t1\t5\t4\r\n",
         ""},
        {pattern(url + "%%", "1", "2", {"-l", "gaps,standin", "--probe", "--gap", "2"}), kWritten,
         "gaps\t1\t5\t4\r\nstandin\t1\t3\t\r\n", ""},
        {pattern(url + "nohead", "1", "1", {"--probe", "--connections", "1"}), kWritten,
         "--\t1\t2\t\r\n", ""},
        {pattern(url + "redirect", "1", "2", {"--probe", "--gap", "1"}), kWritten, "--\t1\t2\t\r\n",
         ""},
        {pattern(url + "busy", "1", "2", {"--probe", "--gap", "0"}), kWritten, "--\t1\t2\t\r\n",
         ""},
        {pattern(url + "error", "1", "3", {"--probe", "--gap", "0"}), kUnchecked, "--\t1\t3\t\r\n",
         "zarnet-cli: " + url + "error/p2.jpg: HTTP 500\n"},
        {pattern(url + "hang", "1", "2", {"--probe", "--gap", "0", "--timeout", "1"}), kUnchecked,
         "--\t1\t1\t\r\n", "zarnet-cli: " + url + "hang/p2.jpg: Timeout was reached\n"},
        {pattern(closed, "1", "2", {"--probe"}), kUnchecked, "--\t-\t-\t\r\n",
         "zarnet-cli: ホスト " + closed.substr(7, closed.size() - 8) +
             " に接続できません (Couldn't connect to server)\n"},
        {pattern(url + "gaps", "1", "5", {"--existing", "--gap", "3", "-k", "list"}), kWritten,
         url + "gaps/p1.jpg\r\n" + url + "gaps/p2.jpg\r\n" + url + "gaps/p3.jpg\r\n" + url +
             "gaps/p5.jpg\r\n" + url + "gaps/p8.jpg\r\n" + url + "gaps/p9.jpg\r\n" + url +
             "gaps/p10.jpg\r\n",
         ""},
        {pattern(disk.Path(), "1", "4", {"--probe", "--gap", "1"}), kWritten, "--\t1\t5\t3\r\n",
         ""},
        {pattern("ftp://x/", "1", "2", {"--probe"}), kCheckFailed, "",
         "zarnet-cli: アドレス ftp://x/ は調べられません\n"},
        // The checks of every output come first.
        {pattern(url + "gaps", "2", "1", {"--probe"}), kCheckFailed, "",
         "zarnet-cli: 開始番号と終了番号が逆転しています\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke(c.Arguments, program);
        EXPECT_EQ(o.status, c.Status) << c.Arguments[1];
        EXPECT_EQ(o.out, c.Out) << c.Arguments[1];
        EXPECT_EQ(o.err, c.Err) << c.Arguments[1];
    }
}

TEST(CliProbeTest, AnOutputFileThatCannotBeMadeIsToldBeforeAnyRequest) {
    TempDir program;
    LoopbackServer server([](const HttpRequest&) { return HttpReply{}; });
    const Outcome o = Invoke(
        {"-b", server.Url("/"), "-s", "1", "-e", "9", "--probe", "-o", program.Path()}, program);
    EXPECT_EQ(o.status, kUsageOrFileError);
    EXPECT_NE(o.err.find("を作成できません"), std::string::npos) << o.err;
    EXPECT_TRUE(server.Requests().empty());
}

TEST(CliProbeTest, ProbeOptionsAreCheckedAsUsage) {
    TempDir program;
    struct Case {
        Args Arguments;
        std::string Err;
    };
    const Case cases[] = {
        {{"--probe", "--connections", "0"},
         "zarnet-cli: --connections needs a whole number from 1 to 16, not '0'\n"},
        {{"--probe", "--connections", "17"},
         "zarnet-cli: --connections needs a whole number from 1 to 16, not '17'\n"},
        {{"--existing", "--gap", "-1"},
         "zarnet-cli: --gap needs a whole number from 0 to 999, not '-1'\n"},
        {{"--existing", "--gap=1000"},
         "zarnet-cli: --gap needs a whole number from 0 to 999, not '1000'\n"},
        {{"--probe", "--timeout", "0"},
         "zarnet-cli: --timeout needs a whole number from 1 to 600, not '0'\n"},
        {{"--probe", "--timeout", "1.5"},
         "zarnet-cli: --timeout needs a whole number from 1 to 600, not '1.5'\n"},
        {{"--gap", "2"},
         "zarnet-cli: --gap, --connections and --timeout go with --probe or "
         "--existing\n"},
        {{"--probe", "--existing"}, "zarnet-cli: --probe and --existing cannot go together\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke(c.Arguments, program);
        EXPECT_EQ(o.status, kUsageOrFileError);
        EXPECT_EQ(o.err, c.Err + "Try 'zarnet-cli --help'.\n");
        EXPECT_EQ(o.out, "");
    }
}

}  // namespace
}  // namespace zarnet::cli
