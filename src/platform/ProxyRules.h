#pragma once

#include <string>
#include <string_view>

namespace zarnet {

// The proxy that a list of proxies and a list of exceptions, written as the
// Windows Internet settings write them, name for `url`: "http://host:port"
// (or "socks4://host:port"), empty for a direct connection.
// `proxies`: "host:port" for every scheme, or entries "scheme=host:port"
// ("http=p:80;https=q:443;socks=s:1080"), separated by ";" or blanks.
// `bypass`: hosts to reach directly, with "*" wildcards and "<local>" for
// names without a dot ("<local>;*.example.com;10.*"). The loopback
// addresses are always reached directly.
std::string ProxyFromSettings(std::string_view proxies, std::string_view bypass,
                              std::string_view url);

// Whether the host of `url` is this machine itself (localhost, 127.x.x.x,
// [::1]).
bool IsLoopbackUrl(std::string_view url);

}  // namespace zarnet
