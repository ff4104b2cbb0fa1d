#include "editor/fleet_dialog.h"

#include "app/backups.h"
#include "files/csv.h"
#include "files/fleet_plan.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

namespace klt {

namespace {

QString PhaseText(FleetPhase phase) {
    switch (phase) {
    case FleetPhase::Waiting:
        return FleetDialog::tr("waiting");
    case FleetPhase::Reading:
        return FleetDialog::tr("reading");
    case FleetPhase::Programming:
        return FleetDialog::tr("programming");
    case FleetPhase::Verifying:
        return FleetDialog::tr("verifying");
    case FleetPhase::Done:
        return FleetDialog::tr("programmed and verified");
    case FleetPhase::Failed:
        return FleetDialog::tr("failed");
    case FleetPhase::Cancelled:
        return FleetDialog::tr("cancelled");
    case FleetPhase::Skipped:
        return FleetDialog::tr("skipped");
    }
    return {};
}

// The progress bar's few words: the result column says the rest.
QString BarText(const FleetRadioState &state) {
    return state.phase == FleetPhase::Done ? FleetDialog::tr("done")
           : FleetPhaseFinal(state.phase)  ? PhaseText(state.phase)
                                           : PhaseText(state.phase) + " %p%";
}

// "line 3 (PILOT 2): ... (line 2)" of the plan text as the table's rows: the header is line 1.
QString InRows(QString problem) {
    static const QRegularExpression line("\\bline (\\d+)");
    for (auto match = line.match(problem); match.hasMatch();
         match = line.match(problem, match.capturedStart() + 1)) {
        const int number = match.captured(1).toInt();
        problem.replace(match.capturedStart(), match.capturedLength(),
                        number <= 1 ? FleetDialog::tr("the header")
                                    : FleetDialog::tr("row %1").arg(number - 1));
    }
    return problem;
}

QString ResultText(const FleetRadioState &state) {
    if (state.reason.empty() || state.phase == FleetPhase::Done || !FleetPhaseFinal(state.phase)) {
        return PhaseText(state.phase);
    }
    return FleetDialog::tr("%1: %2").arg(PhaseText(state.phase), QString::fromStdString(state.reason));
}

std::vector<std::string> DefaultColumns(bool atis) {
    std::vector<std::string> columns = {"Port", "Name", "UserMMSI"};
    if (atis) {
        columns.emplace_back("AtisCode");
    }
    return columns;
}

} // namespace

FleetDialog::FleetDialog(const AppContext &ctx, GuiServices &services, QWidget *parent)
    : QDialog(parent), ctx_(ctx), services_(services) {
    setObjectName("frmFleet");
    setWindowTitle(tr("Program Several Radios"));
    auto *intro = new QLabel(tr("One row per radio. Each gets this window's configuration with its own user "
                                "MMSI, is read and kept among the backups first, and is read back after "
                                "programming. A radio that fails stops no other."),
                             this);
    intro->setWordWrap(true);
    load_ = new QPushButton(tr("&Load Plan..."), this);
    load_->setObjectName("cmdFleetLoad");
    add_ = new QPushButton(tr("&Add Radio"), this);
    add_->setObjectName("cmdFleetAdd");
    remove_ = new QPushButton(tr("Re&move Radio"), this);
    remove_->setObjectName("cmdFleetRemove");
    table_ = new QTableWidget(this);
    table_->setObjectName("tblFleet");
    table_->setAccessibleName(tr("Radios"));
    table_->verticalHeader()->setVisible(false);
    force_ = new QCheckBox(tr("Also program radios that hold an&other MMSI"), this);
    force_->setObjectName("chkFleetForce");
    summary_ = new QLabel(this);
    summary_->setObjectName("lblFleetSummary");
    summary_->setWordWrap(true);
    start_ = new QPushButton(tr("&Start"), this);
    start_->setObjectName("cmdFleetStart");
    start_->setDefault(true);
    cancelButton_ = new QPushButton(tr("&Cancel"), this);
    cancelButton_->setObjectName("cmdFleetCancel");
    cancelButton_->setEnabled(false);
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName("cmdFleetClose");

    auto *editing = new QHBoxLayout;
    editing->addWidget(load_);
    editing->addWidget(add_);
    editing->addWidget(remove_);
    editing->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(start_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(editing);
    layout->addWidget(table_, 1);
    layout->addWidget(force_);
    layout->addLayout(buttons);

    connect(load_, &QPushButton::clicked, this, &FleetDialog::chooseAndLoad);
    connect(add_, &QPushButton::clicked, this, &FleetDialog::addRadio);
    connect(remove_, &QPushButton::clicked, this, &FleetDialog::removeRadio);
    connect(start_, &QPushButton::clicked, this, &FleetDialog::start);
    connect(cancelButton_, &QPushButton::clicked, this, &FleetDialog::cancel);
    connect(close_, &QPushButton::clicked, this, &FleetDialog::reject);

    buildTable(DefaultColumns(ctx.AtisAvailable));
    addRadio();
    resize(860, 420);
    // Typing goes into the table: the first cell of the first row has the focus.
    table_->setFocus();
}

FleetDialog::~FleetDialog() {
    if (thread_) {
        cancel_.requested = true;
        thread_->wait();
    }
}

void FleetDialog::buildTable(const std::vector<std::string> &columns) {
    columns_ = columns;
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(static_cast<int>(columns.size()) + 2);
    QStringList labels;
    for (const std::string &column : columns) {
        labels << QString::fromStdString(column);
    }
    labels << tr("Progress") << tr("Result");
    table_->setHorizontalHeaderLabels(labels);
    // The plan's columns as wide as their texts, the progress bar wide enough for its phase, the
    // result the rest (in full in its tooltip).
    QHeaderView *header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(static_cast<int>(columns.size()), QHeaderView::Fixed);
    header->resizeSection(static_cast<int>(columns.size()), 190);
    header->setSectionResizeMode(static_cast<int>(columns.size()) + 1, QHeaderView::Stretch);
    table_->setWordWrap(false);
}

void FleetDialog::addRadio() {
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
        table_->setItem(row, column, new QTableWidgetItem);
    }
    auto *progress = new QProgressBar;
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setAccessibleName(tr("Progress of row %1").arg(row + 1));
    table_->setCellWidget(row, static_cast<int>(columns_.size()), progress);
    auto *result = new QTableWidgetItem;
    result->setFlags(result->flags() & ~Qt::ItemIsEditable);
    table_->setItem(row, static_cast<int>(columns_.size()) + 1, result);
    table_->setCurrentCell(row, 0);
}

void FleetDialog::removeRadio() {
    if (table_->currentRow() >= 0) {
        table_->removeRow(table_->currentRow());
    }
}

bool FleetDialog::loadPlan(const QString &text) {
    int openLine = 0;
    const auto records = ParseCsv(text.toStdString(), openLine);
    if (!records || records->empty()) {
        summary_->setText(records ? tr("The plan is empty.")
                                  : tr("Line %1 of the plan: a quoted field is not closed.").arg(openLine));
        return false;
    }
    buildTable(records->front().fields);
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        addRadio();
        for (std::size_t column = 0; column < record->fields.size() && column < columns_.size(); ++column) {
            table_->item(table_->rowCount() - 1, static_cast<int>(column))
                ->setText(QString::fromStdString(record->fields[column]));
        }
    }
    summary_->setText(table_->rowCount() == 1 ? tr("One radio in the plan.")
                                              : tr("%1 radios in the plan.").arg(table_->rowCount()));
    return true;
}

