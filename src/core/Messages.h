#pragma once

// The generator's own messages, shown to the user as they stand.
namespace zarnet::messages {

inline constexpr const char* kStartNotNumber = "開始番号を数値に変換できません";
inline constexpr const char* kEndNotNumber = "終了番号を数値に変換できません";
inline constexpr const char* kRangeReversed = "開始番号と終了番号が逆転しています";
inline constexpr const char* kRangeTooLarge = "終了－開始番号が大きすぎます";
inline constexpr const char* kAddressEmpty = "アドレスを入力してください";
inline constexpr const char* kValuesEmpty = "連続生成モードです。連続生成文字を入力してください";
inline constexpr const char* kStepNotNumber = "増分数値を確認してください";
inline constexpr const char* kCheckEnd = "終了番号を確認してください";

}  // namespace zarnet::messages
