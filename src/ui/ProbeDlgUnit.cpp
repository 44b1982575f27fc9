#include "ui/ProbeDlgUnit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/ProbeReport.h"
#include "core/SeriesProbe.h"
#include "platform/CurlTransport.h"
#include "ui/ControlLook.h"
#include "ui/DesignFont.h"
#include "ui/FormKit.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

namespace zarnet {

namespace {

constexpr QSize kClientSize(480, 360);
// Each turn of the event loop waits at most this long for answers, so the
// window stays quick while the probe never spins.
constexpr std::chrono::milliseconds kStepWait{15};

QLineEdit* AddNumberBox(QGridLayout& grid, int column, const QString& label, const char* name,
                        const QString& hint) {
    auto* box = Named(new QLineEdit, name);
    box->setToolTip(hint);
    box->setFixedWidth(40);
    auto* caption = new QLabel(label);
    caption->setToolTip(hint);
    grid.addWidget(caption, 0, column);
    grid.addWidget(box, 0, column + 1);
    return box;
}

// The box's text as a value of `limit`; nothing for a text that is none.
std::optional<std::int32_t> ValueOf(const QLineEdit& box, ProbeLimit limit) {
    const std::optional<std::int32_t> n = ParseNumber(ToStd(box.text()));
    return n && limit.Allows(*n) ? n : std::nullopt;
}

// What the probe found, a line for each group and one for each address it
// could not check.
QString FindingsText(const ProbeResult& result) {
    QStringList lines;
    QStringList unchecked;
    for (const GroupFindings& group : result.Groups) {
        QString line =
            group.Value == kNoValue ? QString() : ToQt(group.Value) + QStringLiteral(": ");
        if (group.Found.empty()) {
            line += QStringLiteral("見つかりません");
        } else {
            line += ToQt(group.Found.front().NumberText) + QStringLiteral("～") +
                    ToQt(group.Found.back().NumberText);
            if (!group.Missing.empty()) {
                line += QStringLiteral("　欠番 ") + ToQt(MissingText(group));
            }
        }
        lines << line;
        if (group.LimitReached) {
            lines << ToQt(FormatMessage(messages::kProbeLimit.Text, {group.Value}));
        }
        for (const UncheckedAddress& address : group.Unchecked) {
            unchecked << ToQt(address.Address) + QStringLiteral(": ") + ToQt(address.Reason);
        }
    }
    if (!unchecked.isEmpty()) {
        lines << QStringLiteral("未確認:") << unchecked;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

TProbeForm::TProbeForm(Desktop& desktop, Host& host, QWidget* parent)
    : KeylessDialog(parent), desktop_(desktop), host_(host), guard_(desktop, this) {
    setObjectName(QStringLiteral("ProbeForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("連番確認"));
    setFont(DesignFont());
    setFixedSize(kClientSize);
    new WindowPlacement(*this, WindowPlacement::When::EveryShowing);

    auto* rows = new QVBoxLayout(this);
    auto* settings = Named(new QGroupBox(QStringLiteral("確認の設定")), "SettingsBox");
    TitleOnFrame(*settings);
    auto* grid = new QGridLayout(settings);
    gap_ = AddNumberBox(*grid, 0, QStringLiteral("打切り欠番数"), "GapEdit",
                        QStringLiteral("範囲の前後で、続けてこの数だけ見つからなければ打ち切ります"
                                       "（0 で範囲内のみ）"));
    connections_ = AddNumberBox(*grid, 2, QStringLiteral("同時接続数"), "ConnectionsEdit",
                                QStringLiteral("同時に送る問い合わせの数（1～16）"));
    timeout_ = AddNumberBox(*grid, 4, QStringLiteral("タイムアウト(秒)"), "TimeoutEdit",
                            QStringLiteral("1つの問い合わせを待つ秒数（1～600）"));
    grid->setColumnStretch(6, 1);
    rows->addWidget(settings);

    current_ = Named(new QLabel, "CurrentLabel");
    current_->setTextFormat(Qt::PlainText);
    current_->setMinimumWidth(1);  // a long address must not widen the window
    rows->addWidget(current_);
    progress_ = Named(new QProgressBar, "ProbeProgress");
    progress_->setFormat(QStringLiteral("%v / %m"));
    progress_->setValue(0);
    rows->addWidget(progress_);
    counts_ = Named(new QLabel, "CountsLabel");
    rows->addWidget(counts_);
    findings_ = AddTextBox(nullptr, "FindingsMemo");
    findings_->setReadOnly(true);
    rows->addWidget(findings_, 1);

    auto* buttons = new QHBoxLayout;
    applyRange_ = Named(new QPushButton(QStringLiteral("範囲を反映")), "ApplyRangeButton");
    applyRange_->setToolTip(QStringLiteral("見つかった最初と最後の番号を開始と終了にします"));
    showFound_ = Named(new QPushButton(QStringLiteral("結果を表示")), "ShowFoundButton");
    showFound_->setToolTip(QStringLiteral("見つかったアドレスだけの変換結果を表示します"));
    start_ = Named(new QPushButton(QStringLiteral("確認開始")), "StartButton");
    cancel_ = Named(new QPushButton(QStringLiteral("キャンセル")), "CancelButton");
    for (QPushButton* button : {applyRange_, showFound_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    for (QPushButton* button : {start_, cancel_}) {
        buttons->addWidget(button);
    }
    rows->addLayout(buttons);
    SetTabOrder(
        {gap_, connections_, timeout_, start_, cancel_, applyRange_, showFound_, findings_});

    timer_.setSingleShot(true);
    guard_.Connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    guard_.Connect(start_, &QPushButton::clicked, [this] { StartButtonClick(); });
    guard_.Connect(cancel_, &QPushButton::clicked, [this] { CancelButtonClick(); });
    guard_.Connect(applyRange_, &QPushButton::clicked, [this] { ApplyRangeButtonClick(); });
    guard_.Connect(showFound_, &QPushButton::clicked, [this] { ShowFoundButtonClick(); });
}

TProbeForm::~TProbeForm() = default;

bool TProbeForm::Running() const {
    return probe_ && !probe_->Over();
}

void TProbeForm::Probe(const PreparedRun& run, ProbeSettings& settings) {
    run_ = run;
    settings_ = &settings;
    probe_.reset();
    transport_.reset();
    gap_->setText(QString::number(settings.Gap));
    connections_->setText(QString::number(settings.Connections));
    timeout_->setText(QString::number(settings.TimeoutSeconds));
    current_->clear();
    counts_->clear();
    findings_->clear();
    progress_->reset();
    EnableButtons();
    start_->setFocus();
    exec();
    // Its connections go with it.
    probe_.reset();
    transport_.reset();
}

void TProbeForm::StartButtonClick() {
    const std::optional<std::int32_t> gap = ValueOf(*gap_, kGapLimit);
    const std::optional<std::int32_t> connections = ValueOf(*connections_, kConnectionsLimit);
    const std::optional<std::int32_t> timeout = ValueOf(*timeout_, kTimeoutLimit);
    const auto refuse = [this](const QString& message) {
        desktop_.ShowMessage(this, MessageKind::Error, message, MessageButtons::Ok);
    };
    if (!gap) {
        refuse(QStringLiteral("打切り欠番数は 0 から 999 の数値で指定してください"));
        return;
    }
    if (!connections) {
        refuse(QStringLiteral("同時接続数は 1 から 16 の数値で指定してください"));
        return;
    }
    if (!timeout) {
        refuse(QStringLiteral("タイムアウトは 1 から 600 の数値で指定してください"));
        return;
    }
    *settings_ = {*gap, *connections, *timeout};
    probe_.reset();
    transport_ = std::make_unique<CurlTransport>(
        CurlTransport::Settings{*connections, std::chrono::seconds(*timeout)});
    probe_ = std::make_unique<SeriesProbe>(*run_, *settings_, *transport_);
    findings_->clear();
    EnableButtons();
    ShowProgress();
    timer_.start(0);
}

void TProbeForm::Tick() {
    // A step that fails leaves the timer stopped: the error shows once.
    const bool goesOn = probe_->Step(kStepWait);
    ShowProgress();
    if (goesOn) {
        timer_.start(0);
    } else {
        Finish();
    }
}

void TProbeForm::CancelButtonClick() {
    if (Running()) {
        probe_->Cancel();
        timer_.stop();
        Finish();
        return;
    }
    reject();
}

void TProbeForm::reject() {
    if (Running()) {
        probe_->Cancel();
        timer_.stop();
    }
    KeylessDialog::reject();
}

void TProbeForm::Finish() {
    ShowProgress();
    current_->setText(probe_->Result().Cancelled ? QStringLiteral("中止しました")
                                                 : QStringLiteral("確認終了"));
    ShowFindings();
    EnableButtons();
    if (const std::optional<ZarnetError>& stopped = probe_->Result().Stopped) {
        throw *stopped;  // the program's error box, with the reason
    }
}

void TProbeForm::ApplyRangeButtonClick() {
    if (const auto span = FoundSpan(probe_->Result())) {
        host_.ApplyRange(span->first, span->second);
    }
}

void TProbeForm::ShowFoundButtonClick() {
    host_.ShowFound(*run_, probe_->Result());
}

void TProbeForm::ShowProgress() {
    const ProbeProgress& progress = probe_->Progress();
    progress_->setMaximum(static_cast<int>(std::max<std::uint64_t>(progress.Planned, 1)));
    progress_->setValue(static_cast<int>(progress.Checked));
    // Not found counts the numbers past the series' ends too; the findings'
    // 欠番 are only those between the first and the last found.
    counts_->setText(QStringLiteral("発見 %1　見つからず %2　未確認 %3")
                         .arg(progress.Found)
                         .arg(progress.Missing)
                         .arg(progress.Unchecked));
    current_->setText(QStringLiteral("確認中: ") + ToQt(progress.Current));
}

void TProbeForm::ShowFindings() {
    findings_->setPlainText(FindingsText(probe_->Result()));
}

void TProbeForm::EnableButtons() {
    const bool running = Running();
    const bool found = probe_ && probe_->Over() && !probe_->Result().Cancelled &&
                       FoundSpan(probe_->Result()).has_value();
    for (QLineEdit* box : {gap_, connections_, timeout_}) {
        box->setEnabled(!running);
    }
    start_->setEnabled(!running);
    applyRange_->setEnabled(found && run_ && run_->Range.Numbered);
    showFound_->setEnabled(found);
}

}  // namespace zarnet