void FleetDialog::chooseAndLoad() {
    const QString path =
        services_.files.openFile(this, tr("Fleet plans(*.csv)|*.csv|All files(*.*)|*.*"), {});
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        summary_->setText(tr("%1 cannot be read: %2").arg(path, file.errorString()));
        return;
    }
    loadPlan(QString::fromUtf8(file.readAll()));
}

std::string FleetDialog::planText() const {
    std::string text = CsvLine(columns_);
    for (int row = 0; row < table_->rowCount(); ++row) {
        std::vector<std::string> fields;
        for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
            const QTableWidgetItem *item = table_->item(row, column);
            fields.push_back(item != nullptr ? item->text().trimmed().toStdString() : std::string());
        }
        text += CsvLine(fields);
    }
    return text;
}

void FleetDialog::setEditable(bool editable) {
    // Qt's own triggers, not a mere move of the current cell: progress and result take no editing.
    table_->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                           QAbstractItemView::AnyKeyPressed
                                     : QAbstractItemView::NoEditTriggers);
    for (QWidget *widget :
         {static_cast<QWidget *>(load_), static_cast<QWidget *>(add_), static_cast<QWidget *>(remove_),
          static_cast<QWidget *>(force_), static_cast<QWidget *>(start_), static_cast<QWidget *>(close_)}) {
        widget->setEnabled(editable);
    }
    cancelButton_->setEnabled(!editable);
}

