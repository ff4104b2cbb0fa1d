#include "editor/general_page.h"

#include "app/backups.h"
#include "model/maritime_identity.h"
#include "model/model_catalogue.h"
#include "model/number_rules.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace klt {

namespace {

template <typename Records> int Enabled(const Records &records) {
    return static_cast<int>(
        std::count_if(records.begin(), records.end(), [](const auto &r) { return r.Enable; }));
}

QString Row(const QString &label, const QString &value) {
    return "<tr><td style='padding-right:16px'>" + label.toHtmlEscaped() + "</td><td>" +
           value.toHtmlEscaped() + "</td></tr>";
}

QString OfAll(int used, std::size_t all) {
    return QObject::tr("%1 of %2").arg(used).arg(static_cast<qulonglong>(all));
}

} // namespace

GeneralPage::GeneralPage(PageHost &host, QWidget *parent) : QWidget(parent), host_(host) {
    setObjectName("pictGeneral");
    auto *layout = new QVBoxLayout(this);
    // The program's name, as its title bar and its settings folder have it: a name is not translated.
    auto *title = new QLabel("KLT Programmer", this);
    title->setObjectName("pictGeneralTitle");
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    summary_ = new QLabel(this);
    summary_->setObjectName("lblGeneralSummary");
    summary_->setTextFormat(Qt::RichText);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(title);
    layout->addWidget(summary_);
    layout->addStretch(1);
}

void GeneralPage::fill(const PageTarget &) {
    const PageFacts facts = host_.facts();
    const Configuration &config = host_.config();
    QString rows;
    rows += Row(tr("Model"), QString::fromStdString(ModelName(facts.model)) +
                                 (facts.atis ? tr(", with ATIS") : QString()));
    rows += Row(tr("File"), facts.currentFile.empty() ? tr("none (not saved yet)")
                                                      : QString::fromStdString(facts.currentFile));
    const std::string &mmsi = config.DscBasic.UserMmsi;
    rows += Row(tr("User MMSI"),
                mmsi.empty() ? tr("none") : QString::fromStdString(MmsiWithCountry(MmsiForPeople(mmsi))));
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto &table = PlanTable(config, g);
        rows += Row(tr("Channels of Group%1").arg(g + 1), OfAll(Enabled(table), table.size()));
    }
    rows += Row(tr("EXP channels"), OfAll(Enabled(config.Expansion), config.Expansion.size()));
    rows += Row(tr("Weather channels"), OfAll(Enabled(config.Weather), config.Weather.size()));
    rows += Row(tr("Individual directory"), OfAll(Enabled(config.Individual), config.Individual.size()));
    rows += Row(tr("Group directory"), OfAll(Enabled(config.GroupDirectory), config.GroupDirectory.size()));
    const auto backups = ListBackups(BackupFolder(facts.programTitle));
    rows += Row(tr("Last backup"), backups.empty() ? tr("none yet")
                                                   : QString::fromStdString(backups.front().date + " (" +
                                                                            backups.front().kind + ")"));
    summary_->setText("<table>" + rows + "</table>");
    setEnabled(true);
}

} // namespace klt
