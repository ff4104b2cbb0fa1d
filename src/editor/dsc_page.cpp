#include "editor/dsc_page.h"

#include "editor/identity_note.h"

#include "editor/control_hints.h"
#include "editor/number_field.h"
#include "editor/qt_text.h"
#include "editor/read_only_look.h"
#include "editor/text_field.h"
#include "model/image_layout.h"
#include "model/number_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace klt {

namespace {

// The radio's memory has no place for some settings: they are kept in the settings files only.
const char *const kFileOnly = QT_TRANSLATE_NOOP(
    "klt::DscPage", "Kept in settings files only: the radio's memory has no place for this setting.");

constexpr int kAllShipsCall = 0;
constexpr int kGroupCall = 1;
constexpr int kIndividualCall = 2;
constexpr int kPosRequestCall = 3;
constexpr int kPosReportCall = 4;
constexpr int kMmsiLength = static_cast<int>(kMmsiDigits);

const char *const kTabs[] = {
    QT_TRANSLATE_NOOP("klt::DscPage", "Basic Setup"), QT_TRANSLATE_NOOP("klt::DscPage", "Advanced Setup1"),
    QT_TRANSLATE_NOOP("klt::DscPage", "Advanced Setup2"), QT_TRANSLATE_NOOP("klt::DscPage", "Display Setup"),
    QT_TRANSLATE_NOOP("klt::DscPage", "Auto POS Setup")};
const char *const kPriorities[] = {
    QT_TRANSLATE_NOOP("klt::DscPage", "Distress"), QT_TRANSLATE_NOOP("klt::DscPage", "Urgency"),
    QT_TRANSLATE_NOOP("klt::DscPage", "Safety"), QT_TRANSLATE_NOOP("klt::DscPage", "Routine")};
const char *const kGroups[] = {
    QT_TRANSLATE_NOOP("klt::DscPage", "Group1"), QT_TRANSLATE_NOOP("klt::DscPage", "Group2"),
    QT_TRANSLATE_NOOP("klt::DscPage", "Group3"), QT_TRANSLATE_NOOP("klt::DscPage", "EXP")};
const char *const kPosRequests[] = {QT_TRANSLATE_NOOP("klt::DscPage", "Distress Cancel Call"),
                                    QT_TRANSLATE_NOOP("klt::DscPage", "Standby Mode"),
                                    QT_TRANSLATE_NOOP("klt::DscPage", "POS Request"),
                                    QT_TRANSLATE_NOOP("klt::DscPage", "POS Reporting")};
const char *const kBeeps[] = {QT_TRANSLATE_NOOP("klt::DscPage", "Send Distress Alert"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received All Ships"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received Individual"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received Group"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received Geographic"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received POS Request"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "Received POS Reporting"),
                              QT_TRANSLATE_NOOP("klt::DscPage", "POS Reporting")};
const char *const kDisplays[] = {QT_TRANSLATE_NOOP("klt::DscPage", "Individual ACK Menu"),
                                 QT_TRANSLATE_NOOP("klt::DscPage", "Individual ACK Message Menu"),
                                 QT_TRANSLATE_NOOP("klt::DscPage", "POS Request ACK Menu")};

// The clear buttons of "Data Clear", in their order on the page.
struct LogClear {
    const char *label;
    Operation operation;
};
const LogClear kLogClears[] = {
    {QT_TRANSLATE_NOOP("klt::DscPage", "Individual Directory"), Operation::ClearIndividual},
    {QT_TRANSLATE_NOOP("klt::DscPage", "Group Directory"), Operation::ClearGroup},
    {QT_TRANSLATE_NOOP("klt::DscPage", "Waypoint Directory"), Operation::ClearWaypoint},
    {QT_TRANSLATE_NOOP("klt::DscPage", "Distress Log"), Operation::ClearDistressLog},
    {QT_TRANSLATE_NOOP("klt::DscPage", "DSC TX Log"), Operation::ClearDscTxLog},
    {QT_TRANSLATE_NOOP("klt::DscPage", "DSC Log"), Operation::ClearDscLog},
    {QT_TRANSLATE_NOOP("klt::DscPage", "ALL Clear"), Operation::ClearAll}};

QString Indexed(const QString &name, std::size_t index) {
    return name + "_" + QString::number(index);
}

QGroupBox *Area(const QString &caption, const char *name, QWidget *parent) {
    auto *area = new QGroupBox(caption, parent);
    area->setObjectName(name);
    return area;
}

} // namespace

DscPage::DscPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictDSC");
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("tbsDSC_USER");
    auto *hiddenTabs = new QTabBar(this);
    hiddenTabs->setObjectName("tbsDSC");
    for (const char *tab : kTabs) {
        hiddenTabs->addTab(tr(tab));
    }
    hiddenTabs->hide(); // the automatic position settings have no page of their own
    children_ = new QStackedWidget(this);
    const std::array<QWidget *, 4> pages = {basicSetup(), advancedSetup1(), advancedSetup2(), displaySetup()};
    for (std::size_t n = 0; n < pages.size(); ++n) {
        tabs_->addTab(tr(kTabs[n]));
        pages[n]->setObjectName(Indexed("pictDSCChild", n));
        children_->addWidget(pages[n]);
    }
    connect(tabs_, &QTabBar::currentChanged, children_, &QStackedWidget::setCurrentIndex);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);
    layout->addWidget(children_, 1);
}

