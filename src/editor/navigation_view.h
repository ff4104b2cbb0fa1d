#pragma once
// tvTreeView: the navigation tree as the window shows it. Each node carries the page it shows as a
// typed target; the node keys are the tree's own and stay inside it.

#include "editor/navigation_tree.h"

#include <QObject>
#include <QString>

#include <map>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace klt {

class NavigationView final : public QObject {
    Q_OBJECT
public:
    explicit NavigationView(QWidget *parent);

    QTreeWidget *widget() const { return tree_; }
    // keepView: the same nodes stay expanded and selected (when they still exist).
    void rebuild(const Configuration &config, bool atis, bool keepView = false);
    QTreeWidgetItem *nodeByKey(const QString &key) const;
    QTreeWidgetItem *nodeOf(const PageTarget &target) const;
    static QString keyOf(const QTreeWidgetItem *item);
    static PageTarget targetOf(const QTreeWidgetItem *item);
    // The node whose page is shown: its key (empty after a reset), made current without telling anybody.
    QString shownKey() const { return shownKey_; }
    void setShown(const QString &key) { shownKey_ = key; }
    void showQuietly(QTreeWidgetItem *item);
    // Selects the shown node again after a refused change, its parents expanded.
    void restoreShown();
    // Selects the node of a target as a click on it would.
    void jumpTo(const PageTarget &target);

    // The texts that follow the records.
    void refreshRecordNode(const Configuration &config, const PageTarget &target);
    void refreshGroupNodes(const Configuration &config);
    void refreshDirectoryNodes(const Configuration &config, int directory);

    // The width at which no node's text is cut, every node counted, folded or not.
    int naturalWidth(int minimum) const;

signals:
    void nodeChosen(QTreeWidgetItem *item);
    void nodePressed();
    void directoryExpanded(int directory);

private:
    void onCollapsed(QTreeWidgetItem *item);

    QTreeWidget *tree_;
    std::map<QString, QTreeWidgetItem *> nodes_;
    QString shownKey_;
};

} // namespace klt
