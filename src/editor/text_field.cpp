#include "editor/text_field.h"

#include "editor/control_hints.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace klt {

namespace {

bool IsTab(const QEvent *event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

TextField::TextField(const QString &name, const QString &hint, KeyFilter filter, int maxLength,
                     QWidget *parent)
    : QLineEdit(parent), filter_(filter) {
    setObjectName(name);
    SetHint(this, hint);
    setMaxLength(maxLength);
    connect(this, &QLineEdit::textEdited, this, [this] {
        dirty_ = true;
        emit edited();
    });
}

void TextField::fill(const QString &text) {
    setText(text);
    dirty_ = false;
    refused_ = false;
}

bool TextField::validate() {
    if (!dirty_) {
        return true;
    }
    if (runCheck(true)) {
        return true;
    }
    // Again once the click or the box that took the focus away is done with it.
    setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    return false;
}

bool TextField::runCheck(bool validating) {
    if (!check_ || checking_) {
        return true;
    }
    checking_ = true;
    const bool taken = check_(*this, validating);
    checking_ = false;
    dirty_ = !taken;
    refused_ = !taken;
    return taken;
}

bool TextField::event(QEvent *event) {
    // Tab moves the focus on: the text is checked first, and a refused text keeps the focus here.
    if (IsTab(event) && dirty_ && !validate()) {
        return true;
    }
    return QLineEdit::event(event);
}

bool TextField::accepts(const QString &typed) const {
    for (const QChar c : typed) {
        const bool known = c.unicode() < 0x80 || filter_ == KeyFilter::None;
        if (!known || !FilterAccepts(filter_, static_cast<char>(c.unicode() < 0x80 ? c.unicode() : 0))) {
            return false;
        }
    }
    return true;
}

void TextField::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        return;
    }
    const bool plain =
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        emit enterPressed();
    }
    if (event->key() == Qt::Key_Backspace && !FilterAccepts(filter_, kBackspace)) {
        return;
    }
    const QString typed = event->text();
    const bool character =
        !typed.isEmpty() && typed.front().unicode() >= 0x20 && typed.front() != QChar(0x7F);
    if (character && !accepts(typed)) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextField::pasteFiltered() {
    if (isReadOnly()) {
        return;
    }
    QString kept;
    for (const QChar c : QApplication::clipboard()->text()) {
        if (accepts(QString(c))) {
            kept.append(c);
        }
    }
    if (!kept.isEmpty()) {
        insert(kept); // keeps to the field's length, and counts as the user's change
    }
}

void TextField::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->objectName() == "edit-paste") {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &TextField::pasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextField::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (!refused_) {
        dirty_ = false;
    }
    if (!isReadOnly()) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus()) {
                selectAll();
            }
        });
    }
}

void TextField::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // A message box or a menu takes the focus only for a moment: the field is not left.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (dirty_) {
        runCheck(false);
    }
}

} // namespace klt
