#include "editor/channel_editor_page.h"

#include "editor/channel_display.h"
#include "editor/control_hints.h"
#include "editor/navigation_tree.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"
#include "model/channel_rules.h"
#include "model/freq_codec.h"
#include "model/reference_tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace klt {

namespace {

constexpr int kNameLength = static_cast<int>(kChannelNameLength);
constexpr int kFrequencyLength = 8;
constexpr int kMarkerWidth = 18;
const char *const kRefusedPage =
    QT_TRANSLATE_NOOP("klt::ChannelEditorPage",
                      "Data Error!!\r\nPlease input correct data.\r\nAn enabled EXP channel needs both "
                      "figures of its CH display and a receive frequency.");

QCheckBox *Box(const char *name, const QString &caption, QWidget *parent) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    SetHint(box, HintText(kBoxHint));
    return box;
}

QLabel *Label(const char *name, const QString &caption, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// The short line that ties a box to the one it depends on: drawn grey while the box is unavailable.
QFrame *Marker(const char *name, QWidget *parent) {
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFixedWidth(kMarkerWidth);
    return line;
}

QString Freq3(double mhz) {
    return ToQString(FreqText3(mhz));
}

QString Freq4(double mhz) {
    return ToQString(FreqText4(mhz)); // snaps the copy only
}

} // namespace

ChannelEditorPage::ChannelEditorPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictC");
    build();
    connectHandlers();
}

void ChannelEditorPage::build() {
    enable_ = Box("chkCEnable", tr("CH Enable"), this);
    displayLabel_ = Label("lblCN", tr("CH Display"), this);
    display_[0] = new TextField("txtCN_0", tr("Indispensable 2 figures."), KeyFilter::DisplayCharacters,
                                static_cast<int>(kDisplayFigures), this);
    display_[1] = new TextField("txtCN_1", tr("Indispensable 1 figures."), KeyFilter::DisplayCharacters,
                                static_cast<int>(kDisplaySuffixFigures), this);
    rxLabel_ = Label("lblCRF", tr("Rx Frequency"), this);
    rx_ = new TextField("txtCRF", tr("Rx frequency"), KeyFilter::Frequency, kFrequencyLength, this);
    rxUnit_ = Label("lblCRFUnit", tr("MHz"), this);
    txLabel_ = Label("lblCTF", tr("Tx Frequency"), this);
    tx_ = new TextField("txtCTF", tr("Tx frequency"), KeyFilter::Frequency, kFrequencyLength, this);
    txUnit_ = Label("lblCTFUnit", tr("MHz"), this);
    txEnable_ = Box("chkCTXEnable", tr("Tx Enable"), this);
    lowPowerLine_ = Marker("linCTXOnly", this);
    lowPower_ = Box("chkCTXOnly", tr("Low Power Only"), this);
    powerUpLine_ = Marker("linCTXPower", this);
    powerUp_ = Box("chkCTXPower", tr("Power Up"), this);
    duplex_ = Box("chkCDup", tr("Duplex"), this);
    scan_ = Box("chkCScan", tr("Scan Memory"), this);
    scramblerLabel_ = Label("lblScramble", tr("Scrambler"), this);
    scrambler_ = new QComboBox(this);
    scrambler_->setObjectName("cmbScramble");
    SetHint(scrambler_, HintText(kListHint));
    // The scrambler codes' names are the core's, as the report and the CSV files write them.
    for (const char *entry : ScramblerEntries()) {
        scrambler_->addItem(entry);
    }
    nameLabel_ = Label("lblCTag", tr("CH Name"), this);
    name_ = new TextField("txtCTag", tr("A maximum of 12 characters"), KeyFilter::Name, kNameLength, this);
    displayLabel_->setBuddy(display_[0]);
    display_[1]->setAccessibleName(tr("CH Display suffix"));
    rxLabel_->setBuddy(rx_);
    txLabel_->setBuddy(tx_);
    scramblerLabel_->setBuddy(scrambler_);
    nameLabel_->setBuddy(name_);
    groupArea_ = new QWidget(this);
    groupArea_->setObjectName("fraCBExp");
    auto *groupRow = new QHBoxLayout(groupArea_);
    groupRow->setContentsMargins(0, 0, 0, 0);
    const QString groupCaptions[] = {tr("[USA]"), tr("[INT]"), tr("[CAN]")};
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        groups_[i] = Box(("chkCBExp_" + std::to_string(i)).c_str(), groupCaptions[i], groupArea_);
        groupRow->addWidget(groups_[i]);
    }
    groupRow->addStretch(1);

    for (TextField *field : {display_[0], display_[1]}) {
        field->setFixedWidth(field->fontMetrics().horizontalAdvance("MM") + 16);
    }
    rx_->setFixedWidth(rx_->fontMetrics().horizontalAdvance("000.00000") + 16);
    name_->setMaximumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameLength + 2, 'M')));
    tx_->setFixedWidth(rx_->width());

    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    int row = 0;
    grid->addWidget(enable_, row++, 0, 1, 3);
    auto *displayRow = new QHBoxLayout;
    displayRow->addWidget(display_[0]);
    displayRow->addWidget(display_[1]);
    displayRow->addStretch(1);
    grid->addWidget(displayLabel_, row, 0);
    grid->addLayout(displayRow, row++, 1, 1, 2);
    const auto frequencyRow = [&](QLabel *label, TextField *field, QLabel *unit) {
        auto *line = new QHBoxLayout;
        line->addWidget(field);
        line->addWidget(unit);
        line->addStretch(1);
        grid->addWidget(label, row, 0);
        grid->addLayout(line, row++, 1, 1, 2);
    };
    frequencyRow(rxLabel_, rx_, rxUnit_);
    frequencyRow(txLabel_, tx_, txUnit_);
    grid->addWidget(txEnable_, row++, 0, 1, 3);
    const auto dependentRow = [&](int depth, QFrame *line, QCheckBox *box) {
        auto *chain = new QHBoxLayout;
        chain->setSpacing(2);
        chain->addSpacing((depth - 1) * kMarkerWidth + kMarkerWidth / 2);
        chain->addWidget(line);
        chain->addWidget(box);
        chain->addStretch(1);
        grid->addLayout(chain, row++, 0, 1, 3);
    };
    dependentRow(1, lowPowerLine_, lowPower_);
    dependentRow(2, powerUpLine_, powerUp_);
    grid->addWidget(duplex_, row++, 0, 1, 3);
    grid->addWidget(scan_, row++, 0, 1, 3);
    grid->addWidget(scramblerLabel_, row, 0);
    grid->addWidget(scrambler_, row++, 1);
    grid->addWidget(nameLabel_, row, 0);
    grid->addWidget(name_, row++, 1, 1, 2);
    grid->addWidget(groupArea_, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
}

