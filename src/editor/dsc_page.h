#pragma once
// pictDSC: the DSC settings on four tabs, and the buttons that clear DSC data in the radio.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabBar;

namespace klt {

class IdentityNote;
class TextField;

class DscPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    DscPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }

    void fill(const PageTarget &target) override;
    // The check before the page is left: a user MMSI being typed is checked.
    bool validate() override;

private:
    using Flag = std::function<bool &(Configuration &)>;
    struct FlagList {
        QComboBox *list;
        Flag flag;
        QComboBox *power; // the transmit-power list that counts only while this one is "On"
    };
    QComboBox *addList(const QString &name, bool power, const Flag &flag, QComboBox *powerList = nullptr);
    void addRow(QGridLayout *grid, int row, const QString &label, QComboBox *value,
                QComboBox *power = nullptr);
    QWidget *basicSetup();
    QWidget *callArea(const QString &caption, const char *name, int call);
    QWidget *advancedSetup1();
    QWidget *advancedSetup2();
    QWidget *displaySetup();
    void fillValues();
    void showCount();
    void runClear(Operation operation);

    PageHost &host_;
    bool filling_ = false;
    std::vector<FlagList> lists_;
    QTabBar *tabs_ = nullptr;
    QStackedWidget *children_ = nullptr;
    std::array<QLabel *, kGroupCount> groupNames_{};
    IdentityNote *userMmsiNote_ = nullptr;
    TextField *userMmsi_ = nullptr;
    QLineEdit *count_ = nullptr;
};

} // namespace klt
