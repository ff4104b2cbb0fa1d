// Tab follows each page's reading order: within a frame, from left to right along a row and then down;
// and every control of a page is reached from the tree.

#include "gui_fixture.h"

#include <QTabBar>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace klt {
namespace {

bool TakesTab(const QWidget *widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
           widget->focusProxy() == nullptr;
}

// The page's controls in the order Tab visits them, starting after the tree.
std::vector<QWidget *> TabChain(QWidget *tree, QWidget *page) {
    std::vector<QWidget *> chain;
    std::set<QWidget *> seen;
    for (QWidget *next = tree->nextInFocusChain(); next != tree && seen.insert(next).second;
         next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && TakesTab(next)) {
            chain.push_back(next);
        }
    }
    return chain;
}

std::string Name(const QWidget *widget) {
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName().toStdString();
}

// Of two controls in the same frame, whether the second comes after the first as the eye reads: on a
// lower row, or on the same row further right.
bool ReadsAfter(const QWidget *first, const QWidget *second, const QWidget *page) {
    const QRect a(first->mapTo(page, QPoint()), first->size());
    const QRect b(second->mapTo(page, QPoint()), second->size());
    const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
    return sameRow ? b.left() >= a.left() : b.top() >= a.top();
}

TEST(TabOrder, FollowsEachPagesReadingOrderAndReachesEveryControl) {
    for (const char *model : {"2", "3"}) {
        Gui gui;
        gui.store.put("Settings", "lastmodel", model);
        gui.start();
        auto *tree = gui.find<QTreeWidget>("tvTreeView");
        tree->expandAll();
        std::vector<QString> keys;
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            keys.push_back((*it)->data(0, Qt::UserRole).toString());
        }
        std::set<std::string> seen;
        std::vector<std::string> faults;
        for (const QString &key : keys) {
            gui.select(key.toLatin1().constData());
            QWidget *page = gui.shownPage();
            const std::string kind =
                page->objectName().toStdString() + " " + key.section(' ', 0, 0).toStdString();
            if (!seen.insert(kind).second) {
                continue;
            }
            QApplication::processEvents();
            const std::vector<QWidget *> chain = TabChain(tree, page);
            // From the tree, Tab lands on the page's first control: nothing unseen takes a stop on the way.
            QWidget *next = tree->nextInFocusChain();
            while (next != tree && !TakesTab(next)) {
                next = next->nextInFocusChain();
            }
            if (!chain.empty() && next != chain.front()) {
                faults.push_back(kind + ": Tab from the tree stops first at " + Name(next));
            }
            for (std::size_t i = 1; i < chain.size(); ++i) {
                if (chain[i - 1]->parentWidget() == chain[i]->parentWidget() &&
                    !ReadsAfter(chain[i - 1], chain[i], page)) {
                    faults.push_back(kind + ": " + Name(chain[i - 1]) + " then " + Name(chain[i]));
                }
            }
            for (QWidget *control : page->findChildren<QWidget *>()) {
                if (TakesTab(control) && std::find(chain.begin(), chain.end(), control) == chain.end()) {
                    faults.push_back(kind + ": " + Name(control) + " never reached");
                }
            }
        }
        std::string list;
        for (const auto &fault : faults) {
            list += "\n  " + fault;
        }
        EXPECT_TRUE(faults.empty()) << "model " << model << ":" << list;
    }
}

} // namespace
} // namespace klt
