#include "editor/list_dialogs.h"

#include "editor/qt_text.h"

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

void ShowDifferences(QWidget *parent, const QString &title, const std::vector<std::string> &lines) {
    QDialog dialog(parent);
    dialog.setObjectName("frmCompare");
    dialog.setWindowTitle(title);
    dialog.resize(640, 420);
    auto *summary =
        new QLabel(lines.empty() ? "No setting differs."
                                 : QString::number(lines.size()) + " settings differ: [Section] Key: "
                                                                   "value here -> value in the file",
                   &dialog);
    auto *list = new QPlainTextEdit(&dialog);
    list->setObjectName("txtCompare");
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString text;
    for (const auto &line : lines) {
        text += QString::fromStdString(line) + '\n';
    }
    list->setPlainText(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.exec();
}

std::filesystem::path ChooseBackup(QWidget *parent, const std::vector<BackupInfo> &backups) {
    QDialog dialog(parent);
    dialog.setObjectName("frmBackups");
    dialog.setWindowTitle("Backups");
    dialog.resize(720, 400);
    auto *table = new QTableWidget(static_cast<int>(backups.size()), 4, &dialog);
    table->setObjectName("grdBackups");
    table->setHorizontalHeaderLabels({"Date", "Model", "User MMSI", "Stations"});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < table->rowCount(); ++row) {
        const BackupInfo &backup = backups[static_cast<std::size_t>(row)];
        int column = 0;
        for (const std::string &cell : {backup.date, backup.model, backup.userMmsi, backup.names}) {
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
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(backups.empty()
                                     ? "No read has been kept yet: every Read from Radio keeps one."
                                     : "Every Read from Radio keeps what it read; the newest 100 stay.",
                                 &dialog));
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || table->currentRow() < 0) {
        return {};
    }
    return backups[static_cast<std::size_t>(table->currentRow())].path;
}

} // namespace klt
