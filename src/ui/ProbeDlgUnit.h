#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/PatternExpansion.h"
#include "core/ProbeSettings.h"
#include "ui/Desktop.h"
#include "ui/ErrorGuard.h"
#include "ui/KeylessDialog.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zarnet {

class CurlTransport;
class SeriesProbe;
struct ProbeResult;

// The series probe's dialog: its three settings, then, while a probe runs,
// how far it got, and at its end what it found for each group, the
// addresses it could not check and two ways to use what it found. The probe
// runs between the window's events, so the window repaints and answers
// キャンセル, which stops it at once.
class TProbeForm : public KeylessDialog {
    Q_OBJECT

  public:
    // What the dialog asks of the main window.
    class Host {
      public:
        virtual ~Host() = default;
        // 開始 and 終了 from the first and the last number found.
        virtual void ApplyRange(std::int32_t first, std::int32_t last) = 0;
        // The found addresses' document in the preview, as the view command.
        virtual void ShowFound(const PreparedRun& run, const ProbeResult& result) = 0;
    };

    TProbeForm(Desktop& desktop, Host& host, QWidget* parent = nullptr);
    ~TProbeForm() override;

    // Runs the dialog for a run that passed its checks. `settings` shows in
    // the boxes and takes the values a probe starts with.
    void Probe(const PreparedRun& run, ProbeSettings& settings);

    bool Running() const;

    // "確認開始": checks the three values, keeps them and starts the probe.
    void StartButtonClick();
    // "キャンセル": stops a running probe, or closes the dialog.
    void CancelButtonClick();
    // "範囲を反映": the lowest first and the highest last number found.
    void ApplyRangeButtonClick();
    // "結果を表示".
    void ShowFoundButtonClick();

    // Closing the window, by any means, stops the probe first.
    void reject() override;

  private:
    void Tick();
    void Finish();
    void ShowProgress();
    void ShowFindings();
    void EnableButtons();

    Desktop& desktop_;
    Host& host_;
    ErrorGuard guard_;
    QLineEdit* gap_ = nullptr;
    QLineEdit* connections_ = nullptr;
    QLineEdit* timeout_ = nullptr;
    QLabel* current_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* counts_ = nullptr;
    QPlainTextEdit* findings_ = nullptr;
    QPushButton* applyRange_ = nullptr;
    QPushButton* showFound_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer timer_;
    std::optional<PreparedRun> run_;
    ProbeSettings* settings_ = nullptr;
    std::unique_ptr<CurlTransport> transport_;
    std::unique_ptr<SeriesProbe> probe_;
};

}  // namespace zarnet
