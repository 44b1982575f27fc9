#include "core/ProbeReport.h"

#include <algorithm>

namespace zarnet {

std::string MissingText(const GroupFindings& group) {
    std::string line;
    const std::vector<ProbedNumber>& missing = group.Missing;
    for (std::size_t i = 0; i < missing.size();) {
        std::size_t end = i;
        while (end + 1 < missing.size() && missing[end + 1].Number == missing[end].Number + 1) {
            ++end;
        }
        if (i > 0) {
            line += ',';
        }
        line += missing[i].Text;
        if (end > i) {
            line += '-';
            line += missing[end].Text;
        }
        i = end + 1;
    }
    return line;
}

std::string ReportLine(const GroupFindings& group) {
    std::string line = group.Value;
    line += '\t';
    line += group.Found.empty() ? "-" : group.Found.front().NumberText;
    line += '\t';
    line += group.Found.empty() ? "-" : group.Found.back().NumberText;
    line += '\t';
    line += MissingText(group);
    return line;
}

std::optional<std::pair<std::int32_t, std::int32_t>> FoundSpan(const ProbeResult& result) {
    std::optional<std::pair<std::int32_t, std::int32_t>> span;
    for (const GroupFindings& group : result.Groups) {
        if (group.Found.empty()) {
            continue;
        }
        const std::int32_t low = group.Found.front().Entry.Number;
        const std::int32_t high = group.Found.back().Entry.Number;
        span = span ? std::pair(std::min(span->first, low), std::max(span->second, high))
                    : std::pair(low, high);
    }
    return span;
}

void WriteReport(const ProbeResult& result, LineSink& out) {
    for (const GroupFindings& group : result.Groups) {
        out.AddLine(ReportLine(group));
    }
}

void ExpandFound(const ProbeResult& result, ExpansionSink& sink) {
    for (const GroupFindings& group : result.Groups) {
        if (group.Found.empty()) {
            continue;
        }
        sink.BeginGroup(group.Value);
        for (const FoundAddress& found : group.Found) {
            sink.Entry(found.Entry);
        }
    }
}

void WriteFoundDocument(const PreparedRun& run, const ProbeResult& result,
                        const DocumentFrame& frame, LineSink& out) {
    WriteDocument(run, frame, out, [&result](ExpansionSink& sink) { ExpandFound(result, sink); });
}

}  // namespace zarnet
