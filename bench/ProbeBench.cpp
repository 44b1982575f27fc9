// The series probe against requests one after the other: a series of 200
// files from one address (000 of 000-199), on a loopback server that takes
// 20 ms for each answer. The probe asks 206 addresses: the stand-in request,
// the 200 files and the 5 numbers of the gap above them; the sequential run
// asks the same 206, one at a time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/SeriesProbe.h"
#include "platform/CurlTransport.h"
#include "support/LoopbackServer.h"

namespace zarnet {
namespace {

using namespace std::chrono_literals;

constexpr int kFiles = 200;
constexpr int kAsked = 206;

testing::HttpReply SlowSeries(const testing::HttpRequest& request) {
    testing::HttpReply reply;
    reply.Delay = 20ms;
    const std::size_t p = request.Target.rfind("/p");
    const std::string digits = request.Target.substr(p + 2, request.Target.size() - p - 6);
    const bool file = digits.size() == 3 && std::stoi(digits) < kFiles;
    reply.Status = file ? 200 : 404;
    reply.Body = file ? std::string(1000, 'x') : std::string();
    return reply;
}

PreparedRun OneAddress(const testing::LoopbackServer& server) {
    PatternRequest request;
    request.Texts = {.Dir = server.Url("/series"),
                     .ContStr = {},
                     .FrontStr = "p",
                     .RearStr = {},
                     .StCount = "000",
                     .EdCount = "000",
                     .ExtStr = ".jpg"};
    return PrepareRun(request);
}

void BM_ProbeOf200Files(benchmark::State& state) {
    setenv("no_proxy", "*", 1);
    testing::LoopbackServer server(SlowSeries);
    const PreparedRun run = OneAddress(server);
    const auto connections = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        CurlTransport transport({connections, 15s});
        SeriesProbe probe(run, {5, connections, 15}, transport);
        while (probe.Step(100ms)) {
        }
        if (probe.Result().Groups.at(0).Found.size() != kFiles) {
            state.SkipWithError("the probe did not find the series");
        }
    }
    state.counters["requests"] =
        static_cast<double>(server.Requests().size()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProbeOf200Files)
    ->Arg(4)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_206RequestsOneAfterTheOther(benchmark::State& state) {
    setenv("no_proxy", "*", 1);
    testing::LoopbackServer server(SlowSeries);
    for (auto _ : state) {
        CurlTransport transport({1, 15s});
        for (int n = 0; n < kAsked; ++n) {
            std::string number = std::to_string(n);
            number.insert(0, 3 - number.size(), '0');
            transport.Start({1, server.Url("/series/p" + number + ".jpg"), ProbeMethod::Head});
            while (transport.Collect(100ms).empty()) {
            }
        }
    }
}
BENCHMARK(BM_206RequestsOneAfterTheOther)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace zarnet
