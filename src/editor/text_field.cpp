#include "editor/text_field.h"

#include "editor/control_hints.h"
#include "editor/read_only_look.h"

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
    ShowReadOnlyAsSuch(*this);
    connect(this, &QLineEdit::textEdited, this, [this] {
        dirty_ = true;
        emit edited();
    });
}

void TextField::setLeaveCheck(Ui &ui, LeaveCheck check) {
    ui_ = &ui;
    check_ = std::move(check);
}

void TextField::fill(const QString &text) {
    setText(text);
    dirty_ = false;
    refused_ = false;
}

std::optional<std::string> TextField::runCheck() {
    if (!check_ || checking_) {
        return std::nullopt;
    }
    checking_ = true;
    auto refusal = check_(*this);
    checking_ = false;
    dirty_ = refusal.has_value();
    refused_ = dirty_;
    return refusal;
}

void TextField::refuse(const std::string &title) {
    if (ui_ != nullptr) {
        const QString text =
            refusalNote_.isEmpty() ? tr("Data Error!!") : tr("Data Error!!") + "\r\n" + refusalNote_;
        ui_->message(MessageIcon::Warning, text.toStdString(), title);
    }
    takeFocusBack();
}

void TextField::takeFocusBack() {
    // Now, and again once the click or the box that took the focus away is done with it.
    setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

bool TextField::validate() {
    if (refusalPending_) {
        takeFocusBack();
        return false;
    }
    if (!dirty_) {
        return true;
    }
    if (const auto refusal = runCheck()) {
        refuse(*refusal);
        return false;
    }
    return true;
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
    // A refused text is still the user's unfinished change; anything else starts afresh.
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
    // A message box, a menu or another program takes the focus only for a while: the field is not
    // left, and its change waits for its return.
    const Qt::FocusReason reason = event->reason();
    if (!dirty_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    // The focus moves to another control of the window: the field is left, and its text checked. A
    // refusal is told once the event that moved the focus is done, and the focus comes back.
    const auto refusal = runCheck();
    if (!refusal) {
        return;
    }
    refusalPending_ = true;
    QTimer::singleShot(0, this, [this, title = *refusal] {
        refusalPending_ = false;
        refuse(title);
    });
}

} // namespace klt
