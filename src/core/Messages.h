#pragma once

#include "platform/ZarnetError.h"

// The generator's own messages, shown to the user as they stand.
namespace zarnet::messages {

inline constexpr Message kStartNotNumber{"開始番号を数値に変換できません",
                                         "the start number is not a number"};
inline constexpr Message kEndNotNumber{"終了番号を数値に変換できません",
                                       "the end number is not a number"};
inline constexpr Message kRangeReversed{"開始番号と終了番号が逆転しています",
                                        "the start number is greater than the end number"};
inline constexpr Message kRangeTooLarge{"終了－開始番号が大きすぎます",
                                        "a number range holds at most 1,000 numbers"};
inline constexpr Message kAddressEmpty{"アドレスを入力してください", "enter a base address"};
inline constexpr Message kValuesEmpty{"連続生成モードです。連続生成文字を入力してください",
                                      "the base address holds %%: give the values that replace it"};
inline constexpr Message kStepNotNumber{"増分数値を確認してください", "check the step"};
inline constexpr Message kCheckEnd{"終了番号を確認してください", "check the end number"};
inline constexpr Message kNothingBelowZero{"0より前の番号には戻れません",
                                           "there are no numbers below 0 to step back to"};
// "%s" is the character and its code: 「é」U+00E9.
inline constexpr Message kNotInCodePage{"コードページ932にない文字%s は使えません",
                                        "the character %s is not in code page 932"};
// A series probe: an address it cannot ask about, and a host it cannot
// reach (the system's reason follows).
inline constexpr Message kCannotProbe{
    "アドレス %s は調べられません",
    "cannot check %s: only http and https addresses, file addresses and local paths"};
inline constexpr Message kHostUnreachable{"ホスト %s に接続できません", "cannot reach the host %s"};
// The value of a group whose series went on past the numbers one group spans.
inline constexpr Message kProbeLimit{"%s の連番は1000個の上限で打ち切りました",
                                     "the series of %s was cut off at its limit of 1,000 numbers"};
// "%s" is the address, trimmed.
inline constexpr Message kNoNumberInAddress{"アドレス %s には連番にできる数字がありません",
                                            "the address %s holds no number to count"};
// The window's limit on one run: the count, then the limit.
inline constexpr Message kTooManyAddresses{"作成するアドレスが多すぎます（%s件、上限は%s件です）",
                                           "too many addresses (%s; at most %s)"};
// The limit on one line that a run builds: its length, then the limit, in
// bytes.
inline constexpr Message kAddressTooLong{"アドレスが長すぎます（%sバイト、上限は%sバイトです）",
                                         "an address is too long (%s bytes; at most %s)"};
inline constexpr Message kHeaderLineTooLong{
    "ヘッダの行が長すぎます（%sバイト、上限は%sバイトです）",
    "a header line with the title put in is too long (%s bytes; at most %s)"};
// Memory ran out all the same.
inline constexpr Message kOutOfMemory{"メモリが足りません", "out of memory"};

}  // namespace zarnet::messages
