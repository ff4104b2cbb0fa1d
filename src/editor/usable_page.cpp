#include "editor/usable_page.h"

#include "editor/channel_display.h"
#include "editor/control_hints.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"
#include "model/field_rules.h"
#include "model/name_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace klt {

namespace {

const char *const kRowCaptions[] = {
    QT_TRANSLATE_NOOP("klt::UsablePage", "Group1"), QT_TRANSLATE_NOOP("klt::UsablePage", "Group2"),
    QT_TRANSLATE_NOOP("klt::UsablePage", "Group3"), QT_TRANSLATE_NOOP("klt::UsablePage", "EXP CH Group")};

QString Indexed(const char *name, std::size_t index) {
    return QString(name) + "_" + QString::number(index);
}

QComboBox *List(const QString &name, QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setMinimumContentsLength(5);
    SetHint(list, HintText(kListHint));
    return list;
}

QLabel *Label(const QString &name, const QString &caption, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLabel *Heading(const char *name, const QString &caption, QWidget *parent) {
    QLabel *heading = Label(name, caption, parent);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

// The item of a list whose stored channel position equals the value; -1 when none does.
int ItemOf(const QComboBox *list, int value) {
    return list->findData(value);
}

} // namespace

UsablePage::UsablePage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictUsable");
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        buildRow(i);
    }
    auto *area = new QWidget(this);
    area->setObjectName("fraEXP");
    auto *boxes = new QHBoxLayout(area);
    boxes->setContentsMargins(0, 0, 0, 0);
    for (std::size_t j = 0; j < expansionGroups_.size(); ++j) {
        auto *box = new QCheckBox(area);
        box->setObjectName(Indexed("chkEXP", j));
        SetHint(box, HintText(kBoxHint));
        boxes->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, j](bool on) {
            host_.config().Groups[kExpGroup].ExpChGroup[j] = on;
            host_.markModified();
        });
        expansionGroups_[j] = box;
    }
    boxes->addStretch(1);

    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(5, 1);
    int line = 0;
    grid->addWidget(Heading("lblUsableHead_0", tr("Usable Channel Groups"), this), line++, 0, 1, 6);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i == kExpGroup) {
            grid->addWidget(Heading("lblUsableHead_1", tr("Expansion Channel Groups"), this), line++, 0, 1,
                            6);
        }
        const Row &row = rows_[i];
        // Tab reads the row as the eye does: the group, its name beside it, then its channels below.
        setTabOrder(row.usable, row.name);
        setTabOrder(row.name, row.priority);
        if (row.second != nullptr) {
            setTabOrder(row.priority, row.second);
        }
        grid->addWidget(row.usable, line, 0, 1, 2);
        grid->addWidget(row.nameLabel, line, 2);
        grid->addWidget(row.name, line++, 3);
        grid->addWidget(row.priorityLabel, line, 1);
        grid->addWidget(row.priority, line, 2);
        if (row.second != nullptr) {
            grid->addWidget(row.secondLabel, line, 3);
            grid->addWidget(row.second, line, 4);
        }
        ++line;
    }
    grid->addWidget(area, line++, 1, 1, 5);
    grid->setColumnMinimumWidth(0, 12);
    grid->setRowStretch(line, 1);
}

void UsablePage::buildRow(std::size_t i) {
    Row &row = rows_[i];
    row.usable = new QCheckBox(tr(kRowCaptions[i]), this);
    row.usable->setObjectName(Indexed("chkUsable", i));
    SetHint(row.usable, HintText(kBoxHint));
    row.priorityLabel = Label(Indexed("lblUsablePri", i), tr("Priority CH"), this);
    row.priority = List(Indexed("cmbUsablePri", i), this);
    if (i < kPlanGroupCount) {
        row.secondLabel = Label(Indexed("lblUsableSec", i), tr("Second CH"), this);
        row.second = List(Indexed("cmbUsableSec", i), this);
    }
    row.nameLabel = Label(Indexed("lblUsable", i), tr("Status Name"), this);
    row.name = new TextField(Indexed("txtUsable", i), tr("max 4 charactors."), KeyFilter::StatusName,
                             static_cast<int>(kStatusNameLength), this);
    row.name->setFixedWidth(row.name->fontMetrics().horizontalAdvance("WWWW") + 16);
    // Every row has the same captions: the row's group goes into each name. A combo box on Linux says
    // its label (the buddy) and its value; elsewhere its name.
    row.priorityLabel->setBuddy(row.priority);
    row.nameLabel->setBuddy(row.name);
    row.priority->setAccessibleName(tr("%1, Priority CH").arg(row.usable->text()));
    row.name->setAccessibleName(tr("%1, Status Name").arg(row.usable->text()));
    if (row.second != nullptr) {
        row.secondLabel->setBuddy(row.second);
        row.second->setAccessibleName(tr("%1, Second CH").arg(row.usable->text()));
    }

    connect(row.usable, &QCheckBox::clicked, this, [this, i] { applyUsability(i); });
    connect(row.priority, &QComboBox::activated, this, [this, i](int item) {
        host_.config().Groups[i].PriorityCh = rows_[i].priority->itemData(item).toInt();
        host_.markModified();
    });
    if (row.second != nullptr) {
        connect(row.second, &QComboBox::activated, this, [this, i](int item) {
            if (rows_[i].second->isVisibleTo(this)) {
                host_.config().Groups[i].SecondCh = rows_[i].second->itemData(item).toInt();
                host_.markModified();
            }
        });
    }
    connect(row.name, &TextField::edited, this, [this] { host_.markModified(); });
    connect(row.name, &TextField::enterPressed, this, [this, i] { storeStatusName(i); });
    row.name->setLeaveCheck(host_.ui(), [this, i](TextField &) {
        storeStatusName(i);
        return std::nullopt;
    });
}

