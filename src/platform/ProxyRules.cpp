#include "platform/ProxyRules.h"

#include <vector>

#include "platform/AsciiText.h"

namespace zarnet {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = ascii::ToLower(c);
    }
    return lower;
}

struct UrlParts {
    std::string Scheme;
    std::string Host;  // in lower case; an IPv6 address in its brackets
    std::string Port;  // the scheme's own when the address names none
};

UrlParts Parse(std::string_view url) {
    UrlParts parts;
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos) {
        return parts;
    }
    parts.Scheme = Lower(url.substr(0, separator));
    std::string_view authority = url.substr(separator + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    const std::size_t bracket = authority.starts_with('[') ? authority.find(']') : 0;
    const std::size_t colon =
        bracket == std::string_view::npos ? bracket : authority.find(':', bracket);
    parts.Host = Lower(authority.substr(0, colon));
    if (colon != std::string_view::npos) {
        parts.Port = authority.substr(colon + 1);
    } else {
        parts.Port = parts.Scheme == "https" ? "443" : "80";
    }
    return parts;
}

bool IsLoopbackHost(std::string_view host) {
    return host == "localhost" || host.starts_with("127.") || host == "[::1]";
}

std::vector<std::string_view> Entries(std::string_view list) {
    std::vector<std::string_view> entries;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        if (i == list.size() || list[i] == ';' || list[i] == ' ' || list[i] == '\t' ||
            list[i] == '\r' || list[i] == '\n') {
            if (i > start) {
                entries.push_back(list.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return entries;
}

// "*" stands for any run of characters; letters match in either case.
bool Matches(std::string_view pattern, std::string_view text) {
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() && ascii::ToLower(pattern[p]) == ascii::ToLower(text[t])) {
            ++p;
            ++t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool Bypassed(std::string_view bypass, const UrlParts& url) {
    for (std::string_view entry : Entries(bypass)) {
        if (ascii::EqualsIgnoringCase(entry, "<local>")) {
            if (url.Host.find('.') == std::string::npos && !url.Host.starts_with('[')) {
                return true;
            }
            continue;
        }
        if (const std::size_t scheme = entry.find("://"); scheme != std::string_view::npos) {
            entry.remove_prefix(scheme + 3);
        }
        const bool withPort = entry.find(':') != std::string_view::npos && !entry.ends_with(']');
        if (Matches(entry, withPort ? url.Host + ":" + url.Port : url.Host)) {
            return true;
        }
    }
    return false;
}

std::string AsHttpProxy(std::string_view proxy) {
    if (proxy.find("://") != std::string_view::npos) {
        return std::string(proxy);
    }
    return "http://" + std::string(proxy);
}

}  // namespace

bool IsLoopbackUrl(std::string_view url) {
    return IsLoopbackHost(Parse(url).Host);
}

std::string ProxyFromSettings(std::string_view proxies, std::string_view bypass,
                              std::string_view url) {
    const UrlParts parts = Parse(url);
    if (parts.Host.empty() || IsLoopbackHost(parts.Host) || Bypassed(bypass, parts)) {
        return {};
    }
    std::string_view everyScheme;
    std::string_view ownScheme;
    std::string_view socks;
    for (const std::string_view entry : Entries(proxies)) {
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) {
            if (everyScheme.empty()) {
                everyScheme = entry;
            }
            continue;
        }
        const std::string scheme = Lower(entry.substr(0, equals));
        const std::string_view proxy = entry.substr(equals + 1);
        if (scheme == parts.Scheme && ownScheme.empty()) {
            ownScheme = proxy;
        } else if (scheme == "socks" && socks.empty()) {
            socks = proxy;
        }
    }
    if (!ownScheme.empty()) {
        return AsHttpProxy(ownScheme);
    }
    if (!everyScheme.empty()) {
        return AsHttpProxy(everyScheme);
    }
    return socks.empty() ? std::string() : "socks4://" + std::string(socks);
}

}  // namespace zarnet
