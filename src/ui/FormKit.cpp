#include "ui/FormKit.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace zarnet {

void MakeTopLevel(QWidget& window) {
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

QVBoxLayout* StackLayout(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

void ShowWholeLines(QPlainTextEdit& box) {
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

}  // namespace zarnet
