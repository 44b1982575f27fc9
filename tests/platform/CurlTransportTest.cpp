#include "platform/CurlTransport.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "support/LoopbackServer.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

using namespace std::chrono_literals;
using testing::HttpReply;
using testing::HttpRequest;
using testing::LoopbackServer;

// Every answer of the requests started, waiting at most a minute in all.
std::vector<ProbeAnswer> AnswersOf(CurlTransport& transport, std::size_t count) {
    std::vector<ProbeAnswer> answers;
    for (int round = 0; round < 600 && answers.size() < count; ++round) {
        for (ProbeAnswer& answer : transport.Collect(100ms)) {
            answers.push_back(std::move(answer));
        }
    }
    EXPECT_EQ(answers.size(), count);
    return answers;
}

ProbeAnswer Ask(const std::string& url, ProbeMethod method = ProbeMethod::Head,
                std::chrono::milliseconds timeout = 15s) {
    CurlTransport transport({1, timeout});
    transport.Start({7, url, method});
    std::vector<ProbeAnswer> answers = AnswersOf(transport, 1);
    return answers.empty() ? ProbeAnswer{} : answers.front();
}

HttpReply Headers(int status, std::vector<std::pair<std::string, std::string>> headers) {
    HttpReply reply;
    reply.Status = status;
    reply.Headers = std::move(headers);
    return reply;
}

TEST(CurlTransportTest, AnswersCarryWhatTheProbeNeedsAndNoRedirectIsFollowed) {
    LoopbackServer server([](const HttpRequest& request) {
        const std::string& path = request.Target;
        if (path == "/image") {
            HttpReply reply = Headers(200, {{"Content-Type", "image/png"}, {"ETag", "\"v1\""}});
            reply.Body = std::string(1234, 'x');
            return reply;
        }
        if (path == "/file") {
            return testing::FileReply(request, std::string(5000, 'x'));
        }
        if (path == "/moved") {
            return Headers(302, {{"Location", "/elsewhere/x.jpg"}});
        }
        if (path == "/busy") {
            return Headers(429, {{"Retry-After", "7"}});
        }
        if (path == "/hang") {
            HttpReply reply;
            reply.Hang = true;
            return reply;
        }
        return Headers(404, {{"Content-Type", "text/html"}});
    });
    struct Case {
        const char* Path;
        ProbeMethod Method;
        ProbeAnswer::Outcome Result;
        int Status;
        std::optional<std::uint64_t> Length;
        std::string Other;  // the type and tag, the location, the wait or the reason
    };
    const Case cases[] = {
        {"/image", ProbeMethod::Head, ProbeAnswer::Outcome::Response, 200, 1234,
         "image/png \"v1\""},
        {"/file", ProbeMethod::GetFirstByte, ProbeAnswer::Outcome::Response, 206, 5000,
         "image/jpeg "},
        {"/moved", ProbeMethod::Head, ProbeAnswer::Outcome::Response, 302, 0,
         server.Url("/elsewhere/x.jpg")},
        {"/busy", ProbeMethod::Head, ProbeAnswer::Outcome::Response, 429, 0, "7"},
        {"/none", ProbeMethod::GetFirstByte, ProbeAnswer::Outcome::Response, 404, 0, "text/html "},
        {"/hang", ProbeMethod::Head, ProbeAnswer::Outcome::Failed, 0, std::nullopt,
         "Timeout was reached"},
    };
    for (const Case& c : cases) {
        const ProbeAnswer answer = Ask(server.Url(c.Path), c.Method, 500ms);
        EXPECT_EQ(answer.Id, 7u) << c.Path;
        EXPECT_EQ(answer.Result, c.Result) << c.Path;
        EXPECT_EQ(answer.Status, c.Status) << c.Path;
        EXPECT_EQ(answer.Length, c.Length) << c.Path;
        const std::string other = answer.Result == ProbeAnswer::Outcome::Failed ? answer.Reason
                                  : !answer.Location.empty()                    ? answer.Location
                                  : answer.RetryAfterSeconds
                                      ? std::to_string(*answer.RetryAfterSeconds)
                                      : answer.ContentType + " " + answer.ETag;
        EXPECT_EQ(other, c.Other) << c.Path;
    }
    // One request each: the redirect was not followed.
    EXPECT_EQ(server.Requests(),
              std::vector<std::string>({"HEAD /image", "GET /file", "HEAD /moved", "HEAD /busy",
                                        "GET /none", "HEAD /hang"}));
}

