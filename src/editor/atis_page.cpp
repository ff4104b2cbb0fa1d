#include "editor/atis_page.h"

#include "editor/identity_note.h"

#include "editor/control_hints.h"
#include "editor/read_only_look.h"
#include "editor/number_field.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"
#include "model/image_layout.h"
#include "model/number_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace klt {

namespace {

constexpr int kAtisCodeLength = static_cast<int>(kAtisCodeDigits);

QString Indexed(const char *name, std::size_t index) {
    return QString(name) + "_" + QString::number(index);
}

QString GroupCaption(const Configuration &config, std::size_t group) {
    const QString base =
        group == kExpGroup ? AtisPage::tr("EXP CH Group") : AtisPage::tr("Group%1").arg(group + 1);
    const std::string &name = config.Groups[group].StatusName;
    return name.empty() ? base : base + "[" + ToQString(name) + "]";
}

} // namespace

AtisPage::AtisPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictATIS");
    const auto boxes = [this](const QString &caption, const char *area, const char *name,
                              std::array<QCheckBox *, kGroupCount> &into,
                              std::array<bool, 4> AtisCommonRecord::*flags) {
        auto *frame = new QGroupBox(caption, this);
        frame->setObjectName(area);
        auto *column = new QVBoxLayout(frame);
        for (std::size_t k = 0; k < into.size(); ++k) {
            into[k] = new QCheckBox(frame);
            into[k]->setObjectName(Indexed(name, k));
            SetHint(into[k], HintText(kBoxHint));
            column->addWidget(into[k]);
            connect(into[k], &QCheckBox::clicked, this, [this, flags, k](bool on) {
                if (isEnabled()) {
                    (host_.config().Atis.*flags)[k] = on;
                    host_.markModified();
                }
            });
        }
        return frame;
    };
    QWidget *usable = boxes(tr("Usable ATIS CH Group"), "fraATISChGroup", "chkATISChGroup", groups_,
                            &AtisCommonRecord::UsableAtisChGroup);
    QWidget *killer = boxes(tr("Usable ATIS Killer CH Group"), "fraATISKiller", "chkATISKiller", killers_,
                            &AtisCommonRecord::UsableAtisKikkerChGroup);
    // The radio's memory has no place for the killer groups: they are kept in the settings files only.
    killer->setToolTip(
        tr("Kept in settings files only: the radio's memory has no place for these settings."));

    codeLabel_ = new QLabel(tr("ATIS Code"), this);
    codeLabel_->setObjectName("lblATIScode");
    code_ = new TextField("txtATIScode", tr("Numeric Only. Indispensable 10 figures."), KeyFilter::Digits,
                          kAtisCodeLength, this);
    code_->setFixedWidth(code_->fontMetrics().horizontalAdvance("00000000000") + 16);
    codeLabel_->setBuddy(code_);
    code_->setRefusalNote(tr("An ATIS code has 10 digits: 9, the country's three, and six more."));
    SetNumberRule(*code_, host_.ui(),
                  {NumberKind::AtisCode, tr("ATISNo").toStdString(), [this](const std::string &value) {
                       host_.config().Atis.AtisCode = value;
                       codeNote_->showNumber(value);
                   }});
    codeNote_ = new IdentityNote("lblATIScodeCountry", IdentityPlace::AtisCode, this);
    connect(code_, &TextField::edited, this, [this] { host_.markModified(); });
    auto *clear = new QPushButton(tr("ATIS Clear"), this);
    clear->setObjectName("cmdAtisClear");
    count_ = new QLineEdit(this);
    count_->setObjectName("txtACount");
    count_->setAccessibleName(tr("ATIS code settings left"));
    count_->setReadOnly(true);
    ShowReadOnlyAsSuch(*count_);
    count_->setFocusPolicy(Qt::NoFocus);
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance("0000") + 12);
    connect(clear, &QPushButton::clicked, this, [this] {
        if (!host_.checkPage()) {
            return;
        }
        if (host_.runOperation(Operation::ClearAtis)) {
            fill({Page::Atis});
            host_.markModified();
        }
        showCount();
    });

    auto *areas = new QHBoxLayout;
    areas->addWidget(usable);
    areas->addWidget(killer);
    areas->addStretch(1);
    auto *code = new QGridLayout;
    code->addWidget(codeLabel_, 0, 0);
    code->addWidget(code_, 0, 1);
    code->addWidget(codeNote_, 0, 2);
    code->addWidget(clear, 1, 0);
    code->addWidget(count_, 1, 1, Qt::AlignLeft);
    code->setColumnStretch(2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(areas);
    layout->addLayout(code);
    layout->addStretch(1);
}

void AtisPage::fill(const PageTarget &) {
    const Configuration &config = host_.config();
    bool anyUsable = false;
    for (std::size_t k = 0; k < groups_.size(); ++k) {
        groups_[k]->setChecked(config.Atis.UsableAtisChGroup[k]);
        killers_[k]->setChecked(config.Atis.UsableAtisKikkerChGroup[k]);
        groups_[k]->setText(GroupCaption(config, k));
        killers_[k]->setText(GroupCaption(config, k));
        anyUsable = anyUsable || config.Groups[k].Usable;
    }
    code_->fill(ToQString(config.Atis.AtisCode));
    codeNote_->showNumber(config.Atis.AtisCode);
    code_->setEnabled(anyUsable);
    codeLabel_->setEnabled(anyUsable);
    showCount();
    setEnabled(true);
}

void AtisPage::showCount() {
    // The byte after the ATIS code counts how often the radio still lets it be set.
    count_->setText(QString::number(host_.image().at(layout::kAtisCodePresent)));
}

bool AtisPage::validate() {
    return code_->validate();
}

} // namespace klt
