#pragma once

#include <QString>
#include <QWidget>
#include <concepts>
#include <functional>
#include <string_view>

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

    // The one way a window connects a signal: the handler runs through Run()
    // and takes the signal's arguments, or as many of the first ones as it
    // wants. The connection ends with the guard's window.
    template <typename Sender, typename Signal, typename Handler>
    void Connect(Sender* sender, Signal signal, Handler handler) const {
        QObject::connect(
            sender, signal, parent_, [
                this, handler
            ](auto&&... args) -> void requires std::invocable<const Handler&, decltype(args)...> {
                Run([&] { std::invoke(handler, args...); });
            });
    }

  private:
    Desktop& desktop_;
    QWidget* parent_;
};

}  // namespace zarnet
