#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/PatternRequest.h"

namespace zarnet {

// A run of digits in an address that a pattern can count on.
struct AddressNumber {
    std::size_t At = 0;  // where its digits start in the trimmed address
    std::string Digits;  // as they stand: their count sets the zero fill
    bool InFileName = false;
};

// One address taken apart into what a pattern is made of.
struct AddressParts {
    std::string Address;        // trimmed of the characters 0 to 32
    std::size_t FileStart = 0;  // the file name follows the folder's last separator
    std::string Extension;      // ".jpg", or empty
    // The numbers on offer, in the order of the address. The last one is the
    // default: the file name's last, else the folder's last.
    std::vector<AddressNumber> Numbers;
};

// The file name is what follows the last "/" (the last "\" when there is no
// "/"). Its extension is a last "." with 1 to 5 ASCII letters and digits,
// one letter at least. A number is a run of ASCII digits whose value fits 32
// bits, a "%" with two hexadecimal digits counting as one character, never as
// digits. None is offered from the extension, none from an address holding
// "%%", and none from the folder with a "%" right before it, which the marker
// put in its place would join.
AddressParts SplitAddress(std::string_view address);

// The pattern whose one entry is the address, counting on Numbers[chosen]. A
// number of the file name gives the folder as the base and the number as
// start and end; one of the folder is replaced there by "%%", becomes the
// value list, and leaves the file name unnumbered. A base ends in no "\":
// the generator puts a "/" after it. What the rule does not fill (the value
// list, for a number of the file name) is taken from `current`.
PatternTexts PatternFromAddress(const AddressParts& parts, std::size_t chosen,
                                const PatternTexts& current);

// The same with the default number; raises messages::kNoNumberInAddress,
// naming the address, when there is none.
PatternTexts PatternFromAddress(std::string_view address, const PatternTexts& current);

}  // namespace zarnet