void UsablePage::fillLists(std::size_t i) {
    Row &row = rows_[i];
    for (QComboBox *list : {row.priority, row.second}) {
        if (list != nullptr) {
            list->clear();
        }
    }
    if (i >= kPlanGroupCount) {
        return; // the expansion group offers no priority channel
    }
    for (const ChannelRecord &channel : PlanTable(host_.config(), static_cast<int>(i))) {
        if (!channel.Enable) {
            continue;
        }
        const QString name = ToQString(PlanChannelName(channel.Position));
        row.priority->addItem(name, int{channel.Position});
        row.second->addItem(name, int{channel.Position});
    }
}

void UsablePage::fill(const PageTarget &) {
    const Configuration &config = host_.config();
    const bool second = HasSecondPriorityChannel(host_.facts().model);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row &row = rows_[i];
        const GroupSetupRecord &group = config.Groups[i];
        fillLists(i);
        row.usable->setChecked(group.Usable);
        row.priority->setCurrentIndex(ItemOf(row.priority, group.PriorityCh));
        if (row.second != nullptr) {
            row.secondLabel->setVisible(second);
            row.second->setVisible(second);
            row.second->setCurrentIndex(ItemOf(row.second, group.SecondCh));
        }
        row.name->fill(ToQString(group.StatusName));
    }
    for (std::size_t j = 0; j < expansionGroups_.size(); ++j) {
        expansionGroups_[j]->setChecked(config.Groups[kExpGroup].ExpChGroup[j]);
    }
    refreshGroupBoxCaptions();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        showUsability(i); // the controls as the records allow: showing is no edit
    }
    setEnabled(true);
}

void UsablePage::showUsability(std::size_t i) {
    Row &row = rows_[i];
    const bool on = row.usable->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{row.priorityLabel, row.priority, row.secondLabel,
                                                             row.second, row.nameLabel, row.name}) {
        if (control != nullptr) {
            control->setEnabled(on);
        }
    }
    if (i == kExpGroup) {
        for (QCheckBox *box : expansionGroups_) {
            box->setEnabled(on);
        }
    } else if (!on) {
        expansionGroups_[i]->setChecked(false);
    }
}

void UsablePage::applyUsability(std::size_t i) {
    Configuration &config = host_.config();
    const bool on = rows_[i].usable->isChecked();
    config.Groups[i].Usable = on;
    showUsability(i);
    if (i != kExpGroup && !on) {
        // A group the radio may not use cannot be part of the expansion channel group either.
        config.Groups[kExpGroup].ExpChGroup[i] = false;
    }
    host_.groupUsabilityChanged();
    host_.markModified();
}

void UsablePage::storeStatusName(std::size_t i) {
    TextField *field = rows_[i].name;
    const std::string name = StatusNameOf(FromQString(field->text()));
    host_.config().Groups[i].StatusName = name;
    field->fill(ToQString(name));
    refreshGroupBoxCaptions();
    host_.statusNamesChanged();
}

void UsablePage::refreshGroupBoxCaptions() {
    const Configuration &config = host_.config();
    for (std::size_t j = 0; j < expansionGroups_.size(); ++j) {
        const std::string &name = config.Groups[j].StatusName;
        expansionGroups_[j]->setText(tr("Group%1").arg(j + 1) +
                                     (name.empty() ? QString() : "[" + ToQString(name) + "]"));
    }
}

bool UsablePage::validate() {
    for (Row &row : rows_) {
        if (row.name->hasFocus() || row.name->dirty()) {
            row.name->validate();
        }
    }
    return true;
}

} // namespace klt
