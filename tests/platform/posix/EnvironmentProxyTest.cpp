#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CurlTransport.h"
#include "support/LoopbackServer.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

using namespace std::chrono_literals;

// The environment's proxy is the system's here: requests go through it, and
// a host the proxy list excludes is reached directly. The addresses are
// under .invalid, which no resolver knows: only the proxy is ever asked.
TEST(EnvironmentProxyTest, RequestsGoThroughTheProxyTheEnvironmentNames) {
    testing::LoopbackServer proxy([](const testing::HttpRequest&) { return testing::HttpReply{}; });
    testing::ScopedEnvironment httpProxy("http_proxy", proxy.Url(""));
    testing::ScopedEnvironment noProxy("no_proxy", "");
    testing::ScopedEnvironment noProxyUpper("NO_PROXY", "");
    CurlTransport transport({1, 15s});
    transport.Start({1, "http://zarnet-probe.invalid/p1.jpg", ProbeMethod::Head});
    std::vector<ProbeAnswer> answers;
    for (int round = 0; round < 300 && answers.empty(); ++round) {
        answers = transport.Collect(100ms);
    }
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].Status, 200);
    EXPECT_EQ(proxy.Requests(),
              std::vector<std::string>{"HEAD http://zarnet-probe.invalid/p1.jpg"});
}

}  // namespace
}  // namespace zarnet
