#include "platform/ProxyRules.h"

#include <gtest/gtest.h>

namespace zarnet {
namespace {

TEST(ProxyRulesTest, TheSettingsNameTheProxyForEachAddress) {
    struct Case {
        const char* Proxies;
        const char* Bypass;
        const char* Url;
        const char* Proxy;
    };
    const Case cases[] = {
        {"p:8080", "", "http://h/x", "http://p:8080"},
        {"p:8080", "", "https://u:pw@h/x", "http://p:8080"},
        {"http://p:8080", "", "http://h/", "http://p:8080"},
        {"http=p:80;https=q:443", "", "https://h/", "http://q:443"},
        {"http=p:80 ftp=f:21", "", "HTTP://h/", "http://p:80"},
        {"http=p:80", "", "https://h/", ""},
        {"socks=s:1080", "", "http://h/", "socks4://s:1080"},
        {"", "", "http://h/", ""},
        {"p:8080", "<local>", "http://intranet/x", ""},
        {"p:8080", "<local>", "http://a.b/x", "http://p:8080"},
        {"p:8080", "*.example.com; 10.*", "http://img.EXAMPLE.com/", ""},
        {"p:8080", "*.example.com", "http://example.com/", "http://p:8080"},
        {"p:8080", "10.*", "http://10.1.2.3:81/", ""},
        {"p:8080", "h:81", "http://h:81/", ""},
        {"p:8080", "h:81", "http://h/", "http://p:8080"},
        {"p:8080", "https://h", "http://h/", ""},
        // This machine is never reached through a proxy.
        {"p:8080", "", "http://127.0.0.1:5/", ""},
        {"p:8080", "", "http://localhost/", ""},
        {"p:8080", "", "http://[::1]:80/", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProxyFromSettings(c.Proxies, c.Bypass, c.Url), c.Proxy)
            << c.Proxies << " / " << c.Bypass << " / " << c.Url;
    }
}

}  // namespace
}  // namespace zarnet
