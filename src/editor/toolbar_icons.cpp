#include "editor/toolbar_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace klt {

namespace {

// The icons are drawn on a 24 by 24 grid, scaled to the size asked for.
constexpr double kGrid = 24.0;

struct Ink {
    QColor line;   // outlines, as the toolbar's text
    QColor fill;   // paper and bodies, as a field's background
    QColor accent; // what moves: the arrows
};

Ink InkFor(QIcon::Mode mode) {
    const QPalette palette = QApplication::palette();
    const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
    QColor accent = palette.color(group, QPalette::Highlight);
    // A dark desktop's highlight is dark too: lighter, the arrows stand out from the toolbar.
    if (palette.color(group, QPalette::Window).lightness() < 128) {
        accent = accent.lighter(160);
    }
    if (mode == QIcon::Disabled) {
        accent = palette.color(group, QPalette::WindowText);
    }
    return {palette.color(group, QPalette::WindowText), palette.color(group, QPalette::Base), accent};
}

void DrawPage(QPainter &painter, const Ink &ink) {
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(14, 2.5);
    page.lineTo(19, 7.5);
    page.lineTo(19, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    painter.setBrush(ink.fill);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(14, 2.5), QPointF(14, 7.5), QPointF(19, 7.5)}));
}

void DrawFolder(QPainter &painter, const Ink &ink) {
    QPainterPath back;
    back.moveTo(2.5, 5.5);
    back.lineTo(9, 5.5);
    back.lineTo(11, 7.5);
    back.lineTo(20.5, 7.5);
    back.lineTo(20.5, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    painter.setBrush(ink.fill);
    painter.drawPath(back);
    painter.setBrush(ink.accent);
    painter.drawPolygon(
        QPolygonF({QPointF(5, 10.5), QPointF(22.5, 10.5), QPointF(20.5, 19.5), QPointF(2.5, 19.5)}));
}

void DrawDisk(QPainter &painter, const Ink &ink) {
    painter.setBrush(ink.fill);
    painter.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    painter.setBrush(ink.accent);
    painter.drawRect(QRectF(7, 3.5, 10, 6));
    painter.setBrush(ink.fill);
    painter.drawRect(QRectF(6.5, 13, 11, 7.5));
}

void DrawPrinter(QPainter &painter, const Ink &ink) {
    painter.setBrush(ink.fill);
    painter.drawRect(QRectF(7, 3.5, 10, 6));
    painter.setBrush(ink.accent);
    painter.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
    painter.setBrush(ink.fill);
    painter.drawRect(QRectF(7, 14.5, 10, 7));
}

// A curved arrow, turning to the left for Undo and to the right for Redo.
void DrawTurn(QPainter &painter, const Ink &ink, bool left) {
    painter.save();
    if (!left) {
        painter.translate(kGrid, 0);
        painter.scale(-1, 1);
    }
    QPen pen(ink.accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath turn;
    turn.moveTo(7, 10);
    turn.lineTo(14, 10);
    turn.cubicTo(22, 10, 22, 20, 14, 20);
    turn.lineTo(9, 20);
    painter.drawPath(turn);
    painter.setBrush(ink.accent);
    painter.drawPolygon(QPolygonF({QPointF(3, 10), QPointF(9, 5), QPointF(9, 15)}));
    painter.restore();
}

// The radio, with an arrow into it (Program) or out of it (Read).
void DrawRadioTransfer(QPainter &painter, const Ink &ink, bool towardsRadio) {
    painter.setBrush(ink.fill);
    painter.drawRoundedRect(QRectF(13.5, 6.5, 8, 15), 2, 2);
    painter.drawLine(QPointF(15.5, 6.5), QPointF(15.5, 1.5));
    painter.drawRect(QRectF(15, 9, 5, 3.5));
    painter.save();
    painter.setPen(QPen(ink.accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink.accent);
    const double y = 15;
    if (towardsRadio) {
        painter.drawLine(QPointF(1.5, y), QPointF(7, y));
        painter.drawPolygon(QPolygonF({QPointF(11.5, y), QPointF(7, y - 4), QPointF(7, y + 4)}));
    } else {
        painter.drawLine(QPointF(11, y), QPointF(6, y));
        painter.drawPolygon(QPolygonF({QPointF(1.5, y), QPointF(6, y - 4), QPointF(6, y + 4)}));
    }
    painter.restore();
}

void Draw(QPainter &painter, ToolIcon kind, const Ink &ink) {
    painter.setPen(QPen(ink.line, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (kind) {
    case ToolIcon::New:
        DrawPage(painter, ink);
        painter.setPen(QPen(ink.accent, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(12, 11), QPointF(12, 18));
        painter.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
        break;
    case ToolIcon::Open:
        DrawFolder(painter, ink);
        break;
    case ToolIcon::Save:
        DrawDisk(painter, ink);
        break;
    case ToolIcon::Print:
        DrawPrinter(painter, ink);
        break;
    case ToolIcon::Undo:
    case ToolIcon::Redo:
        DrawTurn(painter, ink, kind == ToolIcon::Undo);
        break;
    case ToolIcon::Program:
    case ToolIcon::Read:
        DrawRadioTransfer(painter, ink, kind == ToolIcon::Program);
        break;
    }
}

class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(ToolIcon kind) : kind_(kind) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // A little short of the size asked for: the caption beside the icon keeps its distance.
        const double side = std::min(rect.width(), rect.height()) * 0.9;
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / kGrid, side / kGrid);
        Draw(*painter, kind_, InkFor(mode));
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap drawn(size * scale);
        drawn.setDevicePixelRatio(scale);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return drawn;
    }
    QIconEngine *clone() const override { return new DrawnIconEngine(kind_); }
    QString key() const override { return "klt-drawn"; }

private:
    ToolIcon kind_;
};

const char *ThemeName(ToolIcon kind) {
    switch (kind) {
    case ToolIcon::New:
        return "document-new";
    case ToolIcon::Open:
        return "document-open";
    case ToolIcon::Save:
        return "document-save";
    case ToolIcon::Print:
        return "document-print";
    case ToolIcon::Undo:
        return "edit-undo";
    case ToolIcon::Redo:
        return "edit-redo";
    default:
        return nullptr; // no theme has the radio's transfers
    }
}

} // namespace

QIcon DrawnToolbarIcon(ToolIcon kind) {
    return QIcon(new DrawnIconEngine(kind)); // the icon owns its engine
}

QIcon ToolbarIcon(ToolIcon kind) {
    const char *name = ThemeName(kind);
    return name != nullptr ? QIcon::fromTheme(name, DrawnToolbarIcon(kind)) : DrawnToolbarIcon(kind);
}

} // namespace klt