void ChannelEditorPage::connectHandlers() {
    connect(enable_, &QCheckBox::clicked, this, [this] {
        if (mayWrite()) {
            applyEnableRule(true);
        }
    });
    connect(txEnable_, &QCheckBox::clicked, this, [this] {
        if (mayWrite()) {
            applyTxRule();
        }
    });
    connect(lowPower_, &QCheckBox::clicked, this, [this] {
        if (mayWrite()) {
            applyLowPowerRule();
        }
    });
    connect(powerUp_, &QCheckBox::clicked, this,
            [this](bool on) { store([on](ChannelRecord &r) { r.PowUp = on; }); });
    connect(scan_, &QCheckBox::clicked, this,
            [this](bool on) { store([on](ChannelRecord &r) { r.ScanMemory = on; }); });
    connect(duplex_, &QCheckBox::clicked, this, [this](bool on) {
        store([on](ChannelRecord &r) { r.Duplex = on; });
        if (ChannelRecord *r = record(); r != nullptr && !expansion()) {
            showPlanReceive(*r);
        }
    });
    connect(scrambler_, &QComboBox::activated, this, [this](int position) {
        store([position](ChannelRecord &r) {
            r.Scramble = static_cast<std::int16_t>(ScramblerCode(position));
        });
    });
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        connect(groups_[i], &QCheckBox::clicked, this,
                [this, i](bool on) { store([i, on](ChannelRecord &r) { r.ExpCB[i] = on; }); });
    }
    connect(name_, &TextField::edited, this,
            [this] { store([text = FromQString(name_->text())](ChannelRecord &r) { r.ChTag = text; }); });
    connect(display_[0], &TextField::edited, this, [this] {
        store([text = FromQString(display_[0]->text())](ChannelRecord &r) { r.CHDisplayL = text; });
    });
    connect(display_[1], &TextField::edited, this, [this] {
        store([text = FromQString(display_[1]->text())](ChannelRecord &r) { r.CHDisplayR = text; });
    });
    connect(rx_, &TextField::edited, this, [this] { host_.markModified(); });
    connect(tx_, &TextField::edited, this, [this] { host_.markModified(); });
    for (TextField *field : {rx_, tx_}) {
        field->setRefusalNote(tr("A frequency between 137 and 174 MHz on the 25 kHz raster (for example "
                                 "156.050)."));
    }
    rx_->setLeaveCheck(host_.ui(), [this](TextField &field) { return checkFrequency(field, true); });
    tx_->setLeaveCheck(host_.ui(), [this](TextField &field) { return checkFrequency(field, false); });
}

