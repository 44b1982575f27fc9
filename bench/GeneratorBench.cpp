// Throughput of the generator: entries per second for each output kind, and
// the inputs that work it hardest.
#include <benchmark/benchmark.h>

#include <string>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "platform/Cp932.h"
#include "templates/HtmlTemplates.h"

namespace zarnet {
namespace {

// Counts what it is given, so only the generator is measured.
struct CountingSink : LineSink {
    std::size_t Bytes = 0;
    void AddLine(std::string_view line) override { Bytes += line.size() + 2; }
};

PatternRequest ThousandByThousand(MakeType kind) {
    PatternRequest request;
    request.Kind = kind;
    request.Texts.Dir = "https://example.com/gallery/%%/";
    request.Texts.ContStr =
        "1-100,101-200,201-300,301-400,401-500,501-600,601-700,701-800,801-900,901-1000";
    request.Texts.FrontStr = "photo_%%_";
    request.Texts.StCount = "0001";
    request.Texts.EdCount = "1000";
    request.Texts.RearStr = "_large";
    request.Texts.ExtStr = "jpg";
    return request;
}

void BM_DocumentOfEachKind(benchmark::State& state) {
    const PreparedRun run = PrepareRun(ThousandByThousand(static_cast<MakeType>(state.range(0))));
    HtmlTemplates templates("/nowhere/");
    templates.HeaderLines = HtmlTemplates::DefaultHeader();
    templates.FooterLines = HtmlTemplates::DefaultFooter();
    for (auto _ : state) {
        CountingSink sink;
        WriteDocument(run, templates, sink);
        benchmark::DoNotOptimize(sink.Bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(run.EntryCount()));
}
BENCHMARK(BM_DocumentOfEachKind)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A base address and value made of markers: every replacement joins up.
void BM_ReplaceMarkerOnTextFullOfMarkers(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '%');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReplaceMarker(text, "5%"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReplaceMarkerOnTextFullOfMarkers)->Arg(1 << 10)->Arg(1 << 20);

// A value list of many ranges, each written out and split again.
void BM_ValueListOfManyRanges(benchmark::State& state) {
    std::string list;
    for (int i = 0; i < state.range(0); ++i) {
        list += std::to_string(i * 1000) + "-" + std::to_string(i * 1000 + 100) + ",";
    }
    PatternRequest request;
    request.Texts.Dir = "d/%%";
    request.Texts.ContStr = list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SubstitutionValues(request));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 101);
}
BENCHMARK(BM_ValueListOfManyRanges)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_EncodeCodePage932(benchmark::State& state) {
    const std::string ascii(1 << 16, 'a');
    std::string japanese;
    while (japanese.size() < (1 << 16)) {
        japanese += "写真のアドレス一覧ﾃｷｽﾄ";
    }
    const std::string& text = state.range(0) == 0 ? ascii : japanese;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cp932::Encode(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_EncodeCodePage932)->Arg(0)->Arg(1);

}  // namespace
}  // namespace zarnet