bool FleetDialog::start() {
    if (running()) {
        return false;
    }
    const FleetPlan plan = ReadFleetPlan(planText(), ctx_.Config, ctx_.CurrentModel, ctx_.AtisAvailable);
    if (plan.problem) {
        // The plan's lines are the table's rows here; the first row it names is selected.
        const QString problem = QString::fromStdString(*plan.problem);
        static const QRegularExpression firstLine("^line (\\d+)");
        if (const auto match = firstLine.match(problem); match.hasMatch() && match.captured(1).toInt() >= 2) {
            table_->setCurrentCell(match.captured(1).toInt() - 2, 0);
        }
        ctx_.ui.message(MessageIcon::Exclamation,
                        tr("No radio was touched: %1").arg(InRows(problem)).toStdString(),
                        windowTitle().toStdString());
        return false;
    }
    job_ = {};
    job_.model = ctx_.CurrentModel;
    job_.modelName = ctx_.ModelName;
    job_.atis = ctx_.AtisAvailable;
    job_.base = ctx_.Config;
    job_.baseImage = ctx_.Image;
    job_.radios = plan.radios;
    job_.force = force_->isChecked();
    job_.slowLink = ctx_.SlowLinkMode;
    job_.backupFolder = BackupFolder(ctx_.ProgramTitle);
    states_.assign(job_.radios.size(), {});
    for (std::size_t radio = 0; radio < job_.radios.size(); ++radio) {
        showRadio(radio, {});
    }
    cancel_.requested = false;
    FleetServices services;
    services.openLine = services_.openFleetLine;
    services.runAtOnce = services_.runAtOnce;
    // Each radio's thread tells the window's, which shows it.
    services.report = [this](std::size_t radio, const FleetRadioState &state) {
        QMetaObject::invokeMethod(
            this, [this, radio, state] { showRadio(radio, state); }, Qt::QueuedConnection);
    };
    thread_.reset(QThread::create([this, services] { states_ = RunFleet(job_, services, cancel_); }));
    connect(thread_.get(), &QThread::finished, this, &FleetDialog::finish, Qt::QueuedConnection);
    setEditable(false);
    summary_->setText(job_.radios.size() == 1 ? tr("Programming one radio...")
                                              : tr("Programming %1 radios...").arg(job_.radios.size()));
    thread_->start();
    return true;
}

void FleetDialog::showRadio(std::size_t radio, const FleetRadioState &state) {
    // A plan's row is its line in the plan text, after the header.
    const int row = job_.radios[radio].line - 2;
    if (auto *progress =
            qobject_cast<QProgressBar *>(table_->cellWidget(row, static_cast<int>(columns_.size())))) {
        progress->setValue(state.percent);
        progress->setFormat(BarText(state));
    }
    if (QTableWidgetItem *result = table_->item(row, static_cast<int>(columns_.size()) + 1)) {
        result->setText(ResultText(state));
        result->setToolTip(state.backup
                               ? ResultText(state) + "\n" +
                                     tr("Backup: %1").arg(QString::fromStdString(state.backup->string()))
                               : ResultText(state));
    }
}

void FleetDialog::finish() {
    if (!thread_) {
        return;
    }
    thread_->wait();
    thread_.reset();
    int done = 0;
    for (std::size_t radio = 0; radio < states_.size(); ++radio) {
        showRadio(radio, states_[radio]);
        done += states_[radio].phase == FleetPhase::Done ? 1 : 0;
    }
    outcome_ = done == static_cast<int>(states_.size())
                   ? tr("Every radio was programmed and verified.")
                   : tr("%1 of %2 radios were programmed and verified; the table says what became of "
                        "the others.")
                         .arg(done)
                         .arg(states_.size());
    summary_->setText(outcome_);
    setEditable(true);
    emit fleetFinished();
}

void FleetDialog::cancel() {
    if (running()) {
        cancel_.requested = true;
        summary_->setText(tr("Cancelling: each radio stops at its next step..."));
    }
}

void FleetDialog::reject() {
    // The radios stop first: the dialog closes only when none is being programmed.
    if (running()) {
        cancel();
        return;
    }
    QDialog::reject();
}

void FleetDialog::closeEvent(QCloseEvent *event) {
    if (running()) {
        cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace klt
