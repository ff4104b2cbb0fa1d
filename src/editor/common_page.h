#pragma once
// pictCommon: the radio-wide settings, one drop-down list each, stored as soon as one is chosen.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;

namespace klt {

class CommonPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    CommonPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }

    void fill(const PageTarget &target) override;

private:
    struct Setting {
        QComboBox *list;
        QLabel *label;
        // The list position of the stored value (-1 for none), and the value a position stores.
        std::function<int(const CommonSetupRecord &)> position;
        std::function<void(CommonSetupRecord &, int)> store;
    };
    QWidget *area(const char *name, const QString &caption, const std::vector<Setting> &settings);
    Setting setting(const char *name, const QString &label, const std::vector<QString> &entries,
                    std::function<int(const CommonSetupRecord &)> position,
                    std::function<void(CommonSetupRecord &, int)> store);
    void applyScanRule();

    PageHost &host_;
    std::vector<Setting> settings_;
    QComboBox *scan_ = nullptr;
    std::vector<QWidget *> scanDependents_;
    std::vector<QFrame *> scanLines_;
};

} // namespace klt
