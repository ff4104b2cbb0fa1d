#include "editor/access_keys.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace klt {

namespace {

// The access key a caption names, lower case, or a null character.
QChar AccessKeyOf(const QString &text) {
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != '&') {
            continue;
        }
        if (text[at + 1] == '&') {
            ++at; // "&&" is an ampersand shown as it is
            continue;
        }
        return text[at + 1].toLower();
    }
    return {};
}

QString WithAccessKey(const QString &text, const QSet<QChar> &taken) {
    qsizetype first = -1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (!text[at].isLetterOrNumber()) {
            continue;
        }
        if (!taken.contains(text[at].toLower())) {
            return QString(text).insert(at, '&');
        }
        if (first < 0) {
            first = at;
        }
    }
    return first < 0 ? text : QString(text).insert(first, '&');
}

} // namespace

QString PlainCaption(const QString &text) {
    return QString(text).replace('&', "&&");
}

void GiveAccessKeys(QMenu &menu) {
    QList<QAction *> items;
    for (QAction *action : menu.actions()) {
        if (action->isVisible() && !action->isSeparator() && !action->text().isEmpty()) {
            items.push_back(action);
        }
    }
    QSet<QChar> taken;
    for (const QAction *action : items) {
        if (const QChar key = AccessKeyOf(action->text()); !key.isNull()) {
            taken.insert(key);
        }
    }
    for (QAction *action : items) {
        if (AccessKeyOf(action->text()).isNull()) {
            action->setText(WithAccessKey(action->text(), taken));
            taken.insert(AccessKeyOf(action->text()));
        }
    }
}

void KeepAccessKeys(QMenuBar &bar) {
    for (QMenu *menu : bar.findChildren<QMenu *>()) {
        GiveAccessKeys(*menu);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { GiveAccessKeys(*menu); });
    }
}

} // namespace klt
