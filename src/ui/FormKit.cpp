#include "ui/FormKit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/ControlLook.h"

namespace zarnet {

namespace {

void Place(QWidget& control, QRect geometry) {
    if (geometry.height() == kFontHeight) {
        geometry.setHeight(control.sizeHint().height());
    }
    control.setGeometry(geometry);
}

}  // namespace

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

void Name(QObject& object, const char* name) {
    object.setObjectName(QString::fromLatin1(name));
}

QWidget* AddPanel(QWidget* parent, const char* name) {
    return Named(new QWidget(parent), name);
}

QFrame* AddSunkenPanel(QWidget* parent, const char* name) {
    auto* panel = Named(new QFrame(parent), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

QWidget* AddRightPanel(QWidget* bar, const char* name, int width) {
    QWidget* panel = AddPanel(bar, name);
    panel->setFixedWidth(width);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(panel);
    return panel;
}

QLabel* AddCaptionBar(QWidget* parent, const char* name, const QString& caption, int height,
                      int frameStyle, Qt::Alignment alignment) {
    auto* bar = Named(new QLabel(caption, parent), name);
    bar->setTextFormat(Qt::PlainText);
    bar->setFrameStyle(frameStyle);
    bar->setAlignment(alignment);
    bar->setFixedHeight(height);
    return bar;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    label->move(at);
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                   const QString& hint) {
    auto* edit = Named(new QLineEdit(text, parent), name);
    edit->setToolTip(hint);
    Place(*edit, geometry);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QString& hint, const QIcon& icon) {
    auto* button = Named(new QPushButton(icon, text, parent), name);
    button->setToolTip(hint);
    Place(*button, geometry);
    return button;
}

QToolButton* AddToolButton(QWidget* parent, const char* name, const QIcon& icon,
                           const QRect& geometry, const QString& hint) {
    auto* button = Named(new QToolButton(parent), name);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    Place(*button, geometry);
    return button;
}

QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* check = Named(new QCheckBox(text, parent), name);
    Place(*check, geometry);
    return check;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& caption) {
    auto* group = Named(new QGroupBox(caption, parent), name);
    TitleOnFrame(*group);
    return group;
}

QPlainTextEdit* AddTextBox(QWidget* parent, const char* name) {
    auto* box = Named(new QPlainTextEdit(parent), name);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

}  // namespace zarnet
