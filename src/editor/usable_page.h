#pragma once
// pictUsable: which channel groups the radio may use, their priority channels and status names, and
// which plan groups the expansion channel group covers.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace klt {

class TextField;

class UsablePage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    UsablePage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }

    void fill(const PageTarget &target) override;
    // The check before the page is left: a status name being typed is stored.
    bool validate() override;

private:
    struct Row {
        QCheckBox *usable = nullptr;
        QLabel *priorityLabel = nullptr;
        QComboBox *priority = nullptr;
        QLabel *secondLabel = nullptr; // none on the expansion group's row
        QComboBox *second = nullptr;
        QLabel *nameLabel = nullptr;
        TextField *name = nullptr;
    };
    void buildRow(std::size_t i);
    void fillLists(std::size_t i);
    void showUsability(std::size_t i);
    void applyUsability(std::size_t i);
    void storeStatusName(std::size_t i);
    void refreshGroupBoxCaptions();

    PageHost &host_;
    std::array<Row, kGroupCount> rows_{};
    std::array<QCheckBox *, kPlanGroupCount> expansionGroups_{};
};

} // namespace klt
