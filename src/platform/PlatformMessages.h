#pragma once

#include "platform/ZarnetError.h"

// The platform's own messages; "%s" is the file's full path.
namespace zarnet::messages {

inline constexpr Message kCannotOpenFile{"ファイル %s は開けません", "cannot open the file %s"};
inline constexpr Message kCannotCreateFile{"ファイル %s を作成できません",
                                           "cannot create the file %s"};
inline constexpr Message kWriteError{"ストリームへの書き込みエラー", "write error"};
inline constexpr Message kCannotWriteIni{"%s に書き込めません", "cannot write to %s"};
// A notice of the registry file, then the name it was moved to.
inline constexpr Message kMovedAside{
    "ファイル %s はレジストリファイルではないため、%s に移しました。設定は初期状態から始まります",
    "%s was no registry file and was moved to %s; the settings start afresh"};
// What an INI value gives back at most, in bytes.
inline constexpr Message kIniValueTooLong{"INIファイルに保存できる値は %s バイトまでです",
                                          "an INI file keeps at most %s bytes of a value"};

}  // namespace zarnet::messages
