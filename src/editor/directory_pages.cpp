#include "editor/directory_pages.h"

#include "editor/identity_note.h"

#include "editor/control_hints.h"
#include "editor/directory_rules.h"
#include "editor/navigation_tree.h"
#include "editor/number_field.h"
#include "editor/qt_text.h"
#include "editor/record_grid.h"
#include "editor/text_field.h"
#include "model/name_rules.h"
#include "model/number_rules.h"
#include "model/text_format.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace klt {

namespace {

constexpr int kNameLength = static_cast<int>(kDirectoryNameLength);
constexpr int kNumberTwips = 800;
constexpr int kNameTwips = 2500;
constexpr int kMmsiTwips = 2150;

std::vector<RecordGrid::Column> Columns(bool group) {
    return {
        {DirectoryTablePage::tr("No."), kNumberTwips},
        {group ? DirectoryTablePage::tr("GROUP NAME") : DirectoryTablePage::tr("STATION NAME"), kNameTwips},
        {DirectoryTablePage::tr("MMSI"), kMmsiTwips}};
}

std::span<DirectoryEntry> DirectoryOf(Configuration &config, int directory) {
    if (directory == kGroupDirectory) {
        return config.GroupDirectory;
    }
    return config.Individual;
}

QString DirectoryTitle(bool group) {
    return group ? DirectoryEntryPage::tr("Group Directory") : DirectoryEntryPage::tr("Individual Directory");
}

} // namespace

