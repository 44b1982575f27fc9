#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarnet {

// The local path a file: address names, its escapes decoded: file:///x,
// file://localhost/x, file:/x; on Windows also file:///C:/x and, as a UNC
// path, file://server/share/x. Nothing for any other address, nor, off
// Windows, for a file: address of another host.
std::optional<std::string> LocalPathOfFileUrl(std::string_view url);

enum class LocalFileState { Found, Missing, Unreadable };

// Whether a regular file is at `path`. A folder, or nothing at all, is
// missing; where the system cannot tell (no permission, a broken share),
// `reason` gets its words.
LocalFileState CheckLocalFile(const std::string& path, std::string& reason);

// Shared by the systems' implementations.
namespace file_url {

// After "file:", what names the host, and the path that follows it, as
// written; nothing when the address is no file: address with an absolute path.
struct Parts {
    std::string_view Host;
    std::string_view Path;  // from its first "/", without a query or fragment
};
std::optional<Parts> Split(std::string_view url);

// Each "%XX" as the byte it stands for.
std::string PercentDecoded(std::string_view text);

}  // namespace file_url

}  // namespace zarnet
