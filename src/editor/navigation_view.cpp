#include "editor/navigation_view.h"

#include "editor/control_hints.h"
#include "editor/qt_text.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <set>

namespace klt {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kPageRole = Qt::UserRole + 1;
constexpr int kListRole = Qt::UserRole + 2;
constexpr int kIndexRole = Qt::UserRole + 3;
constexpr int kItemPadding = 12;

// The tree's own words translated, the record's part as the records hold it; the keys stay English.
QString Shown(const NodeText &text) {
    const auto translated = [](const char *word) {
        return *word != '\0' ? QCoreApplication::translate("klt::NavigationTree", word) : QString();
    };
    return translated(text.word) + ToQString(text.detail) +
           (text.enabled ? translated(kNodeEnableMark) : QString());
}

} // namespace

NavigationView::NavigationView(QWidget *parent) : QObject(parent), tree_(new QTreeWidget(parent)) {
    tree_->setObjectName("tvTreeView");
    tree_->setHeaderHidden(true);
    // A narrow tree scrolls sideways rather than cutting its texts short.
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setRootIsDecorated(true);
    QFont bold = tree_->font();
    bold.setBold(true);
    tree_->setFont(bold);
    SetHint(tree_, HintText(kTreeHint));
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { emit nodeChosen(current); });
    connect(tree_, &QTreeWidget::itemPressed, this, [this] { emit nodePressed(); });
    connect(tree_, &QTreeWidget::itemCollapsed, this, &NavigationView::onCollapsed);
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        if (const PageTarget target = targetOf(item); target.page == Page::DirectoryTable) {
            emit directoryExpanded(target.list);
        }
    });
}

QString NavigationView::keyOf(const QTreeWidgetItem *item) {
    return item != nullptr ? item->data(0, kKeyRole).toString() : QString();
}

PageTarget NavigationView::targetOf(const QTreeWidgetItem *item) {
    if (item == nullptr) {
        return {};
    }
    return {static_cast<Page>(item->data(0, kPageRole).toInt()), item->data(0, kListRole).toInt(),
            item->data(0, kIndexRole).toInt()};
}

QTreeWidgetItem *NavigationView::nodeByKey(const QString &key) const {
    const auto found = nodes_.find(key);
    return found == nodes_.end() ? nullptr : found->second;
}

QTreeWidgetItem *NavigationView::nodeOf(const PageTarget &target) const {
    return nodeByKey(QString::fromStdString(NodeKeyOf(target)));
}

void NavigationView::rebuild(const Configuration &config, bool atis, bool keepView) {
    std::set<QString> expanded;
    for (const auto &[key, item] : nodes_) {
        if (keepView && item->isExpanded()) {
            expanded.insert(key);
        }
    }
    const QString current = keepView ? keyOf(tree_->currentItem()) : QString();
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    nodes_.clear();
    for (const auto &node : BuildNavigationTree(config, atis)) {
        QTreeWidgetItem *parent =
            node.parentKey.empty() ? nullptr : nodeByKey(QString::fromStdString(node.parentKey));
        auto *item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, Shown(node.parts));
        item->setData(0, kKeyRole, QString::fromStdString(node.key));
        item->setData(0, kPageRole, static_cast<int>(node.target.page));
        item->setData(0, kListRole, node.target.list);
        item->setData(0, kIndexRole, node.target.index);
        nodes_[QString::fromStdString(node.key)] = item;
    }
    for (const QString &key : expanded) {
        if (QTreeWidgetItem *item = nodeByKey(key)) {
            item->setExpanded(true);
        }
    }
    if (QTreeWidgetItem *item = nodeByKey(current)) {
        tree_->setCurrentItem(item);
    }
}

// Folding the node above the page shown selects the folded node: the page never belongs to a node the
// tree hides.
void NavigationView::onCollapsed(QTreeWidgetItem *item) {
    for (QTreeWidgetItem *node = nodeByKey(shownKey_); node != nullptr; node = node->parent()) {
        if (node->parent() == item) {
            tree_->setCurrentItem(item);
            return;
        }
    }
}

void NavigationView::showQuietly(QTreeWidgetItem *item) {
    const QSignalBlocker blocker(tree_);
    tree_->setCurrentItem(item);
    shownKey_ = keyOf(item);
}

void NavigationView::restoreShown() {
    QTreeWidgetItem *item = nodeByKey(shownKey_);
    if (item == nullptr) {
        return;
    }
    const QSignalBlocker blocker(tree_);
    for (QTreeWidgetItem *parent = item->parent(); parent != nullptr; parent = parent->parent()) {
        parent->setExpanded(true);
    }
    tree_->setCurrentItem(item);
    tree_->clearSelection();
    item->setSelected(true);
}

void NavigationView::jumpTo(const PageTarget &target) {
    if (QTreeWidgetItem *item = nodeOf(target)) {
        tree_->scrollToItem(item);
        tree_->setCurrentItem(item);
    }
}

void NavigationView::refreshRecordNode(const Configuration &config, const PageTarget &target) {
    if (QTreeWidgetItem *item = nodeOf(target)) {
        item->setText(0, Shown(RecordNodeParts(config, target)));
    }
}

void NavigationView::refreshGroupNodes(const Configuration &config) {
    for (const int list : {0, 1, 2, kExpansionList}) {
        if (QTreeWidgetItem *item = nodeOf({Page::ChannelTable, list})) {
            const std::string &name = config.Groups[static_cast<std::size_t>(list)].StatusName;
            item->setText(0, Shown(GroupNodeParts(list, name)));
        }
    }
}

void NavigationView::refreshDirectoryNodes(const Configuration &config, int directory) {
    QTreeWidgetItem *parent = nodeOf({Page::DirectoryTable, directory});
    for (int i = 0; parent != nullptr && i < parent->childCount(); ++i) {
        parent->child(i)->setText(0, Shown(RecordNodeParts(config, targetOf(parent->child(i)))));
    }
}

int NavigationView::naturalWidth(int minimum) const {
    const QFontMetrics metrics(tree_->font());
    int widest = 0;
    for (const auto &[key, item] : nodes_) {
        int depth = 1; // the root's own branch sign
        for (const QTreeWidgetItem *parent = item->parent(); parent != nullptr; parent = parent->parent()) {
            ++depth;
        }
        widest = std::max(widest, depth * tree_->indentation() + metrics.horizontalAdvance(item->text(0)));
    }
    const int scrollBar = tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return std::max(minimum, widest + scrollBar + 2 * tree_->frameWidth() + kItemPadding);
}

} // namespace klt