QComboBox *DscPage::addList(const QString &name, bool power, const Flag &flag, QComboBox *powerList) {
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(power ? QStringList{tr("Low"), tr("Hi")} : QStringList{tr("Off"), tr("On")});
    SetHint(list, HintText(kListHint));
    lists_.push_back({list, flag, powerList});
    connect(list, &QComboBox::activated, this, [this, flag, powerList](int position) {
        if (filling_) {
            return;
        }
        flag(host_.config()) = position != 0;
        if (powerList != nullptr) {
            powerList->setEnabled(position != 0);
        }
        host_.markModified();
    });
    return list;
}

void DscPage::addRow(QGridLayout *grid, int row, const QString &label, QComboBox *value, QComboBox *power) {
    auto *caption = new QLabel(label, grid->parentWidget());
    caption->setBuddy(value);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    if (power != nullptr) {
        // No label of its own: a combo box on Linux says its description with its value.
        power->setAccessibleName(tr("%1, transmit power").arg(label));
        power->setAccessibleDescription(power->accessibleName());
        grid->addWidget(power, row, 2);
    }
}

QWidget *DscPage::basicSetup() {
    auto *page = new QWidget(this);
    QGroupBox *groups = Area(tr("Usable DSC CH Group"), "fraUsableDsc", page);
    auto *groupGrid = new QGridLayout(groups);
    for (std::size_t i = 0; i < std::size(kGroups); ++i) {
        QComboBox *list = addList(Indexed("cmbUsableDsc", i), false,
                                  [i](Configuration &c) -> bool & { return c.DscBasic.Group[i]; });
        addRow(groupGrid, static_cast<int>(i), tr(kGroups[i]), list);
        groupNames_[i] = new QLabel(groups);
        groupNames_[i]->setObjectName(Indexed("lblDscChGrpName", i));
        groupGrid->addWidget(groupNames_[i], static_cast<int>(i), 2);
    }
    groupGrid->setColumnStretch(2, 1);

    auto *mmsi = new QGridLayout;
    auto *mmsiLabel = new QLabel(tr("UserMMSI"), page);
    mmsiLabel->setObjectName("lblUserMMSI");
    userMmsi_ = new TextField("txtUserMMSI", tr("Numeric Only. Indispensable 9 figures."), KeyFilter::Digits,
                              kMmsiLength, page);
    SetNumberRule(*userMmsi_, host_.ui(),
                  {NumberKind::Mmsi, tr("User MMSI").toStdString(), [this](const std::string &value) {
                       host_.config().DscBasic.UserMmsi = value;
                       userMmsiNote_->showNumber(value);
                   }});
    userMmsiNote_ = new IdentityNote("lblUserMMSICountry", IdentityPlace::UserMmsi, page);
    userMmsi_->setFixedWidth(userMmsi_->fontMetrics().horizontalAdvance("0000000000") + 16);
    userMmsi_->setRefusalNote(tr("An MMSI has 9 digits."));
    connect(userMmsi_, &TextField::edited, this, [this] { host_.markModified(); });
    auto *clear = new QPushButton(tr("MMSI Clear"), page);
    clear->setObjectName("cmdFClear");
    SetHint(clear, tr("A Click Inicializes the number of User MMSI setting permission"));
    connect(clear, &QPushButton::clicked, this, [this] { runClear(Operation::ClearMmsi); });
    count_ = new QLineEdit(page);
    count_->setObjectName("txtFCount");
    count_->setAccessibleName(tr("User MMSI settings left"));
    count_->setReadOnly(true);
    ShowReadOnlyAsSuch(*count_);
    count_->setFocusPolicy(Qt::NoFocus);
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance("0000") + 12);
    mmsiLabel->setBuddy(userMmsi_);
    mmsi->addWidget(mmsiLabel, 0, 0);
    mmsi->addWidget(userMmsi_, 0, 1, Qt::AlignLeft);
    mmsi->addWidget(userMmsiNote_, 0, 2);
    mmsi->addWidget(clear, 1, 0);
    mmsi->addWidget(count_, 1, 1, Qt::AlignLeft);

    QGroupBox *requests = Area(tr("Position Request"), "fraDscPosRequest", page);
    auto *requestGrid = new QGridLayout(requests);
    for (std::size_t i = 0; i < std::size(kPosRequests); ++i) {
        QComboBox *power = addList(Indexed("cmbUsableDscPosRequestTX", i), true,
                                   [i](Configuration &c) -> bool & { return c.DscBasic.PosRequestTx[i]; });
        QComboBox *value = addList(
            Indexed("cmbUsableDscPosRequest", i), false,
            [i](Configuration &c) -> bool & { return c.DscBasic.PosRequest[i]; }, power);
        addRow(requestGrid, static_cast<int>(i), tr(kPosRequests[i]), value, power);
        setTabOrder(value, power); // made first, the power list stands right of its value

        power->setToolTip(tr(kFileOnly));
        if (i > 0) {
            value->setToolTip(tr(kFileOnly));
        }
    }

    QGroupBox *beeps = Area(tr("DSC Beep Output"), "fraDscBeepOut", page);
    auto *beepGrid = new QGridLayout(beeps);
    for (std::size_t i = 0; i < std::size(kBeeps); ++i) {
        QComboBox *beep = addList(Indexed("cmbUsableDscBeepOut", i), false,
                                  [i](Configuration &c) -> bool & { return c.DscBasic.BeepOut[i]; });
        addRow(beepGrid, static_cast<int>(i), tr(kBeeps[i]), beep);
        if (i + 1 == std::size(kBeeps)) {
            beep->setToolTip(tr(kFileOnly));
        }
    }

    auto *left = new QVBoxLayout;
    left->addWidget(groups);
    left->addLayout(mmsi);
    left->addWidget(requests);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(beeps);
    right->addStretch(1);
    auto *columns = new QHBoxLayout(page);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
    return page;
}

