#include "ui/EvenSplitLayout.h"

namespace zarnet {

EvenSplitLayout::~EvenSplitLayout() {
    qDeleteAll(items_);
}

void EvenSplitLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int EvenSplitLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* EvenSplitLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* EvenSplitLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize EvenSplitLayout::Doubled(QSize (QLayoutItem::*size)() const) const {
    QSize largest(0, 0);
    for (const QLayoutItem* item : items_) {
        largest = largest.expandedTo((item->*size)());
    }
    return {largest.width(), 2 * largest.height()};
}

QSize EvenSplitLayout::sizeHint() const {
    return Doubled(&QLayoutItem::sizeHint);
}

QSize EvenSplitLayout::minimumSize() const {
    return Doubled(&QLayoutItem::minimumSize);
}

void EvenSplitLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const int upper = rect.height() / 2;
    if (!items_.empty()) {
        items_.front()->setGeometry(QRect(rect.x(), rect.y(), rect.width(), upper));
    }
    if (items_.size() > 1) {
        items_[1]->setGeometry(
            QRect(rect.x(), rect.y() + upper, rect.width(), rect.height() - upper));
    }
}

}  // namespace zarnet
