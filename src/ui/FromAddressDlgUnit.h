#pragma once

#include <QDialog>
#include <optional>

#include "core/AddressPattern.h"
#include "core/PatternRequest.h"
#include "ui/ErrorGuard.h"

class QLabel;
class QMimeData;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zarnet {

class Desktop;

// The address a text on the clipboard is: the text of one line, a line end
// after it aside; nothing for more lines.
QString ClipboardAddress(const QString& text);
// The address a drop names: a file as the system writes its path, else the
// first line of the text a browser gives with its link (the address as its
// bar shows it), else the first address as it is sent; nothing for any other
// drop.
QString DroppedAddress(const QMimeData& data);

// ｱﾄﾞﾚｽから設定: the pattern of which one address is an entry. The list
// offers the address's numbers, the default one chosen, and the sample shows
// what the main window will show with the one chosen. OK is there only when
// the address gives a pattern; Enter is OK and Esc cancels.
class TFromAddressForm : public QDialog {
    Q_OBJECT

  public:
    explicit TFromAddressForm(Desktop& desktop, QWidget* parent = nullptr);

    // The pattern the user confirms, starting from `address`; what the rule
    // does not fill comes from `current`. Nothing when cancelled.
    std::optional<PatternTexts> Ask(const QString& address, const PatternTexts& current);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The tooltip that refuses the address, once the window's activation,
    // which takes every tooltip away, is over.
    void ShowRefusalSoon();
    // The address box changed: its numbers follow, the default chosen.
    void AddressChange();
    // Another number was chosen: the sample and OK follow.
    void NumberChange();
    std::optional<PatternTexts> Chosen() const;

    ErrorGuard guard_;
    PatternTexts current_;
    AddressParts parts_;
    // The first character of the address that code page 932 lacks.
    std::optional<char32_t> foreign_;
    QLineEdit* address_ = nullptr;
    QListWidget* numbers_ = nullptr;
    QLabel* sample_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace zarnet