QWidget *DscPage::callArea(const QString &caption, const char *name, int call) {
    QGroupBox *area = Area(caption, (QString("fra") + name).toLatin1().constData(), this);
    auto *grid = new QGridLayout(area);
    const auto index = static_cast<std::size_t>(call);
    for (std::size_t i = 0; i < std::size(kPriorities); ++i) {
        QComboBox *power =
            addList(Indexed(QString("cmb") + name + "TX", i), true,
                    [index, i](Configuration &c) -> bool & { return c.DscAdvanced.Calls[index].Tx[i]; });
        QComboBox *value = addList(
            Indexed(QString("cmb") + name, i), false,
            [index, i](Configuration &c) -> bool & { return c.DscAdvanced.Calls[index].Value[i]; }, power);
        addRow(grid, static_cast<int>(i), tr(kPriorities[i]), value, power);
    }
    return area;
}

QWidget *DscPage::advancedSetup1() {
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->addWidget(callArea(tr("ALL Ships Call"), "UsableDscAllShipsCall", kAllShipsCall), 0, 0);
    grid->addWidget(callArea(tr("Individual Call"), "UsableDscIndividualCall", kIndividualCall), 0, 1);
    grid->addWidget(callArea(tr("Group Call"), "UsableDscGroupCall", kGroupCall), 1, 0);
    grid->addWidget(callArea(tr("Position Request Call"), "UsablePosReqCall", kPosRequestCall), 1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget *DscPage::advancedSetup2() {
    auto *page = new QWidget(this);
    QGroupBox *clears = Area(tr("Data Clear"), "fraDataClear", page);
    auto *clearGrid = new QGridLayout(clears);
    for (std::size_t i = 0; i < std::size(kLogClears); ++i) {
        auto *button = new QPushButton(tr("Clear"), clears);
        button->setObjectName(Indexed("cmdFclearLog", i));
        SetHint(button, tr("A Click Inicializes the log"));
        const Operation operation = kLogClears[i].operation;
        connect(button, &QPushButton::clicked, this, [this, operation] { runClear(operation); });
        clearGrid->addWidget(new QLabel(tr(kLogClears[i].label), clears), static_cast<int>(i), 0);
        clearGrid->addWidget(button, static_cast<int>(i), 1);
    }
    auto *grid = new QGridLayout(page);
    grid->addWidget(callArea(tr("Position Report Call"), "UsablePosRepCall", kPosReportCall), 0, 0,
                    Qt::AlignTop);
    grid->addWidget(clears, 0, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    return page;
}

QWidget *DscPage::displaySetup() {
    auto *page = new QWidget(this);
    QGroupBox *area = Area(tr("Display Setup"), "fraDscDisplay", page);
    auto *grid = new QGridLayout(area);
    const std::array<Flag, 3> flags = {
        [](Configuration &c) -> bool & { return c.DscDisplay.IndividualAckMenu; },
        [](Configuration &c) -> bool & { return c.DscDisplay.IndividualAckMessageMenu; },
        [](Configuration &c) -> bool & { return c.DscDisplay.PosRequestAckMenu; }};
    for (std::size_t i = 0; i < flags.size(); ++i) {
        addRow(grid, static_cast<int>(i), tr(kDisplays[i]),
               addList(Indexed("cmbDscDisplay", i), false, flags[i]));
    }
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(area, 0, Qt::AlignLeft);
    layout->addStretch(1);
    return page;
}

void DscPage::fill(const PageTarget &) {
    fillValues();
    tabs_->setCurrentIndex(0);
    children_->setCurrentIndex(0);
    setEnabled(true);
}

void DscPage::fillValues() {
    filling_ = true;
    Configuration &config = host_.config();
    for (const FlagList &entry : lists_) {
        const bool on = entry.flag(config);
        entry.list->setCurrentIndex(on ? 1 : 0);
        if (entry.power != nullptr) {
            entry.power->setEnabled(on); // a power only counts while its call is on
        }
    }
    for (std::size_t i = 0; i < groupNames_.size(); ++i) {
        const std::string &name = config.Groups[i].StatusName;
        groupNames_[i]->setText(name.empty() ? QString() : "[" + ToQString(name) + "]");
    }
    userMmsi_->fill(ToQString(NumberFieldText(config.DscBasic.UserMmsi, NumberKind::Mmsi)));
    userMmsiNote_->showNumber(config.DscBasic.UserMmsi);
    showCount();
    filling_ = false;
}

void DscPage::showCount() {
    // The byte after the user MMSI counts how often the radio still lets it be set.
    count_->setText(QString::number(host_.image().at(layout::kUserMmsiPresent)));
}

void DscPage::runClear(Operation operation) {
    if (!host_.checkPage()) {
        return;
    }
    if (host_.runOperation(operation)) {
        fillValues();
        if (operation == Operation::ClearIndividual || operation == Operation::ClearAll) {
            host_.directoryNodesChanged(kIndividualDirectory);
        }
        if (operation == Operation::ClearGroup || operation == Operation::ClearAll) {
            host_.directoryNodesChanged(kGroupDirectory);
        }
        host_.markModified();
    }
    showCount();
}

bool DscPage::validate() {
    return userMmsi_->validate();
}

} // namespace klt
