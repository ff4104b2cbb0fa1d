#include "editor/channel_table_page.h"

#include "editor/channel_display.h"
#include "editor/navigation_tree.h"
#include "editor/qt_text.h"
#include "editor/record_grid.h"
#include "model/reference_tables.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include <algorithm>

namespace klt {

namespace {

std::vector<RecordGrid::Column> Columns(std::span<const GridColumn> columns) {
    std::vector<RecordGrid::Column> result;
    for (const GridColumn &column : columns) {
        result.push_back(
            {QCoreApplication::translate("klt::ChannelDisplay", column.title), column.widthUnits * 100});
    }
    return result;
}

} // namespace

ChannelTablePage::ChannelTablePage(PageHost &host, QWidget *parent)
    : QWidget(parent), host_(host), grid_(new RecordGrid("MSFlexGrid1", this)) {
    setObjectName("pictB");
    grid_->setAccessibleName(tr("Channel table"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    // The window opens wide enough for every column; made narrower, the table scrolls sideways.
    naturalWidth_ = std::max(grid_->widthFor(Columns(PlanGridColumns())),
                             grid_->widthFor(Columns(ExpansionGridColumns())));
    connect(grid_, &RecordGrid::jumpRequested, this, &ChannelTablePage::jump);
}

QSize ChannelTablePage::sizeHint() const {
    return QWidget::sizeHint().expandedTo(QSize(naturalWidth_, 0));
}

void ChannelTablePage::leave() {
    if (list_ >= 0) {
        lastRows_[list_] = grid_->currentRow();
    }
}

void ChannelTablePage::fill(const PageTarget &target) {
    leave(); // one table to another of the same page
    list_ = target.list;
    const Configuration &config = host_.config();
    const bool scrambler = host_.facts().scrambler;
    if (list_ == kExpansionList) {
        grid_->setColumns(Columns(ExpansionGridColumns()));
        grid_->setRows(ExpansionGridRows(config.Expansion, scrambler));
        // The enable mark is the window's own word: shown translated, the other cells as the records hold
        // them.
        for (int row = 0; row < grid_->rowCount(); ++row) {
            if (QTableWidgetItem *mark = grid_->item(row, kExpansionEnableColumn);
                mark != nullptr && !mark->text().isEmpty()) {
                mark->setText(QCoreApplication::translate("klt::ChannelDisplay", kGridEnableMark));
            }
        }
    } else {
        grid_->setColumns(Columns(PlanGridColumns()));
        grid_->setRows(PlanGridRows(PlanTable(config, list_), scrambler));
    }
    setEnabled(true);
    if (const auto last = lastRows_.find(list_);
        last != lastRows_.end() && last->second < grid_->rowCount()) {
        grid_->setCurrentCell(std::max(0, last->second), 0);
    }
}

void ChannelTablePage::jump(int row) {
    if (list_ == kExpansionList) {
        host_.jumpTo({Page::ChannelEditor, kExpansionList, row + 1});
        return;
    }
    const QTableWidgetItem *name = grid_->item(row, 0);
    const int index = name != nullptr ? MasterIndexOf(FromQString(name->text())) : -1;
    if (index >= 0) {
        host_.jumpTo({Page::ChannelEditor, list_, index});
    }
}

} // namespace klt
