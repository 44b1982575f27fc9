#pragma once

#include <QObject>

namespace zarnet {

// Alt with a letter, a digit or a sign is a menu key, never text: in a box of
// any window it types nothing, whether or not a menu takes it (the compact
// view may have no menu bar). AltGr, which Windows reports as Ctrl+Alt, still
// types.
class AltKeyFilter : public QObject {
    Q_OBJECT

  public:
    // Watches the whole application for as long as `owner` lives.
    explicit AltKeyFilter(QObject* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zarnet
