#include "cli/CliProbe.h"

#include <ostream>

#include "cli/CliMessages.h"
#include "core/Messages.h"

namespace zarnet::cli {

CurlTransport::Settings TransportSettings(const ProbeSettings& settings) {
    return {settings.Connections, std::chrono::seconds(settings.TimeoutSeconds)};
}

const ProbeResult& RunToTheEnd(SeriesProbe& probe) {
    // Each step waits for answers at most this long, and never spins.
    constexpr std::chrono::milliseconds kStepWait{200};
    while (probe.Step(kStepWait)) {
    }
    return probe.Result();
}

void TellUnchecked(const ProbeResult& result, std::ostream& err, bool english) {
    for (const GroupFindings& group : result.Groups) {
        for (const UncheckedAddress& unchecked : group.Unchecked) {
            err << "zarnet-cli: " << unchecked.Address << ": " << unchecked.Reason << "\n";
        }
        if (group.LimitReached) {
            err << ErrorLine(ZarnetError(messages::kProbeLimit, {group.Value}), english) << "\n";
        }
    }
    if (result.Stopped) {
        err << ErrorLine(*result.Stopped, english) << "\n";
    }
}

}  // namespace zarnet::cli
