#include "editor/hex_list.h"

#include "editor/hex_dump.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>

namespace klt {

HexList::HexList(QWidget *parent) : QListWidget(parent) {
    setObjectName("lstHex");
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void HexList::showImage(const RadioImage &image, bool visible) {
    setVisible(visible);
    clear();
    if (!visible) {
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    for (const auto &line : HexDumpLines(image)) {
        addItem(QString::fromStdString(line));
    }
    QGuiApplication::restoreOverrideCursor();
}

QString HexList::selectedRowsText() const {
    QString text;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected()) {
            text += item(row)->text() + '\n';
        }
    }
    return text;
}

void HexList::keyPressEvent(QKeyEvent *event) {
    // The list's own copy takes the current row only.
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(selectedRowsText());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace klt
