#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace zarnet {

class Desktop;

// The title of the error box.
inline constexpr char kApplicationTitle[] = "Zarnet";

// The text of the error box: the message, with "." appended when it does not
// end in one.
QString ErrorBoxText(std::string_view message);

// Runs event handlers so that no exception reaches Qt's event loop: a failure
// abandons the handler and shows its message in the error box.
class ErrorGuard {
  public:
    ErrorGuard(Desktop& desktop, QWidget* parent) : desktop_(desktop), parent_(parent) {}

    // True when the body ran to its end.
    bool Run(const std::function<void()>& body) const;

  private:
    Desktop& desktop_;
    QWidget* parent_;
};

}  // namespace zarnet
