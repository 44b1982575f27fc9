#include "platform/SystemNetwork.h"

#include "platform/win/WinApi.h"

#include <winhttp.h>

#include <map>
#include <optional>

#include "platform/ProxyRules.h"
#include "platform/win/WideText.h"

namespace zarnet {

namespace {

std::string TakeText(LPWSTR text) {
    if (text == nullptr) {
        return {};
    }
    std::string utf8 = ToUtf8(text);
    GlobalFree(text);
    return utf8;
}

// Scheme, host and port: what a proxy script's answer is kept for.
std::string OriginOf(const std::string& url) {
    const std::size_t scheme = url.find("://");
    return scheme == std::string::npos ? url : url.substr(0, url.find_first_of("/?#", scheme + 3));
}

}  // namespace

// The user's Internet settings, read once for all the requests of a probe.
// libcurl knows only the environment's proxy; these are what the system's
// own programs use.
class SystemNetwork::Impl {
  public:
    std::string ProxyFor(const std::string& url) {
        // This machine is never reached through a proxy, and asking the
        // proxy script about it might go out onto the network.
        if (IsLoopbackUrl(url)) {
            return {};
        }
        ReadSettings();
        if (automatic_) {
            const std::string origin = OriginOf(url);
            const auto known = scripted_.find(origin);
            if (known != scripted_.end()) {
                return known->second;
            }
            if (std::optional<std::string> proxy = FromScript(url)) {
                return scripted_[origin] = *proxy;
            }
            automatic_ = false;  // no script to be had: the fixed settings, from now on
        }
        return ProxyFromSettings(proxies_, bypass_, url);
    }

    ~Impl() {
        if (session_ != nullptr) {
            WinHttpCloseHandle(session_);
        }
    }

  private:
    void ReadSettings() {
        if (read_) {
            return;
        }
        read_ = true;
        WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config{};
        if (!WinHttpGetIEProxyConfigForCurrentUser(&config)) {
            return;
        }
        scriptUrl_ = ToWide(TakeText(config.lpszAutoConfigUrl));
        automatic_ = config.fAutoDetect || !scriptUrl_.empty();
        proxies_ = TakeText(config.lpszProxy);
        bypass_ = TakeText(config.lpszProxyBypass);
    }

    // The proxy the proxy script (found automatically, or at the address the
    // settings give) chooses; nothing when there is no script to run.
    std::optional<std::string> FromScript(const std::string& url) {
        if (session_ == nullptr) {
            session_ = WinHttpOpen(L"Zarnet", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                   WINHTTP_NO_PROXY_BYPASS, 0);
            if (session_ == nullptr) {
                return std::nullopt;
            }
        }
        WINHTTP_AUTOPROXY_OPTIONS options{};
        if (scriptUrl_.empty()) {
            options.dwFlags = WINHTTP_AUTOPROXY_AUTO_DETECT;
            options.dwAutoDetectFlags =
                WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
        } else {
            options.dwFlags = WINHTTP_AUTOPROXY_CONFIG_URL;
            options.lpszAutoConfigUrl = scriptUrl_.c_str();
        }
        options.fAutoLogonIfChallenged = TRUE;
        WINHTTP_PROXY_INFO info{};
        if (!WinHttpGetProxyForUrl(session_, ToWide(url).c_str(), &options, &info)) {
            return std::nullopt;
        }
        const std::string proxies = TakeText(info.lpszProxy);
        const std::string bypass = TakeText(info.lpszProxyBypass);
        if (info.dwAccessType != WINHTTP_ACCESS_TYPE_NAMED_PROXY) {
            return std::string();
        }
        return ProxyFromSettings(proxies, bypass, url);
    }

    bool read_ = false;
    bool automatic_ = false;
    std::wstring scriptUrl_;
    std::string proxies_;
    std::string bypass_;
    HINTERNET session_ = nullptr;
    std::map<std::string, std::string> scripted_;
};

SystemNetwork::SystemNetwork() : impl_(std::make_unique<Impl>()) {}

SystemNetwork::~SystemNetwork() = default;

void SystemNetwork::Apply(CURL* easy, const std::string& url) {
    const std::string proxy = impl_->ProxyFor(url);
    if (!proxy.empty()) {
        curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    }
    // Schannel checks revocation; where the lists cannot be fetched (an
    // offline network, a firewall) it lets the certificate pass on its other
    // checks, as the system's own programs do, rather than refuse every site.
    curl_easy_setopt(easy, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_REVOKE_BEST_EFFORT));
}

}  // namespace zarnet
