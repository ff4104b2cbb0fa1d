#pragma once
// pictATIS: the ATIS code, the channel groups that use ATIS and those of the ATIS killer, and the
// button that clears the ATIS data in the radio.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace klt {

class IdentityNote;
class TextField;

class AtisPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    AtisPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }

    void fill(const PageTarget &target) override;
    // The check before the page is left: an ATIS code being typed is checked.
    bool validate() override;

private:
    void showCount();

    PageHost &host_;
    std::array<QCheckBox *, kGroupCount> groups_{};
    std::array<QCheckBox *, kGroupCount> killers_{};
    QLabel *codeLabel_ = nullptr;
    TextField *code_ = nullptr;
    IdentityNote *codeNote_ = nullptr;
    QLineEdit *count_ = nullptr;
};

} // namespace klt
