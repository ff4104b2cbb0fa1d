#include "editor/record_grid.h"

#include "editor/control_hints.h"
#include "editor/qt_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

namespace klt {

namespace {

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch
constexpr int kRowHeightTwips = 350;
constexpr int kNotch = 120; // wheel delta of one notch

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace

RecordGrid::RecordGrid(const QString &name, QWidget *parent) : QTableWidget(parent) {
    setObjectName(name);
    SetHint(this, HintText(kGridHint));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Pixels(kRowHeightTwips));
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row) { emit jumpRequested(row); });
}

void RecordGrid::setColumns(const std::vector<Column> &columns) {
    setColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < columnCount(); ++c) {
        const Column &column = columns[static_cast<std::size_t>(c)];
        setHorizontalHeaderItem(c, new QTableWidgetItem(column.title));
        setColumnWidth(c, Pixels(column.widthTwips));
    }
}

int RecordGrid::widthFor(const std::vector<Column> &columns) const {
    int width = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (const Column &column : columns) {
        width += Pixels(column.widthTwips);
    }
    return width;
}

void RecordGrid::setRows(const std::vector<std::vector<std::string>> &rows) {
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const auto &cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c) {
            auto *item = new QTableWidgetItem(ToQString(cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    if (rowCount() > 0) {
        setCurrentCell(0, 0);
    }
}

void RecordGrid::keyPressEvent(QKeyEvent *event) {
    // Enter in a grid acts as a double-click.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (currentRow() >= 0) {
            emit jumpRequested(currentRow());
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void RecordGrid::wheelEvent(QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (!hasFocus() || delta == 0) {
        QTableWidget::wheelEvent(event);
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    if (bar->isVisible()) {
        const int notches = std::max(1, std::abs(delta) / kNotch);
        bar->setValue(bar->value() + (delta > 0 ? -notches : notches));
    }
    event->accept();
}

} // namespace klt
