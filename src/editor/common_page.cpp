#include "editor/common_page.h"

#include "editor/control_hints.h"
#include "editor/qt_text.h"
#include "model/value_codecs.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace klt {

namespace {

constexpr int kOffsetZero = 24; // the offset list starts at -12:00, stored as -24 half hours
constexpr std::int16_t kWeatherAlertOn = 3;
constexpr int kMarkerWidth = 14;

// A stored number as a list position, -1 when the list has no entry for it.
int Within(int value, int count) {
    return value >= 0 && value < count ? value : -1;
}

std::int16_t Stored(int position) {
    return static_cast<std::int16_t>(position);
}

// The offsets are the core's texts, as the report writes them.
std::vector<QString> OffsetEntries() {
    std::vector<QString> entries;
    for (const std::string &text : OffsetTexts()) {
        entries.push_back(ToQString(text));
    }
    return entries;
}

} // namespace

CommonPage::CommonPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictCommon");
    using R = CommonSetupRecord;
    const auto flag = [](bool R::*field) {
        return std::pair{std::function<int(const R &)>([field](const R &r) { return r.*field ? 1 : 0; }),
                         std::function<void(R &, int)>([field](R &r, int p) { r.*field = p == 1; })};
    };
    const auto number = [](std::int16_t R::*field, int count) {
        return std::pair{
            std::function<int(const R &)>([field, count](const R &r) { return Within(r.*field, count); }),
            std::function<void(R &, int)>([field](R &r, int p) { r.*field = Stored(p); })};
    };
    const std::vector<QString> offOn = {tr("Off"), tr("On")};
    const auto make = [this](const char *name, const QString &label, const std::vector<QString> &entries,
                             const auto &rule) {
        return setting(name, label, entries, rule.first, rule.second);
    };

    const Setting txPo =
        make("cmbCommonTXPo", tr("TX Po Display"),
             {tr("Lo Po Only"), tr("Lo Po on Changing CH"), tr("Last TX Po")}, number(&R::TxPoDisplay, 3));
    const Setting scan = make("cmbCommonScan", tr("Scanning Function"), offOn, flag(&R::Scan));
    const Setting resume =
        make("cmbCommonResume", tr("Resume Time"),
             {tr("1Sec"), tr("2Sec"), tr("3Sec"), tr("4Sec"), tr("5Sec")}, number(&R::ResumeTime, 5));
    const Setting ptt = make("cmbCommonPTTSCAN", tr("PTT SCAN Clear"), offOn, flag(&R::PttScanClear));
    const Setting dual = make("cmbCommonDual", tr("Dual Watch"), offOn, flag(&R::DualWatch));
    const Setting display =
        make("cmbCommonTimedisplay", tr("Display"), {tr("UTC"), tr("Local")}, flag(&R::TimeDisplay));
    const Setting offset = setting(
        "cmbCommonOffset", tr("Offset"), OffsetEntries(),
        [](const R &r) { return Within(r.OffsetTime + kOffsetZero, static_cast<int>(OffsetTexts().size())); },
        [](R &r, int p) { r.OffsetTime = Stored(p - kOffsetZero); });
    const Setting format = make("cmbCommonFormat", tr("Format"), {tr("12H"), tr("24H")}, flag(&R::Format));
    const Setting alert = setting(
        "cmbCommonWeater", tr("Weather Alert"), offOn,
        [](const R &r) { return r.Weater == kWeatherAlertOn ? 1
                                : r.Weater == 0             ? 0
                                                            : -1; },
        [](R &r, int p) {
            r.Weater = static_cast<std::int16_t>(p == 1 ? kWeatherAlertOn : p == 0 ? 0 : 255);
        });
    const Setting sog =
        make("cmbCommonSOG", tr("SOG"), {tr("KTS"), tr("MPH"), tr("KMH")}, number(&R::Sog, 3));
    const Setting distance =
        make("cmbCommonDistance", tr("Distance"), {tr("Nm"), tr("Sm"), tr("Km")}, number(&R::Distance, 3));
    const Setting altitude =
        make("cmbCommonAltitude", tr("Altitude"), {tr("feet"), tr("m")}, number(&R::Altitude, 2));

    scan_ = scan.list;
    scanDependents_ = {resume.list, resume.label, ptt.list, ptt.label};
    auto *left = new QVBoxLayout;
    left->addWidget(area("fraCommonTXMode", tr("Starting TX Mode"), {txPo}));
    left->addWidget(area("fraCommonScan", tr("Scanning Function"), {scan, resume, ptt}));
    left->addWidget(area("fraCommonDual", tr("Dual Watch"), {dual}));
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(area("fraCommonTime", tr("Time Setup"), {display, offset, format}));
    right->addWidget(area("fraCommonWeather", tr("Weather CH Function"), {alert}));
    right->addWidget(area("fraCommonUnits", tr("Units of Measure"), {sog, distance, altitude}));
    right->addStretch(1);
    auto *columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
}

CommonPage::Setting CommonPage::setting(const char *name, const QString &label,
                                        const std::vector<QString> &entries,
                                        std::function<int(const CommonSetupRecord &)> position,
                                        std::function<void(CommonSetupRecord &, int)> store) {
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    SetHint(list, HintText(kListHint));
    for (const QString &entry : entries) {
        list->addItem(entry);
    }
    auto *caption = new QLabel(label, this);
    caption->setObjectName(QString(name).replace("cmb", "lbl"));
    caption->setBuddy(list);
    Setting made{list, caption, std::move(position), std::move(store)};
    settings_.push_back(made);
    connect(list, &QComboBox::activated, this, [this, made](int item) {
        made.store(host_.config().Common, item);
        if (made.list == scan_) {
            applyScanRule();
        }
        host_.markModified();
    });
    return made;
}

QWidget *CommonPage::area(const char *name, const QString &caption, const std::vector<Setting> &settings) {
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    auto *grid = new QGridLayout(frame);
    int row = 0;
    for (const Setting &s : settings) {
        s.label->setParent(frame);
        s.list->setParent(frame);
        const bool dependent = s.list != scan_ && std::string(name) == "fraCommonScan";
        if (dependent) {
            // The scan area's lines tie the two settings that only count while scanning is on.
            auto *line = new QFrame(frame);
            line->setObjectName("linScan_" + QString::number(scanLines_.size()));
            line->setFrameShape(QFrame::HLine);
            line->setFixedWidth(kMarkerWidth);
            scanLines_.push_back(line);
            grid->addWidget(line, row, 0);
        }
        grid->addWidget(s.label, row, dependent ? 1 : 0, 1, dependent ? 1 : 2);
        grid->addWidget(s.list, row++, 2);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

void CommonPage::fill(const PageTarget &) {
    const CommonSetupRecord &common = host_.config().Common;
    for (const Setting &s : settings_) {
        s.list->setCurrentIndex(s.position(common));
    }
    applyScanRule();
    setEnabled(true);
}

void CommonPage::applyScanRule() {
    const bool on = scan_->currentIndex() == 1;
    for (QWidget *control : scanDependents_) {
        control->setEnabled(on);
    }
    for (QFrame *line : scanLines_) {
        line->setEnabled(on);
    }
}

} // namespace klt
