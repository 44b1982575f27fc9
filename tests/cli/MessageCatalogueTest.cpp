// Every message constant of the layers below the window, walked once. That
// each has an English meaning naming as many things as its text is checked
// where the constant is compiled; what only a walk finds is checked here.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliMessages.h"
#include "core/Messages.h"
#include "platform/Cp932.h"
#include "platform/PlatformMessages.h"
#include "platform/ZarnetError.h"
#include "store/StoreMessages.h"

namespace zarnet {
namespace {

const Message* const kEveryMessage[] = {
    &messages::kStartNotNumber,   &messages::kEndNotNumber,      &messages::kRangeReversed,
    &messages::kRangeTooLarge,    &messages::kAddressEmpty,      &messages::kValuesEmpty,
    &messages::kStepNotNumber,    &messages::kCheckEnd,          &messages::kNothingBelowZero,
    &messages::kNotInCodePage,    &messages::kTooManyAddresses,  &messages::kCannotOpenFile,
    &messages::kCannotCreateFile, &messages::kWriteError,        &messages::kCannotWriteIni,
    &messages::kMovedAside,       &messages::kInvalidDataType,   &messages::kCannotGetData,
    &messages::kCannotCreateKey,  &messages::kCannotSetData,     &messages::kCannotOpenKey,
    &messages::kNotSaved,         &messages::kNotUtf8,           &messages::kCannotProbe,
    &messages::kHostUnreachable,  &messages::kProbeLimit,        &messages::kNoNumberInAddress,
    &messages::kAddressTooLong,   &messages::kHeaderLineTooLong, &messages::kOutOfMemory,
    &messages::kIniValueTooLong,
};

// The Japanese text reaches the window and a Japanese Windows console through
// code page 932, and must read the same after it (a wave dash typed as
// U+301C would not); the English meaning is for any console, so plain ASCII.
TEST(MessageCatalogueTest, TextsSurviveCodePage932AndMeaningsArePlainAscii) {
    for (const Message* message : kEveryMessage) {
        EXPECT_EQ(cp932::Decode(cp932::Encode(message->Text)), message->Text);
        EXPECT_TRUE(std::all_of(message->English.begin(), message->English.end(), [](char c) {
            return c >= ' ' && c <= '~';
        })) << message->English;
    }
}

}  // namespace
}  // namespace zarnet
