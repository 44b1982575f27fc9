#include "cli/CliMessages.h"

#include <array>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "platform/FileErrors.h"

namespace zarnet::cli {

namespace {

// The program's messages that can reach the command line, "%s" standing for a
// name, with their meaning.
constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kMeanings{{
    {"開始番号を数値に変換できません", "the start number is not a number"},
    {"終了番号を数値に変換できません", "the end number is not a number"},
    {"開始番号と終了番号が逆転しています", "the start number is greater than the end number"},
    {"終了－開始番号が大きすぎます", "a number range holds at most 1,000 numbers"},
    {"アドレスを入力してください", "enter a base address"},
    {"連続生成モードです。連続生成文字を入力してください",
     "the base address holds %%: give the values that replace it"},
    {"増分数値を確認してください", "check the step"},
    {"終了番号を確認してください", "check the end number"},
    {"ファイル %s は開けません", "cannot open the file %s"},
    {"ファイル %s を作成できません", "cannot create the file %s"},
    {"ストリームへの書き込みエラー", "write error"},
    {"'%s' のデータ型が不正です", "the stored value '%s' is of the wrong type"},
    {"'%s' の取得に失敗しました", "cannot read the stored value '%s'"},
    {"キー %s を開けません", "cannot open the registry key %s"},
    {"キー %s の作成に失敗しました", "cannot create the registry key %s"},
    {"'%s' の設定に失敗しました", "cannot store the value '%s'"},
    {"コードページ932にない文字%s は使えません", "the character %s is not in code page 932"},
    {"UTF-8 として読めない文字があります", "the text is not valid UTF-8"},
}};

bool IsJapanese(std::string_view locale) {
    return locale.starts_with("ja");
}

// A message that carries its context already: "text (context)". The context
// may hold a path with " (" in it; the program's texts hold none.
std::pair<std::string, std::string> SplitContext(const std::string& message) {
    const std::size_t open = message.find(" (");
    if (open == std::string::npos || !message.ends_with(')')) {
        return {message, {}};
    }
    return {message.substr(0, open), message.substr(open + 2, message.size() - open - 3)};
}

}  // namespace

bool WantsEnglish(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* variable : {lcAll, lcMessages, lang}) {
        if (variable != nullptr && variable[0] != '\0') {
            return !IsJapanese(variable);
        }
    }
    return true;  // the C locale
}

bool WantsEnglish() {
    return WantsEnglish(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string EnglishMeaning(std::string_view message) {
    for (const auto& [japanese, english] : kMeanings) {
        const std::size_t marker = japanese.find("%s");
        if (marker == std::string_view::npos) {
            if (message == japanese) {
                return std::string(english);
            }
            continue;
        }
        const std::string_view before = japanese.substr(0, marker);
        const std::string_view after = japanese.substr(marker + 2);
        if (message.size() >= before.size() + after.size() && message.starts_with(before) &&
            message.ends_with(after)) {
            const std::string_view name =
                message.substr(before.size(), message.size() - before.size() - after.size());
            std::string meaning(english);
            meaning.replace(meaning.find("%s"), 2, name);
            return meaning;
        }
    }
    return {};
}

std::string ErrorLine(const std::exception& error, bool english) {
    std::string message;
    std::string context;
    if (const auto* fileError = dynamic_cast<const FileError*>(&error)) {
        message = fileError->what();
        context = fileError->Context();
    } else {
        std::tie(message, context) = SplitContext(error.what());
    }
    const std::string meaning = english ? EnglishMeaning(message) : std::string();
    std::string line = "zarnet-cli: " + message;
    if (!meaning.empty() && !context.empty()) {
        line += " (" + meaning + ": " + context + ")";
    } else if (!meaning.empty() || !context.empty()) {
        line += " (" + meaning + context + ")";
    }
    return line;
}

}  // namespace zarnet::cli
