#pragma once
// A free-text field of the editor: it takes only the keys of its filter, remembers whether the user
// changed it since it gained the focus, and checks its text when it is left.

#include "editor/field_rules.h"

#include <QLineEdit>

#include <functional>

namespace klt {

class TextField final : public QLineEdit {
    Q_OBJECT
public:
    // Takes the text of a left field that the user changed. validating: the focus is about to move
    // on (Tab, a page change), so a refusal shows why and keeps the focus; otherwise the field just
    // lost the focus. Returns whether the text was taken.
    using LeaveCheck = std::function<bool(TextField &field, bool validating)>;

    TextField(const QString &name, const QString &hint, KeyFilter filter, int maxLength, QWidget *parent);

    void setLeaveCheck(LeaveCheck check) { check_ = std::move(check); }
    // Shows a stored value: nothing the user typed is pending any more.
    void fill(const QString &text);
    // True while the field holds a change that has not been taken.
    bool dirty() const { return dirty_; }
    // Runs the check as a validation when the field holds a change; false when it refused the text,
    // and the focus is then back in the field.
    bool validate();

signals:
    // The user changed the text (never a fill).
    void edited();
    // Enter without Shift, Ctrl or Alt.
    void enterPressed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool accepts(const QString &typed) const;
    void pasteFiltered();
    bool runCheck(bool validating);

    KeyFilter filter_;
    LeaveCheck check_;
    bool dirty_ = false;
    // A change refused when the field lost the focus: it stays pending when the field is entered
    // again, so the page cannot be left with a text that was never stored.
    bool refused_ = false;
    bool checking_ = false;
};

} // namespace klt
