#include "ui/AltKeyFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zarnet {

namespace {

bool TakesText(const QObject* object) {
    if (const auto* combo = qobject_cast<const QComboBox*>(object)) {
        return combo->isEditable();
    }
    return qobject_cast<const QLineEdit*>(object) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(object) != nullptr ||
           qobject_cast<const QTextEdit*>(object) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(object) != nullptr;
}

}  // namespace

AltKeyFilter::AltKeyFilter(QObject* owner) : QObject(owner) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool AltKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (!modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::ControlModifier)) {
        return false;
    }
    const QString text = key->text();
    return !text.isEmpty() && text.front().isPrint() && TakesText(watched);
}

}  // namespace zarnet
