#include "platform/FileErrors.h"

#include "platform/ZarnetError.h"

namespace zarnet {

void ThrowCannotOpen(const std::string& path) {
    throw ZarnetError(FormatMessage("ファイル %s は開けません", path));
}

void ThrowCannotCreate(const std::string& path) {
    throw ZarnetError(FormatMessage("ファイル %s を作成できません", path));
}

void ThrowWriteError() {
    throw ZarnetError("ストリームへの書き込みエラー");
}

}  // namespace zarnet
