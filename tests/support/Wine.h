#pragma once

namespace zarnet::testing {

// True when the tests run under Wine, whose private-profile functions differ
// from Windows' in a few corners; such cases say so and are skipped there.
bool RunningUnderWine();

}  // namespace zarnet::testing
