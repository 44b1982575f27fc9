#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/ProbeTransport.h"

namespace zarnet {

// A probe's requests through libcurl's multi interface, side by side on at
// most `Connections` connections without a thread of their own; local paths
// are looked up on the disk at once. Certificates are always verified against
// the system's; the system's proxy is used; no cookie, no credential is ever
// sent, and no redirect is followed here.
class CurlTransport : public ProbeTransport {
  public:
    struct Settings {
        int Connections = 4;
        std::chrono::milliseconds Timeout{15000};  // for each request
    };

    explicit CurlTransport(const Settings& settings);
    ~CurlTransport() override;
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;

    void Start(const ProbeRequest& request) override;
    std::vector<ProbeAnswer> Collect(std::chrono::milliseconds wait) override;
    void AbortAll() override;
    std::chrono::steady_clock::time_point Now() const override;

    // "Zarnet/" and the program's version, as every request names it.
    static std::string UserAgent();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
