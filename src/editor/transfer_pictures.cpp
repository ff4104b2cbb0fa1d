#include "editor/transfer_pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace klt {

namespace {

const QColor kScreen(0xb8, 0xe0, 0xa8);
// The radio's body and the keys' letters; outlines and the cable are drawn in the palette's text colour,
// so that they stand out on a dark desktop as on a light one.
const QColor kBody(0x1f, 0x23, 0x26);
const QColor kHighlight(0xe6, 0x39, 0x46);
constexpr int kHeight = 110;
// The cable runs through all three pictures at this height.
constexpr double kCableY = kHeight - 20;

// The largest bold font up to maxPixels in which text fits the width.
QFont FittingFont(const QFont &base, const QString &text, double width, int maxPixels) {
    QFont font = base;
    font.setBold(true);
    for (int pixels = maxPixels; pixels > 5; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

void DrawCable(QPainter &painter, const QPainterPath &path, const QColor &ink) {
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void DrawComputer(QPainter &painter, const QRectF &area, const QColor &ink) {
    const QRectF monitor(area.left() + 4, area.top() + 14, area.width() * 0.62, area.height() * 0.5);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(QColor(0xd9, 0xdd, 0xe1));
    painter.drawRoundedRect(monitor, 4, 4);
    painter.setBrush(QColor(0x2f, 0x7f, 0xc1));
    painter.drawRect(monitor.adjusted(6, 6, -6, -6));
    painter.setBrush(QColor(0xd9, 0xdd, 0xe1));
    const QPointF foot(monitor.center().x(), monitor.bottom());
    painter.drawRect(QRectF(foot.x() - 6, foot.y(), 12, 8));
    painter.drawRoundedRect(QRectF(foot.x() - 22, foot.y() + 8, 44, 6), 2, 2);
    // The cable leaves the PC's serial port towards the radio.
    const QPointF port(monitor.right() - 4, monitor.bottom() - 10);
    QPainterPath cable(port);
    cable.cubicTo(port + QPointF(16, 10), QPointF(area.right() - 24, kCableY),
                  QPointF(area.right() + 1, kCableY));
    DrawCable(painter, cable, ink);
}

void DrawDirection(QPainter &painter, const QRectF &area, bool towardsPc, const QColor &ink) {
    QPainterPath cable(QPointF(area.left() - 1, kCableY));
    cable.lineTo(area.right() + 1, kCableY);
    DrawCable(painter, cable, ink);
    const double y = area.top() + area.height() * 0.4;
    const double tail = towardsPc ? area.right() - 6 : area.left() + 6;
    const double head = towardsPc ? area.left() + 6 : area.right() - 6;
    const double back = towardsPc ? 12 : -12;
    painter.setPen(QPen(QColor(0x2f, 0x7f, 0xc1), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(tail, y), QPointF(head + back / 2, y));
    painter.setBrush(QColor(0x2f, 0x7f, 0xc1));
    painter.drawPolygon(
        QPolygonF({QPointF(head, y), QPointF(head + back, y - 9), QPointF(head + back, y + 9)}));
}

void DrawRadio(QPainter &painter, const QRectF &area, const QColor &ink) {
    const double width = area.width() - 24;
    const QRectF body(area.right() - width, area.top() + 24, width, area.height() - 25);
    QPainterPath cable(QPointF(area.left() - 1, kCableY));
    cable.lineTo(body.left() + 2, kCableY);
    DrawCable(painter, cable, ink);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(kBody);
    painter.drawRoundedRect(QRectF(body.left() + width * 0.2, area.top() + 2, 10, body.top() - area.top()), 3,
                            3);
    painter.setBrush(QColor(0x3a, 0x3f, 0x44));
    painter.drawRoundedRect(body, 8, 8);
    const QRectF display(body.left() + 6, body.top() + 7, body.width() - 12, 20);
    painter.setBrush(kScreen);
    painter.drawRoundedRect(display, 3, 3);
    // What the radio's display and keys read, in any language of the window.
    painter.setFont(FittingFont(painter.font(), "PC CONTROL", display.width() - 4, 10));
    painter.setPen(QColor(0x1d, 0x3b, 0x14));
    painter.drawText(display, Qt::AlignCenter, "PC CONTROL");
    // The two keys held while the radio is switched on.
    const double keyWidth = (body.width() - 16) / 2;
    const QRectF distress(body.left() + 5, display.bottom() + 8, keyWidth, 16);
    const QRectF call(distress.right() + 6, distress.top(), keyWidth, 16);
    painter.setFont(FittingFont(painter.font(), "DISTRESS", keyWidth - 4, 9));
    for (const auto &[key, text] : {std::pair{distress, "DISTRESS"}, std::pair{call, "CALL"}}) {
        painter.setPen(QPen(kHighlight, 2));
        painter.setBrush(QColor(0xff, 0xd2, 0x3f));
        painter.drawRoundedRect(key, 3, 3);
        painter.setPen(kBody);
        painter.drawText(key, Qt::AlignCenter, text);
    }
    painter.setPen(QPen(QColor(0x5b, 0x63, 0x6b), 2));
    for (double y = distress.bottom() + 12; y < body.bottom() - 6; y += 8) {
        painter.drawLine(QPointF(body.left() + 10, y), QPointF(body.right() - 10, y));
    }
}

} // namespace

TransferPicture::TransferPicture(Kind kind, bool towardsPc, QWidget *parent)
    : QWidget(parent), kind_(kind), towardsPc_(towardsPc) {
    switch (kind) {
    case Kind::Computer:
        setObjectName("pictA");
        setFixedSize(130, kHeight);
        break;
    case Kind::Direction:
        setObjectName("pictB");
        setFixedSize(70, kHeight);
        break;
    case Kind::Radio:
        setObjectName("pictHandy");
        setFixedSize(110, kHeight);
        break;
    }
}

void TransferPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor ink = palette().color(QPalette::WindowText);
    switch (kind_) {
    case Kind::Computer:
        DrawComputer(painter, area, ink);
        break;
    case Kind::Direction:
        DrawDirection(painter, area, towardsPc_, ink);
        break;
    case Kind::Radio:
        DrawRadio(painter, area, ink);
        break;
    }
}

} // namespace klt
