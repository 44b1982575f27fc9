#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace zarnet::icons {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to the size asked for.
constexpr int kGrid = 16;

using Drawing = std::function<void(QPainter&)>;

QPixmap Render(int size, const Drawing& draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = static_cast<qreal>(size) / kGrid;
    painter.scale(scale, scale);
    draw(painter);
    return pixmap;
}

QIcon Make(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        icon.addPixmap(Render(size, draw));
    }
    return icon;
}

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);

void Page(QPainter& p, const QRectF& rect) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(rect);
}

void Lines(QPainter& p, qreal left, qreal right, qreal top, int count, const QColor& color) {
    p.setPen(QPen(color, 1));
    for (int i = 0; i < count; ++i) {
        const qreal y = top + 2.0 * i;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

}  // namespace

QIcon SaveFile() {
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(60, 100, 180));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
    });
}

QIcon WriteOutput() {
    return Make([](QPainter& p) {
        Page(p, QRectF(5.5, 1.5, 9, 13));
        Lines(p, 8, 13, 5.5, 4, QColor(120, 120, 120));
        p.setPen(QPen(QColor(20, 130, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(1, 8), QPointF(8, 8));
        p.drawPolyline(QPolygonF({QPointF(5, 5), QPointF(8, 8), QPointF(5, 11)}));
    });
}

QIcon Clipboard() {
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(190, 140, 70));
        p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1, 1);
        Page(p, QRectF(4.5, 4.5, 7, 9));
        Lines(p, 6, 10, 7.5, 3, QColor(120, 120, 120));
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(5.5, 1.5, 5, 3));
    });
}

QIcon Preview() {
    return Make([](QPainter& p) {
        Page(p, QRectF(1.5, 1.5, 9, 12));
        Lines(p, 3, 9, 4.5, 4, QColor(120, 120, 120));
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(200, 230, 255, 200));
        p.drawEllipse(QPointF(9.5, 9.5), 3.5, 3.5);
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(14.5, 14.5));
    });
}

QIcon Browser() {
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(20, 70, 120), 1));
        p.setBrush(QColor(90, 160, 220));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 3, 6.5);
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    });
}

QIcon CloseWindow() {
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon Font() {
    return Make([](QPainter& p) {
        QPainterPath letter;
        letter.moveTo(2, 14);
        letter.lineTo(8, 1.5);
        letter.lineTo(14, 14);
        p.setPen(QPen(QColor(30, 30, 120), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(letter);
        p.drawLine(QPointF(4.8, 9.5), QPointF(11.2, 9.5));
    });
}

QIcon MainWindow() {
    return Make([](QPainter& p) {
        Page(p, QRectF(1.5, 0.5, 13, 15));
        p.setPen(QPen(QColor(200, 60, 30), 1.5));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 3.5 + 3.3 * i;
            p.drawPoint(QPointF(4, y));
        }
        Lines(p, 6, 12.5, 3.5, 1, QColor(30, 90, 170));
        Lines(p, 6, 12.5, 6.8, 1, QColor(30, 90, 170));
        Lines(p, 6, 12.5, 10.1, 1, QColor(30, 90, 170));
        Lines(p, 6, 12.5, 13.4, 1, QColor(30, 90, 170));
    });
}

QIcon PreviewWindow() {
    return Make([](QPainter& p) {
        Page(p, QRectF(2.5, 0.5, 11, 15));
        Lines(p, 4.5, 11.5, 3.5, 6, QColor(30, 90, 170));
    });
}

}  // namespace zarnet::icons
