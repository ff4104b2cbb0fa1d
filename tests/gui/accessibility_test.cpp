// Every input of every page has a name a screen reader says: its label's text.

#include "gui_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <set>

namespace klt {
namespace {

bool IsInput(const QWidget *widget) {
    for (const QWidget *up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractItemView *>(up)) {
            return false; // a part of a table (its header, its corner), named with the table
        }
    }
    if (qobject_cast<const QLineEdit *>(widget)) {
        // A line edit inside a combo box, a spin box or a table's cell editor is named by its owner.
        for (const QWidget *up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
            if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up) ||
                qobject_cast<const QAbstractItemView *>(up)) {
                return false;
            }
        }
        return true;
    }
    return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QAbstractItemView *>(widget);
}

// What a screen reader says for the input: a button's own text, else the name given it or the text of
// the label that stands for it (its buddy), never what the input happens to hold.
QString AccessibleName(QWidget *widget, const QWidget *page) {
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
        button && !button->text().trimmed().isEmpty()) {
        return button->text();
    }
    if (!widget->accessibleName().trimmed().isEmpty()) {
        return widget->accessibleName().trimmed();
    }
    for (const QLabel *label : page->findChildren<QLabel *>()) {
        if (label->buddy() == widget && !label->text().trimmed().isEmpty()) {
            return label->text().trimmed();
        }
    }
    return {};
}

TEST(Accessibility, EveryInputOfEveryPageHasAName) {
    Gui gui;
    gui.store.put("Settings", "lastmodel", "2");
    gui.start();
    std::vector<QString> keys;
    for (QTreeWidgetItemIterator it(gui.find<QTreeWidget>("tvTreeView")); *it != nullptr; ++it) {
        keys.push_back((*it)->data(0, Qt::UserRole).toString());
    }
    std::set<std::string> unnamed;
    std::set<QString> pagesSeen;
    for (const QString &key : keys) {
        gui.select(key.toLatin1().constData());
        QWidget *page = gui.shownPage();
        if (!pagesSeen.insert(page->objectName()).second) {
            continue; // the same page again, with another record
        }
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            // Inputs on tabs not shown, and those a model hides, are named all the same.
            if (IsInput(widget) && AccessibleName(widget, page).isEmpty()) {
                unnamed.insert(page->objectName().toStdString() + "/" + widget->objectName().toStdString() +
                               " (" + widget->metaObject()->className() + ")");
            }
        }
    }
    EXPECT_GT(pagesSeen.size(), 8u);
    std::string list;
    for (const auto &name : unnamed) {
        list += "\n  " + name;
    }
    EXPECT_TRUE(unnamed.empty()) << unnamed.size() << " inputs without a name:" << list;
}

} // namespace
} // namespace klt
