#include "ui/ErrorGuard.h"

#include <exception>

#include "ui/Desktop.h"

namespace zarnet {

QString ErrorBoxText(std::string_view message) {
    QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    if (!text.endsWith(QLatin1Char('.'))) {
        text += QLatin1Char('.');
    }
    return text;
}

bool ErrorGuard::Run(const std::function<void()>& body) const {
    try {
        body();
        return true;
    } catch (const std::exception& error) {
        desktop_.ShowError(parent_, QString::fromUtf8(kApplicationTitle),
                           ErrorBoxText(error.what()));
    }
    return false;
}

}  // namespace zarnet
