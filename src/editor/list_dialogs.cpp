#include "editor/list_dialogs.h"

#include "editor/qt_text.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace klt {

// The dialogs' texts' translation context.
class ListDialogs {
    Q_DECLARE_TR_FUNCTIONS(klt::ListDialogs)
};

namespace {

// A read-only text in a fixed font under a line that introduces it, with OK; the text's view is named
// for the screen reader by the dialog's title and reached from the introduction's buddy.
void ShowTextDialog(QWidget *parent, const QString &dialogName, const QString &viewName, const QString &title,
                    const QString &intro, const QString &text, QSize size) {
    QDialog dialog(parent);
    dialog.setObjectName(dialogName);
    dialog.setWindowTitle(title);
    dialog.resize(size);
    auto *label = new QLabel(intro, &dialog);
    auto *view = new QPlainTextEdit(&dialog);
    view->setObjectName(viewName);
    view->setAccessibleName(title);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text);
    label->setBuddy(view);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

void ShowText(QWidget *parent, const char *name, const QString &title, const QString &intro,
              const QString &text) {
    ShowTextDialog(parent, name, QString(name) + "Text", title, intro, text, {720, 460});
}

void ShowDifferences(QWidget *parent, const QString &title, const std::vector<std::string> &lines) {
    const QString summary =
        lines.empty() ? ListDialogs::tr("No setting differs.")
                      : ListDialogs::tr("%1 settings differ: [Section] Key: value here -> value in the file")
                            .arg(lines.size());
    QString text;
    // The lines name the settings files' sections and keys: they stay as the files write them.
    for (const auto &line : lines) {
        text += QString::fromStdString(line) + '\n';
    }
    ShowTextDialog(parent, "frmCompare", "txtCompare", title, summary, text, {640, 420});
}

BackupChoice ChooseBackup(QWidget *parent, const std::vector<BackupInfo> &backups) {
    QDialog dialog(parent);
    dialog.setObjectName("frmBackups");
    dialog.setWindowTitle(ListDialogs::tr("Backups"));
    dialog.resize(720, 400);
    auto *table = new QTableWidget(static_cast<int>(backups.size()), 5, &dialog);
    table->setObjectName("grdBackups");
    table->setAccessibleName(ListDialogs::tr("Backups"));
    table->setHorizontalHeaderLabels({ListDialogs::tr("Date"), ListDialogs::tr("Model"),
                                      ListDialogs::tr("Kind"), ListDialogs::tr("User MMSI"),
                                      ListDialogs::tr("Stations")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < table->rowCount(); ++row) {
        const BackupInfo &backup = backups[static_cast<std::size_t>(row)];
        int column = 0;
        for (const std::string &cell :
             {backup.date, backup.model, backup.kind, backup.userMmsi, backup.names}) {
            table->setItem(row, column++, new QTableWidgetItem(QString::fromStdString(cell)));
        }
    }
    table->resizeColumnsToContents();
    if (!backups.empty()) {
        table->selectRow(0);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Open)->setObjectName("cmdOpen");
    buttons->button(QDialogButtonBox::Open)->setEnabled(!backups.empty());
    // Restore: what a clear erased goes back to the radio, a read's backup is programmed.
    QPushButton *restore =
        buttons->addButton(ListDialogs::tr("&Restore to Radio..."), QDialogButtonBox::ActionRole);
    restore->setObjectName("cmdRestore");
    restore->setEnabled(!backups.empty());
    bool restoring = false;
    QObject::connect(restore, &QPushButton::clicked, &dialog, [&dialog, &restoring] {
        restoring = true;
        dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        backups.empty()
            ? ListDialogs::tr("No backup has been kept yet: every read and every clear keeps one.")
            : ListDialogs::tr("Every read keeps what it read, every clear what it erased; the newest "
                              "100 stay."),
        &dialog));
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || table->currentRow() < 0) {
        return {};
    }
    return {backups[static_cast<std::size_t>(table->currentRow())], restoring};
}

} // namespace klt
