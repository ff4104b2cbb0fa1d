#pragma once
// frmFleet: Transfer > Program Several Radios. A table with one row per radio (a plan loaded from a
// spreadsheet file, or typed in), each with its own progress bar and result; Start programs them all
// at once with the window's configuration as their base, through the same fleet code as klt-cli fleet.

#include "app/app_context.h"
#include "app/fleet_run.h"
#include "editor/gui_services.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QThread;

namespace klt {

class FleetDialog final : public QDialog {
    Q_OBJECT
public:
    FleetDialog(const AppContext &ctx, GuiServices &services, QWidget *parent);
    ~FleetDialog() override;

    // The plan as a spreadsheet file holds it, header first; false (said in the dialog) when it cannot
    // be read as one.
    bool loadPlan(const QString &text);
    // The plan in the table, as a spreadsheet file holds it: kept by the window for the next opening.
    QString plan() const { return QString::fromStdString(planText()); }
    // What the last run came to, for the window's status bar; empty before any run.
    QString outcome() const { return outcome_; }
    // Checks the plan and starts every radio; false (said in a message) when the plan is refused.
    bool start();
    bool running() const { return thread_ != nullptr; }
    void cancel();

    // Closing waits until no radio is being programmed: while one is, it cancels them all.
    void reject() override;

signals:
    void fleetFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTable(const std::vector<std::string> &columns);
    std::string planText() const;
    void chooseAndLoad();
    void addRadio();
    void removeRadio();
    void showRadio(std::size_t radio, const FleetRadioState &state);
    void finish();
    void setEditable(bool editable);

    const AppContext &ctx_;
    GuiServices &services_;
    std::vector<std::string> columns_; // the plan's columns; progress and result follow them
    CancelRequest cancel_;
    FleetJob job_;
    std::vector<FleetRadioState> states_;
    QString outcome_;
    std::unique_ptr<QThread> thread_;
    QTableWidget *table_;
    QLabel *summary_;
    QCheckBox *force_;
    QPushButton *load_, *add_, *remove_, *start_, *cancelButton_, *close_;
};

} // namespace klt
