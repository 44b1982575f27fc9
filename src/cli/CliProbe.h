#pragma once

#include <iosfwd>

#include "core/SeriesProbe.h"
#include "platform/CurlTransport.h"

namespace zarnet::cli {

CurlTransport::Settings TransportSettings(const ProbeSettings& settings);

// Steps the probe until it is over, waiting on its requests in between.
const ProbeResult& RunToTheEnd(SeriesProbe& probe);

// A line on `err` for each address the probe could not check, "zarnet-cli:
// ADDRESS: REASON"; one for each group cut off at the limit; and the message
// of the host it could not reach.
void TellUnchecked(const ProbeResult& result, std::ostream& err, bool english);

}  // namespace zarnet::cli
