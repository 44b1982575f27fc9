#pragma once

// The registry store's messages; "%s" is the value or key name.
namespace zarnet::messages {

inline constexpr const char* kInvalidDataType = "'%s' のデータ型が不正です";
inline constexpr const char* kCannotGetData = "'%s' の取得に失敗しました";
inline constexpr const char* kCannotCreateKey = "キー %s の作成に失敗しました";
inline constexpr const char* kCannotSetData = "'%s' の設定に失敗しました";
inline constexpr const char* kCannotOpenKey = "キー %s を開けません";
// Follows a failed save's message where a registry file is named.
inline constexpr const char* kNotSaved = "設定は保存されていません";

}  // namespace zarnet::messages