DirectoryTablePage::DirectoryTablePage(PageHost &host, QWidget *parent)
    : QWidget(parent), host_(host), grid_(new RecordGrid("MSFlexGrid2", this)) {
    setObjectName("pictE");
    grid_->setAccessibleName(tr("Station directory"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_, &RecordGrid::jumpRequested, this, [this](int row) {
        host_.jumpTo({Page::DirectoryEntry, directory_, row + 1});
    });
}

void DirectoryTablePage::fill(const PageTarget &target) {
    directory_ = target.list;
    grid_->setColumns(Columns(directory_ == kGroupDirectory));
    grid_->setRows(DirectoryGridRows(DirectoryOf(host_.config(), directory_)));
    setEnabled(true);
}

DirectoryEntryPage::DirectoryEntryPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictG");
    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName("lblTag");
    name_ = new TextField("txtGPosi", tr("A maximum of 10 characters."), KeyFilter::Name, kNameLength, this);
    mmsiLabel_ = new QLabel(tr("MMSI"), this);
    mmsiLabel_->setObjectName("lblMmsi");
    nameLabel_->setBuddy(name_);
    mmsi_ = new TextField("txtGMMSI", tr("Numeric Only. Indispensable 9 figures."), KeyFilter::Digits,
                          static_cast<int>(kMmsiDigits), this);
    mmsiLabel_->setBuddy(mmsi_);
    for (TextField *field : {name_, mmsi_}) {
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(kNameLength + 1, 'M')));
        connect(field, &TextField::edited, this, [this] { host_.markModified(); });
    }
    // Neither refuses: a blank name or a wrong-length number is simply not stored.
    name_->setLeaveCheck(host_.ui(), [this](TextField &field) {
        checkName(field);
        return std::nullopt;
    });
    // A number of the wrong length is refused, never dropped: the station would not reach the radio.
    mmsi_->setLeaveCheck(host_.ui(), [this](TextField &field) { return checkMmsi(field); });
    add_ = new QCheckBox(tr("Add"), this);
    add_->setObjectName("chkGEnable");
    delete_ = new QCheckBox(tr("Delete"), this);
    delete_->setObjectName("chkGDelete");
    for (QCheckBox *box : {add_, delete_}) {
        SetHint(box, HintText(kBoxHint));
    }
    connect(add_, &QCheckBox::clicked, this, [this] { add(); });
    connect(delete_, &QCheckBox::clicked, this, [this] { remove(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(nameLabel_, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(mmsiLabel_, 1, 0);
    grid->addWidget(mmsi_, 1, 1);
    mmsiNote_ = new IdentityNote("lblGMMSICountry", IdentityPlace::Station, this);
    grid->addWidget(mmsiNote_, 1, 2);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(add_);
    boxes->addWidget(delete_);
    boxes->addStretch(1);
    grid->addLayout(boxes, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
}

std::span<DirectoryEntry> DirectoryEntryPage::entries() {
    return DirectoryOf(host_.config(), directory_);
}

DirectoryEntry *DirectoryEntryPage::entry() {
    const auto all = entries();
    return number_ >= 1 && number_ <= static_cast<int>(all.size())
               ? &all[static_cast<std::size_t>(number_ - 1)]
               : nullptr;
}

void DirectoryEntryPage::setFieldsEnabled(bool enabled) {
    for (QWidget *control : std::initializer_list<QWidget *>{nameLabel_, name_, mmsiLabel_, mmsi_}) {
        control->setEnabled(enabled);
    }
}

void DirectoryEntryPage::fill(const PageTarget &target) {
    directory_ = target.list;
    number_ = target.index;
    const DirectoryEntry *shown = entry();
    if (shown == nullptr) {
        return;
    }
    filling_ = true;
    nameLabel_->setText(group() ? tr("Group Name") : tr("Station Name"));
    mmsi_->setRefusalNote(group() ? tr("A group's MMSI has 8 digits (the radio adds the 0 before them).")
                                  : tr("A station's MMSI has 9 digits."));
    // A group's number has eight digits: a ninth could only be refused.
    mmsi_->setMaxLength(static_cast<int>(DigitCount(group() ? NumberKind::GroupMmsi : NumberKind::Mmsi)));
    name_->fill(ToQString(shown->TagName));
    mmsi_->fill(ToQString(MmsiFieldText(shown->Mmsid, group())));
    mmsiNote_->setPlace(group() ? IdentityPlace::Group : IdentityPlace::Station);
    mmsiNote_->showNumber(shown->Mmsid);
    const EntryState state = StateOfEntry(entries(), number_);
    const bool inUse = state == EntryState::InUse;
    add_->setChecked(inUse);
    add_->setEnabled(state == EntryState::Addable);
    delete_->setChecked(!inUse);
    delete_->setEnabled(inUse);
    setFieldsEnabled(inUse);
    host_.directoryNodesChanged(directory_);
    setEnabled(true);
    filling_ = false;
    if (state == EntryState::Blocked) {
        // The entry before this one is not complete: nothing can be added after it yet.
        host_.ui().message(
            MessageIcon::Warning,
            (tr("Data Error!!") + "\r\n" +
             tr("Entry %1 can be added once entry %2 has its name and MMSI.").arg(number_).arg(number_ - 1))
                .toStdString(),
            DirectoryTitle(group()).toStdString());
    }
}

void DirectoryEntryPage::add() {
    DirectoryEntry *added = entry();
    if (!mayWrite() || added == nullptr || !add_->isChecked()) {
        return;
    }
    added->Enable = true;
    const bool fromKeyboard = add_->hasFocus();
    fill({Page::DirectoryEntry, directory_, number_});
    host_.markModified();
    if (fromKeyboard) {
        name_->setFocus(Qt::TabFocusReason); // the new station's name is what comes next
    }
}

void DirectoryEntryPage::remove() {
    if (!mayWrite()) {
        return;
    }
    // The question names the station, and a stray Enter keeps it.
    const DirectoryEntry *shown = entry();
    const QString station = shown == nullptr ? QString()
                                             : tr("Entry %1: %2, MMSI %3")
                                                   .arg(number_)
                                                   .arg(QString::fromStdString(shown->TagName),
                                                        QString::fromStdString(MmsiForPeople(shown->Mmsid)));
    if (host_.ui().question(
            MessageIcon::Error,
            (tr("Are you sure ?") + (station.isEmpty() ? QString() : "\r\n" + station)).toStdString(),
            host_.facts().titleText, Buttons::YesNoDefaultNo) != Answer::Yes) {
        delete_->setChecked(false);
        return;
    }
    deleteEntry();
}

void DirectoryEntryPage::deleteEntry() {
    DeleteEntry(entries(), number_);
    fill({Page::DirectoryEntry, directory_, number_});
    host_.markModified();
}

void DirectoryEntryPage::checkName(TextField &field) {
    DirectoryEntry *edited = entry();
    const std::string text = FromQString(field.text());
    if (edited != nullptr && !Trim(text).empty()) {
        edited->TagName = text;
    }
}

std::optional<std::string> DirectoryEntryPage::checkMmsi(TextField &field) {
    DirectoryEntry *edited = entry();
    const NumberKind kind = group() ? NumberKind::GroupMmsi : NumberKind::Mmsi;
    const std::optional<std::string> value = FixedLengthValue(FromQString(field.text()), kind);
    if (edited == nullptr) {
        return std::nullopt;
    }
    if (!value) {
        return DirectoryTitle(group()).toStdString();
    }
    edited->Mmsid = *value;
    mmsiNote_->showNumber(*value);
    if (value->empty()) {
        deleteEntry(); // an entry without a number is no entry
    }
    return std::nullopt;
}

bool DirectoryEntryPage::validate() {
    return name_->validate() && mmsi_->validate();
}

} // namespace klt
