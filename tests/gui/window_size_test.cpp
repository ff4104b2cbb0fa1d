// The window at the size where every page shows whole, larger, and smaller: no control lies outside
// what the page shows or on another, none is squeezed below the size its text needs, and a window
// smaller than its pages scrolls them.

#include "gui_fixture.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace klt {
namespace {

bool IsControl(const QWidget *widget) {
    return qobject_cast<const QLabel *>(widget) != nullptr ||
           qobject_cast<const QLineEdit *>(widget) != nullptr ||
           qobject_cast<const QAbstractButton *>(widget) != nullptr ||
           qobject_cast<const QComboBox *>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox *>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView *>(widget) != nullptr ||
           qobject_cast<const QTabBar *>(widget) != nullptr;
}

// The controls a user sees on the page, not the parts a control is made of.
std::vector<QWidget *> Controls(QWidget *page) {
    std::vector<QWidget *> controls;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisible() || !IsControl(widget) || widget->size().isEmpty()) {
            continue;
        }
        bool part = false;
        for (QWidget *above = widget->parentWidget(); above != page && above != nullptr && !part;
             above = above->parentWidget()) {
            part = IsControl(above);
        }
        if (!part) {
            controls.push_back(widget);
        }
    }
    return controls;
}

// What the user sees once the page has laid itself out again for the texts its record gave it.
void Settle() {
    for (int pass = 0; pass < 3; ++pass) {
        QApplication::processEvents();
    }
}

std::string Name(const QWidget *widget) {
    const QString name = widget->objectName();
    return (name.isEmpty() ? QString(widget->metaObject()->className()) : name).toStdString();
}

struct Place {
    std::string page;
    QWidget *content;
    QScrollArea *area;
};

// Each page once for each kind of node it shows (a group's channel and an EXP channel differ), and each
// tab of the DSC page.
template <typename Check> void ForEachPage(Gui &gui, Check check) {
    std::vector<QString> keys;
    for (QTreeWidgetItemIterator it(gui.find<QTreeWidget>("tvTreeView")); *it != nullptr; ++it) {
        keys.push_back((*it)->data(0, Qt::UserRole).toString());
    }
    std::set<std::string> seen;
    for (const QString &key : keys) {
        gui.select(key.toLatin1().constData());
        auto *area = qobject_cast<QScrollArea *>(gui.find<QStackedWidget>("pages")->currentWidget());
        const std::string kind =
            area->widget()->objectName().toStdString() + " " + key.section(' ', 0, 0).toStdString();
        if (!seen.insert(kind).second) {
            continue;
        }
        Settle();
        check(Place{kind, area->widget(), area});
        if (auto *tabs = area->widget()->findChild<QTabBar *>("tbsDSC_USER");
            tabs != nullptr && tabs->isVisible()) {
            for (int tab = 1; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                Settle();
                check(Place{kind + " tab " + std::to_string(tab), area->widget(), area});
            }
            tabs->setCurrentIndex(0);
        }
    }
    EXPECT_GT(seen.size(), 10u);
}

// No control on another, and none narrower or lower than its text needs.
void ExpectLaidOut(const Place &place, std::vector<std::string> &faults) {
    const std::vector<QWidget *> controls = Controls(place.content);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect a(controls[i]->mapTo(place.content, QPoint()), controls[i]->size());
        const QSize needs = controls[i]->minimumSizeHint();
        if (a.width() < needs.width() || a.height() < needs.height()) {
            faults.push_back(place.page + ": " + Name(controls[i]) + " squeezed");
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect b(controls[j]->mapTo(place.content, QPoint()), controls[j]->size());
            if (a.intersects(b)) {
                faults.push_back(place.page + ": " + Name(controls[i]) + " on " + Name(controls[j]));
            }
        }
    }
}

// Every control within what the page shows, without scrolling.
void ExpectInView(const Place &place, std::vector<std::string> &faults) {
    QWidget *view = place.area->viewport();
    for (QWidget *control : Controls(place.content)) {
        const QRect shown(control->mapTo(view, QPoint()), control->size());
        if (!view->rect().contains(shown)) {
            faults.push_back(place.page + ": " + Name(control) + " outside the window");
        }
    }
}

std::string Listed(const std::vector<std::string> &faults) {
    std::string list;
    for (const auto &fault : faults) {
        list += "\n  " + fault;
    }
    return list;
}

class WindowSize : public ::testing::TestWithParam<int> {};

TEST_P(WindowSize, EveryPageFitsAtItsSizeAndLarger) {
    Gui gui;
    gui.store.put("Settings", "lastmodel", std::to_string(GetParam()));
    gui.start();
    gui.find<QTreeWidget>("tvTreeView")->expandAll();
    const QSize natural = gui.window->size();
    for (const double scale : {1.0, 1.5}) {
        gui.window->resize(natural * scale);
        Settle();
        std::vector<std::string> faults;
        ForEachPage(gui, [&faults](const Place &place) {
            ExpectLaidOut(place, faults);
            ExpectInView(place, faults);
        });
        EXPECT_TRUE(faults.empty()) << "at " << scale << "x:" << Listed(faults);
    }
}

TEST_P(WindowSize, ASmallerWindowScrollsItsPagesAndSqueezesNothing) {
    Gui gui;
    gui.store.put("Settings", "lastmodel", std::to_string(GetParam()));
    gui.start();
    gui.window->resize(gui.window->minimumSize());
    Settle();
    EXPECT_LT(gui.window->minimumWidth(), 640);
    std::vector<std::string> faults;
    int scrolled = 0;
    ForEachPage(gui, [&](const Place &place) {
        ExpectLaidOut(place, faults);
        scrolled +=
            place.area->horizontalScrollBar()->isVisible() || place.area->verticalScrollBar()->isVisible();
        if (auto *grid = place.content->findChild<QAbstractItemView *>("MSFlexGrid1"); grid != nullptr) {
            EXPECT_TRUE(grid->horizontalScrollBar()->isVisible()) << place.page; // the table scrolls sideways
        }
    });
    EXPECT_TRUE(faults.empty()) << Listed(faults);
    EXPECT_GT(scrolled, 5);
}

TEST(WindowSizeTree, ANarrowTreeScrollsSidewaysAndCutsNoText) {
    Gui gui;
    auto *tree = gui.find<QTreeWidget>("tvTreeView");
    auto *splitter = gui.find<QSplitter>("splitter");
    tree->expandAll();
    splitter->setSizes({1, gui.window->width()});
    Settle();
    const QFontMetrics metrics(tree->font());
    for (const char *key : {"SM 80", "PU 3", "E 64", "Usable"}) {
        const QTreeWidgetItem *item = gui.window->nodeByKey(key);
        const int textEnd = tree->visualItemRect(item).left() + tree->horizontalScrollBar()->value() +
                            metrics.horizontalAdvance(item->text(0));
        EXPECT_LE(textEnd, tree->columnWidth(0)) << key;
    }
    EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
}

// The TQ-400E/TQ-450 has the ATIS page, the TQ-500 every control of the channel and DSC pages.
INSTANTIATE_TEST_SUITE_P(Models, WindowSize, ::testing::Values(2, 3));

} // namespace
} // namespace klt
