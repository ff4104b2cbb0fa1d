#pragma once
// pictC: one channel of a plan group or one expansion channel. Every change is written into the
// channel's record at once.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;

namespace klt {

class TextField;

class ChannelEditorPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    ChannelEditorPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }
    // A plan group with the record index, or kExpansionList with the expansion channel's number.
    void fill(const PageTarget &target) override;
    bool validate() override;

private:
    void build();
    void connectHandlers();
    ChannelRecord *record();
    bool expansion() const { return target_.list == kExpansionList; }
    bool mayWrite() const;
    void layOut(bool expansionChannel);
    void fillPlan(const ChannelRecord &record);
    void fillExpansion(const ChannelRecord &record);
    void showPlanReceive(const ChannelRecord &record);
    void finishFill(const ChannelRecord &record);
    void applyEnableRule(bool clicked);
    void applyTxRule();
    void applyLowPowerRule();
    // Nothing when the frequency was stored, else the title of its refusal.
    std::optional<std::string> checkFrequency(TextField &field, bool receive);
    void store(const std::function<void(ChannelRecord &)> &change);

    PageHost &host_;
    PageTarget target_;
    bool filling_ = false;

    QCheckBox *enable_ = nullptr;
    QLabel *displayLabel_ = nullptr;
    std::array<TextField *, 2> display_{};
    QLabel *rxLabel_ = nullptr;
    TextField *rx_ = nullptr;
    QLabel *rxUnit_ = nullptr;
    QLabel *txLabel_ = nullptr;
    TextField *tx_ = nullptr;
    QLabel *txUnit_ = nullptr;
    QCheckBox *txEnable_ = nullptr;
    QFrame *lowPowerLine_ = nullptr;
    QCheckBox *lowPower_ = nullptr;
    QFrame *powerUpLine_ = nullptr;
    QCheckBox *powerUp_ = nullptr;
    QCheckBox *duplex_ = nullptr;
    QCheckBox *scan_ = nullptr;
    QLabel *scramblerLabel_ = nullptr;
    QComboBox *scrambler_ = nullptr;
    QLabel *nameLabel_ = nullptr;
    TextField *name_ = nullptr;
    QWidget *groupArea_ = nullptr;
    std::array<QCheckBox *, 3> groups_{};
};

} // namespace klt
