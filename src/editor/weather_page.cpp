#include "editor/weather_page.h"

#include "editor/control_hints.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"
#include "model/name_rules.h"
#include "model/reference_tables.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace klt {

namespace {

constexpr int kNameLength = static_cast<int>(kChannelNameLength);
// The caption of a row's box while it has the focus, so the row the keys act on stands out.
const char *const kFocusMark = ">";
const char *const kNoMark = " ";

QString Indexed(const char *name, std::size_t index) {
    return QString(name) + "_" + QString::number(index);
}

} // namespace

WeatherPage::WeatherPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictD");
    auto *grid = new QGridLayout(this);
    const QString headings[] = {tr("Weather CH"), tr("Enable"), tr("Scan Memory"), tr("CH Name")};
    for (int c = 0; c < 4; ++c) {
        auto *heading = new QLabel(headings[c], this);
        heading->setObjectName(Indexed("lblDHead", static_cast<std::size_t>(c)));
        grid->addWidget(heading, 0, c);
    }
    const auto &list = BuildWeatherList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        // The weather channels' names are the channel table's, as the radio shows them.
        Row row{new QLabel(ToQString(list[i].Label), this), new QCheckBox(kNoMark, this),
                new QCheckBox(kNoMark, this),
                new TextField(Indexed("txtDTagName", i), tr("A maximum of 12 characters"), KeyFilter::None,
                              kNameLength, this)};
        row.label->setObjectName(Indexed("lblWX", i));
        row.enable->setObjectName(Indexed("chkDEnable", i));
        row.scan->setObjectName(Indexed("chkDScan", i));
        row.enable->setAccessibleName(tr("%1, %2").arg(row.label->text(), headings[1]));
        row.scan->setAccessibleName(tr("%1, %2").arg(row.label->text(), headings[2]));
        row.name->setAccessibleName(tr("%1, %2").arg(row.label->text(), headings[3]));
        SetHint(row.enable, HintText(kWeatherEnableHint));
        SetHint(row.scan, HintText(kBoxHint));
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(row.label, line, 0);
        grid->addWidget(row.enable, line, 1);
        grid->addWidget(row.scan, line, 2);
        grid->addWidget(row.name, line, 3);
        for (QCheckBox *box : {row.enable, row.scan}) {
            box->installEventFilter(this);
        }
        connect(row.enable, &QCheckBox::clicked, this, [this, i](bool on) {
            applyEnableRule(i);
            if (ChannelRecord *r = record(i); r != nullptr && isEnabled()) {
                r->Enable = on;
                host_.markModified();
            }
        });
        connect(row.scan, &QCheckBox::clicked, this, [this, i](bool on) {
            if (ChannelRecord *r = record(i); r != nullptr && isEnabled()) {
                r->ScanMemory = on;
                host_.markModified();
            }
        });
        connect(row.name, &TextField::edited, this, [this, i] {
            if (ChannelRecord *r = record(i); r != nullptr && isEnabled()) {
                r->ChTag = FromQString(rows_[i].name->text());
                host_.markModified();
            }
        });
        rows_.push_back(row);
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(static_cast<int>(list.size()) + 1, 1);
}

ChannelRecord *WeatherPage::record(std::size_t row) {
    auto &weather = host_.config().Weather;
    return row < weather.size() ? &weather[row] : nullptr;
}

void WeatherPage::fill(const PageTarget &) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ChannelRecord *r = record(i);
        const Row &row = rows_[i];
        row.enable->setChecked(r != nullptr && r->Enable);
        row.scan->setChecked(r != nullptr && r->ScanMemory);
        row.name->fill(r != nullptr ? ToQString(r->ChTag) : QString());
        row.enable->setEnabled(r != nullptr);
        applyEnableRule(i);
    }
    setEnabled(true);
}

void WeatherPage::applyEnableRule(std::size_t row) {
    const bool on = rows_[row].enable->isChecked();
    rows_[row].scan->setEnabled(on);
    rows_[row].name->setEnabled(on);
}

bool WeatherPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *box = qobject_cast<QCheckBox *>(watched)) {
            box->setText(event->type() == QEvent::FocusIn ? kFocusMark : kNoMark);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace klt
