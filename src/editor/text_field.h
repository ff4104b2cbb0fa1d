#pragma once
// A free-text field of the editor: it takes only the keys of its filter, remembers whether the user
// changed it since it gained the focus, and checks its text when it is left.

#include "base/ui.h"
#include "model/field_rules.h"

#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>

namespace klt {

class TextField final : public QLineEdit {
    Q_OBJECT
public:
    // Takes the text of a field the user changed and is leaving: stores it and returns nothing, or
    // refuses it and returns the title of the "Data Error!!" box that says so.
    using LeaveCheck = std::function<std::optional<std::string>(TextField &field)>;

    TextField(const QString &name, const QString &hint, KeyFilter filter, int maxLength, QWidget *parent);

    // ui shows the refusals.
    void setLeaveCheck(Ui &ui, LeaveCheck check);
    // The line under "Data Error!!" that says what the field expects ("A station's MMSI has 9 digits.").
    void setRefusalNote(const QString &note) { refusalNote_ = note; }
    // Shows a stored value: nothing the user typed is pending any more.
    void fill(const QString &text);
    // True while the field holds a change that has not been taken.
    bool dirty() const { return dirty_; }
    // The check of a field that is about to be left (Tab, a click elsewhere, a page change, a command):
    // false when it refused the text, and the focus is then back in the field.
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
    std::optional<std::string> runCheck();
    void refuse(const std::string &title);
    void takeFocusBack();

    KeyFilter filter_;
    Ui *ui_ = nullptr;
    LeaveCheck check_;
    QString refusalNote_;
    bool dirty_ = false;
    bool refused_ = false; // the last check refused the text, which is still in the field
    bool checking_ = false;
    // A refusal found as the focus went elsewhere, whose box is about to be shown: whatever took the
    // focus (a tree click, a button) is refused with it, without a second box.
    bool refusalPending_ = false;
};

} // namespace klt
