#pragma once

#include "platform/ZarnetError.h"

// The registry store's messages; "%s" is the value or key name.
namespace zarnet::messages {

inline constexpr Message kInvalidDataType{"'%s' のデータ型が不正です",
                                          "the stored value '%s' is of the wrong type"};
inline constexpr Message kCannotGetData{"'%s' の取得に失敗しました",
                                        "cannot read the stored value '%s'"};
inline constexpr Message kCannotCreateKey{"キー %s の作成に失敗しました",
                                          "cannot create the registry key %s"};
inline constexpr Message kCannotSetData{"'%s' の設定に失敗しました", "cannot store the value '%s'"};
inline constexpr Message kCannotOpenKey{"キー %s を開けません", "cannot open the registry key %s"};
// Follows a failed save's message where a registry file is named.
inline constexpr Message kNotSaved{"設定は保存されていません", "the settings were not saved"};

}  // namespace zarnet::messages
