#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <optional>

class QWidget;

namespace zarnet {

// Sizes and places a window by its frame, as the layouts give them: an outer
// size, and the frame's corner at a point or the frame in the middle of the
// screen.
class WindowPlacement : public QObject {
  public:
    enum class When { FirstShowing, EveryShowing };

    // Without an outer size the window keeps its own; without a corner it is
    // centred.
    WindowPlacement(QWidget& window, When when, std::optional<QSize> outerSize = std::nullopt,
                    std::optional<QPoint> corner = std::nullopt);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Place(const QMargins& frame);

    QWidget& window_;
    When when_;
    std::optional<QSize> outerSize_;
    std::optional<QPoint> corner_;
    bool placed_ = false;
    // From a placing until the window is hidden: the frame it assumed and
    // the size it gave.
    bool settling_ = false;
    QMargins frame_;
    QSize size_;
};

}  // namespace zarnet