ChannelRecord *ChannelEditorPage::record() {
    Configuration &config = host_.config();
    const int index = target_.index;
    if (expansion()) {
        return index >= 1 && index <= layout::kExpChannelCount
                   ? &config.Expansion[static_cast<std::size_t>(index - 1)]
                   : nullptr;
    }
    if (target_.list < 0 || target_.list >= kPlanGroupCount) {
        return nullptr;
    }
    auto &table = PlanTable(config, target_.list);
    return index >= 0 && index < static_cast<int>(table.size()) ? &table[static_cast<std::size_t>(index)]
                                                                : nullptr;
}

bool ChannelEditorPage::mayWrite() const {
    return !filling_ && isEnabled();
}

void ChannelEditorPage::store(const std::function<void(ChannelRecord &)> &change) {
    ChannelRecord *r = record();
    if (!mayWrite() || r == nullptr) {
        return;
    }
    change(*r);
    host_.markModified();
}

void ChannelEditorPage::layOut(bool expansionChannel) {
    txEnable_->setVisible(!expansionChannel);
    duplex_->setVisible(!expansionChannel);
    groupArea_->setVisible(expansionChannel);
    const bool scrambler = host_.facts().scrambler;
    scramblerLabel_->setVisible(scrambler);
    scrambler_->setVisible(scrambler);
    for (TextField *field : {display_[0], display_[1], rx_, tx_}) {
        field->setReadOnly(!expansionChannel);
    }
}

void ChannelEditorPage::fill(const PageTarget &target) {
    target_ = target;
    const ChannelRecord *r = record();
    if (r == nullptr) {
        return;
    }
    const ChannelRecord shown = *r;
    filling_ = true;
    layOut(expansion());
    if (expansion()) {
        fillExpansion(shown);
    } else {
        fillPlan(shown);
    }
    enable_->setChecked(shown.Enable);
    txEnable_->setChecked(shown.TxEnable && MayTransmit(shown));
    lowPower_->setChecked(shown.LowPower);
    powerUp_->setChecked(shown.PowUp);
    scan_->setChecked(shown.ScanMemory);
    scrambler_->setCurrentIndex(ScramblerPosition(shown.Scramble));
    name_->fill(ToQString(shown.ChTag));
    finishFill(shown);
}

void ChannelEditorPage::fillPlan(const ChannelRecord &r) {
    const ChannelDisplay display = PlanChannelDisplay(PlanChannelName(r.Position));
    display_[0]->fill(ToQString(display.number));
    display_[1]->fill(ToQString(display.suffix));
    showPlanReceive(r);
    const auto &master = BuildMasterChannelList();
    const bool known = r.Position >= 0 && r.Position < kMasterChannelCount;
    tx_->fill(ToQString(
        FreqText3Unless(known ? master[static_cast<std::size_t>(r.Position)].TxFreq : 0.0, r.RxOnly)));
    duplex_->setChecked(r.Duplex);
    duplex_->setEnabled(MayDuplex(r));
}

