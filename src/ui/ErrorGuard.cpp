#include "ui/ErrorGuard.h"

#include <exception>
#include <new>
#include <string>

#include "core/Messages.h"
#include "platform/ZarnetError.h"
#include "ui/Desktop.h"

namespace zarnet {

namespace {

// A file error brings the system's reason too, as the command line gives it;
// memory that ran out is told in words.
std::string MessageOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const ZarnetError*>(&error)) {
        return own->Explained();
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return std::string(messages::kOutOfMemory.Text);
    }
    return error.what();
}

}  // namespace

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
                           ErrorBoxText(MessageOf(error)));
    }
    return false;
}

}  // namespace zarnet
