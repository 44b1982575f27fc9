#pragma once

#include <QLayout>
#include <QList>

namespace zarnet {

// Two panes stacked, sharing the height: the first gets half of it rounded
// down, the second the rest, so an odd pixel always goes to the second. A box
// layout rounds each share on its own and hands the pixel to either.
class EvenSplitLayout : public QLayout {
  public:
    EvenSplitLayout() = default;
    ~EvenSplitLayout() override;
    EvenSplitLayout(const EvenSplitLayout&) = delete;
    EvenSplitLayout& operator=(const EvenSplitLayout&) = delete;

    // The first item added is the upper pane, the second the lower.
    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // As wide as the widest pane, and twice as high as the highest, so
    // either half holds either pane.
    QSize Doubled(QSize (QLayoutItem::*size)() const) const;

    QList<QLayoutItem*> items_;
};

}  // namespace zarnet