void ChannelEditorPage::showPlanReceive(const ChannelRecord &r) {
    const auto &master = BuildMasterChannelList();
    if (r.Position < 0 || r.Position >= kMasterChannelCount) {
        rx_->fill(Freq3(0.0));
        return;
    }
    const ListEntry &entry = master[static_cast<std::size_t>(r.Position)];
    rx_->fill(Freq3(r.Duplex ? entry.DuplexRxFreq : entry.RxFreq));
}

void ChannelEditorPage::fillExpansion(const ChannelRecord &r) {
    display_[0]->fill(ToQString(r.CHDisplayL.substr(0, 2)));
    display_[1]->fill(ToQString(r.CHDisplayR.substr(0, 1)));
    rx_->fill(Freq4(r.Rxfreq));
    tx_->fill(Freq4(r.Txfreq));
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        groups_[i]->setChecked(r.ExpCB[i]);
    }
}

void ChannelEditorPage::finishFill(const ChannelRecord &r) {
    setEnabled(true);
    // The rules set the controls' states; still filling, so they store nothing: a receive-only
    // channel keeps the transmit bits the radio gave it until the user changes something.
    applyEnableRule(false);
    if (!MayTransmit(r)) {
        txEnable_->setEnabled(false);
    }
    filling_ = false;
    if (expansion()) {
        return;
    }
    if (!MayScan(r)) {
        scan_->setEnabled(false);
    }
    if (!MayScramble(r)) {
        scrambler_->setEnabled(false);
        scramblerLabel_->setEnabled(false);
    }
}

void ChannelEditorPage::applyEnableRule(bool clicked) {
    const bool on = enable_->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{
             displayLabel_, display_[0], display_[1], rxLabel_, rx_, rxUnit_, txLabel_, tx_, txUnit_,
             txEnable_, scan_, name_, nameLabel_, scrambler_, scramblerLabel_}) {
        control->setEnabled(on);
    }
    if (!on) {
        duplex_->setEnabled(false); // only the refill gives it back, as the plan allows
    }
    if (groupArea_->isVisibleTo(this)) {
        for (QCheckBox *box : groups_) {
            box->setEnabled(on);
        }
    }
    applyTxRule();
    if (!clicked) {
        return;
    }
    if (ChannelRecord *r = record()) {
        r->Enable = on;
    }
    fill(target_);
    host_.nodeEnableChanged(target_);
    enable_->setFocus();
    host_.markModified();
}

void ChannelEditorPage::applyTxRule() {
    const bool available = txEnable_->isChecked() && txEnable_->isEnabled();
    lowPower_->setEnabled(available);
    lowPowerLine_->setEnabled(available);
    applyLowPowerRule();
    if (!filling_) {
        host_.markModified();
    }
}

void ChannelEditorPage::applyLowPowerRule() {
    const bool available = lowPower_->isChecked() && lowPower_->isEnabled();
    powerUp_->setEnabled(available);
    powerUpLine_->setEnabled(available);
    const bool txOn = txEnable_->isChecked();
    const bool lowOn = lowPower_->isChecked();
    store([txOn, lowOn](ChannelRecord &r) {
        r.TxEnable = txOn;
        r.LowPower = lowOn;
    });
}

std::optional<std::string> ChannelEditorPage::checkFrequency(TextField &field, bool receive) {
    const std::optional<double> mhz = CheckedFrequency(FromQString(field.text()));
    ChannelRecord *r = record();
    if (!mhz || r == nullptr) {
        return (receive ? tr("Rx frequency") : tr("Tx frequency")).toStdString();
    }
    (receive ? r->Rxfreq : r->Txfreq) = *mhz;
    field.fill(Freq4(*mhz));
    host_.markModified();
    return std::nullopt;
}

bool ChannelEditorPage::validate() {
    for (TextField *field : {rx_, tx_}) {
        if (!field->validate()) {
            return false;
        }
    }
    const bool editable = !rx_->isReadOnly();
    if (const ChannelRecord *r = record(); editable && r != nullptr && !ExpansionChannelComplete(*r)) {
        host_.ui().message(MessageIcon::Warning, tr(kRefusedPage).toStdString(), host_.facts().titleText);
        return false;
    }
    return true;
}

} // namespace klt
