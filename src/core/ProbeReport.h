#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/OutputDocument.h"
#include "core/SeriesProbe.h"

namespace zarnet {

// A group's line of the report: its value, the first and the last number
// found and the missing numbers between them, separated by tabs. Numbers are
// written as the addresses write them, "-" for the first and the last when
// nothing was found; the missing ones are comma separated, a run of them as
// "011-015".
std::string ReportLine(const GroupFindings& group);

// The missing numbers of the line alone: "004,010-012".
std::string MissingText(const GroupFindings& group);

// The lowest and the highest number found in any group.
std::optional<std::pair<std::int32_t, std::int32_t>> FoundSpan(const ProbeResult& result);

// One line for each group.
void WriteReport(const ProbeResult& result, LineSink& out);

// The found entries, group by group; a group without any has no place.
void ExpandFound(const ProbeResult& result, ExpansionSink& sink);

// The run's document with only the found addresses in it.
void WriteFoundDocument(const PreparedRun& run, const ProbeResult& result,
                        const DocumentFrame& frame, LineSink& out);

}  // namespace zarnet
