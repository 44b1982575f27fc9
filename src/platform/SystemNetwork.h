#pragma once

#include <curl/curl.h>

#include <memory>
#include <string>

namespace zarnet {

// What the system asks of every web request beyond libcurl's own defaults:
// on Windows the proxy of the user's Internet settings, which libcurl does
// not read, and certificate revocation checked where the system can check
// it; elsewhere nothing, libcurl reading the proxy from the environment and
// the certificates from the system's store itself.
class SystemNetwork {
  public:
    SystemNetwork();
    ~SystemNetwork();
    SystemNetwork(const SystemNetwork&) = delete;
    SystemNetwork& operator=(const SystemNetwork&) = delete;

    // `url` is the address the request goes to.
    void Apply(CURL* easy, const std::string& url);

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
