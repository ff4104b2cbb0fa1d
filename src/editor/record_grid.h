#pragma once
// A read-only table of channels or directory entries, one row per record. A double-click or Enter on a row
// asks to jump to it; while it has the focus, each wheel notch scrolls one line.

#include <QTableWidget>

namespace klt {

class RecordGrid final : public QTableWidget {
    Q_OBJECT
public:
    RecordGrid(const QString &name, QWidget *parent);

    struct Column {
        QString title;
        int widthTwips;
    };
    void setColumns(const std::vector<Column> &columns);
    // The width that shows every column of a table without scrolling sideways.
    int widthFor(const std::vector<Column> &columns) const;
    void setRows(const std::vector<std::vector<std::string>> &rows);

signals:
    void jumpRequested(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace klt
