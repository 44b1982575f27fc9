// Filling the preview with a whole run, against a bare setPlainText of the
// same text: what the generator and the conversion add to what the text box
// costs anyway.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <algorithm>
#include <memory>
#include <string>

#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "ui/Desktop.h"
#include "ui/ZarnetView.h"

namespace zarnet {
namespace {

// The preview asks nothing of the desktop while it is filled.
class NoDesktop : public Desktop {
  public:
    MessageAnswer ShowMessage(QWidget*, MessageKind, const QString&, MessageButtons) override {
        return MessageAnswer::Cancel;
    }
    void ShowError(QWidget*, const QString&, const QString&) override {}
    bool Execute(QWidget*, FileDialog&) override { return false; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    void SetClipboardText(const QString&) override {}
    QString ClipboardText() override { return {}; }
    void OpenWithAssociatedApp(const QString&, const QString&, const QString&) override {}
};

// Frames nothing: the list kind has no header or footer.
class NoFrame : public DocumentFrame {
  public:
    void InsertHeader(LineSink&, const std::string&) const override {}
    void AppendFooter(LineSink&) const override {}
    std::uint64_t LongestHeaderLine(const std::string&) const override { return 0; }
};

QApplication& App() {
    static int argc = 1;
    static char name[] = "zarnet-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

// `lines` addresses as a list: groups of 1,000 numbers.
PreparedRun RunOfLines(std::int64_t lines) {
    PatternRequest request;
    request.Kind = MakeType::ListText;
    request.Texts.Dir = "https://example.com/gallery/%%/";
    // Value ranges are written out up to 101 values each.
    for (std::int64_t first = 1; first <= lines / 1000; first += 100) {
        const std::int64_t last = std::min(first + 99, lines / 1000);
        request.Texts.ContStr +=
            (first == 1 ? "" : ",") + std::to_string(first) + "-" + std::to_string(last);
    }
    request.Texts.FrontStr = "photo_%%_";
    request.Texts.StCount = "0001";
    request.Texts.EdCount = "1000";
    request.Texts.RearStr = "_large";
    request.Texts.ExtStr = "jpg";
    return PrepareRun(request);
}

void BM_FillPreview(benchmark::State& state) {
    App();
    NoDesktop desktop;
    TListView preview(desktop);
    const PreparedRun run = RunOfLines(state.range(0));
    const NoFrame frame;
    for (auto _ : state) {
        preview.ShowRun(run, frame);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillPreview)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_BareSetPlainText(benchmark::State& state) {
    App();
    NoDesktop desktop;
    TListView preview(desktop);
    const PreparedRun run = RunOfLines(state.range(0));
    TextSink document;
    WriteDocument(run, NoFrame(), document);
    const QString text = QString::fromStdString(document.Text);
    for (auto _ : state) {
        preview.ListVIewMemo()->setPlainText(text);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BareSetPlainText)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnet
