#include "core/SampleAddress.h"

#include "core/PatternExpansion.h"

namespace zarnet {

// The base with "/" ensured and its first "%%" shown as "##", then front,
// start, rear and extension exactly as typed. The values and the end number
// play no part.
Sample MakeSample(const PatternTexts& pattern) {
    Sample sample;
    if (pattern.Dir.empty()) {
        sample.DirEmpty = true;
        return sample;
    }
    std::string text = WithTrailingSlash(pattern.Dir);
    if (auto at = text.find(kMarker); at != std::string::npos) {
        text.replace(at, kMarker.size(), "##");
        sample.ValuesEnabled = true;
    }
    sample.Text = text + pattern.FrontStr + pattern.StCount + pattern.RearStr + pattern.ExtStr;
    return sample;
}

}  // namespace zarnet
