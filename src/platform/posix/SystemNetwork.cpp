#include "platform/SystemNetwork.h"

namespace zarnet {

// libcurl reads the proxy from the environment (http_proxy, https_proxy,
// no_proxy, all_proxy) and verifies against the system's certificates by
// itself.
class SystemNetwork::Impl {};

SystemNetwork::SystemNetwork() = default;
SystemNetwork::~SystemNetwork() = default;

void SystemNetwork::Apply(CURL*, const std::string&) {}

}  // namespace zarnet
