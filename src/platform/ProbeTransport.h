#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarnet {

// How one address is asked whether it exists.
enum class ProbeMethod {
    Head,          // an HTTP HEAD request
    GetFirstByte,  // an HTTP GET of the first byte, for servers that refuse HEAD
    LocalFile,     // whether a regular file is there, at a local path
};

struct ProbeRequest {
    std::uint64_t Id = 0;
    std::string Target;  // the web address, or the local path
    ProbeMethod Method = ProbeMethod::Head;
};

// What came back for one request. Redirects are not followed: a 3xx comes
// back with its Location, so the caller decides where it may go.
struct ProbeAnswer {
    enum class Outcome {
        Response,     // the server answered with Status and the fields below
        FileFound,    // a regular file is at the local path
        FileMissing,  // nothing, or something other than a regular file
        Failed,       // this request failed (a timeout, a broken answer); Reason says why
        Unreachable,  // the host cannot be reached at all; Reason says why
    };

    std::uint64_t Id = 0;
    Outcome Result = Outcome::Failed;
    int Status = 0;
    std::string Location;  // a redirect's target, made absolute
    std::string ContentType;
    std::optional<std::uint64_t> Length;  // of the whole file, where the server tells it
    std::string ETag;
    std::optional<std::int64_t> RetryAfterSeconds;
    std::string Reason;
};

// Where a probe's requests go: the network, the local disk and the clock.
// Requests run side by side; their answers come in any order.
class ProbeTransport {
  public:
    virtual ~ProbeTransport() = default;

    // The answer comes from a later Collect().
    virtual void Start(const ProbeRequest& request) = 0;
    // The answers that have come in, waiting at most `wait` for one when
    // none has.
    virtual std::vector<ProbeAnswer> Collect(std::chrono::milliseconds wait) = 0;
    // Drops every request still running; their answers never come.
    virtual void AbortAll() = 0;
    virtual std::chrono::steady_clock::time_point Now() const = 0;
};

}  // namespace zarnet