TEST(CurlTransportTest, RequestsNameZarnetAndCarryNoCredentialsNorCookies) {
    std::mutex mutex;
    std::vector<HttpRequest> seen;
    LoopbackServer server([&](const HttpRequest& request) {
        std::lock_guard lock(mutex);
        seen.push_back(request);
        return Headers(200, {{"Set-Cookie", "session=1; Path=/"}});
    });
    const std::string address = server.Url("/写真 1.jpg");
    CurlTransport transport({1, 15s});
    transport.Start({1, "http://user:secret@" + address.substr(7), ProbeMethod::Head});
    AnswersOf(transport, 1);
    transport.Start({2, address, ProbeMethod::GetFirstByte});
    AnswersOf(transport, 1);
    EXPECT_TRUE(CurlTransport::UserAgent().starts_with("Zarnet/"));
    std::lock_guard lock(mutex);
    ASSERT_EQ(seen.size(), 2u);
    for (const HttpRequest& request : seen) {
        EXPECT_EQ(request.Target, "/%E5%86%99%E7%9C%9F%201.jpg");
        EXPECT_EQ(request.Headers.at("user-agent"), CurlTransport::UserAgent());
        EXPECT_EQ(request.Headers.count("authorization"), 0u);
        EXPECT_EQ(request.Headers.count("cookie"), 0u);
    }
}

TEST(CurlTransportTest, AClosedPortIsAHostThatCannotBeReached) {
    std::string url;
    {
        LoopbackServer gone([](const HttpRequest&) { return HttpReply{}; });
        url = gone.Url("/p1.jpg");
    }
    const ProbeAnswer answer = Ask(url);
    EXPECT_EQ(answer.Result, ProbeAnswer::Outcome::Unreachable);
    EXPECT_EQ(answer.Reason, "Couldn't connect to server");
}

TEST(CurlTransportTest, AtMostTheGivenConnectionsAreOpenAtOnce) {
    LoopbackServer server([](const HttpRequest&) {
        HttpReply reply;
        reply.Delay = 100ms;
        return reply;
    });
    CurlTransport transport({3, 15s});
    for (std::uint64_t id = 1; id <= 12; ++id) {
        transport.Start({id, server.Url("/p" + std::to_string(id) + ".jpg"), ProbeMethod::Head});
    }
    for (const ProbeAnswer& answer : AnswersOf(transport, 12)) {
        EXPECT_EQ(answer.Status, 200);
    }
    EXPECT_LE(server.MostConnectionsAtOnce(), 3);
    EXPECT_GE(server.MostConnectionsAtOnce(), 2);  // side by side, not one after the other
}

TEST(CurlTransportTest, LocalPathsAreLookedUpOnTheDisk) {
    testing::TempDir dir;
    dir.Write("p1.jpg", "x");
    CurlTransport transport({2, 15s});
    transport.Start({1, dir.File("p1.jpg"), ProbeMethod::LocalFile});
    transport.Start({2, dir.File("p2.jpg"), ProbeMethod::LocalFile});
    const std::vector<ProbeAnswer> answers = transport.Collect(0ms);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].Result, ProbeAnswer::Outcome::FileFound);
    EXPECT_EQ(answers[1].Result, ProbeAnswer::Outcome::FileMissing);
}

}  // namespace
}  // namespace zarnet
