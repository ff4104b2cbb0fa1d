#include "editor/file_chooser.h"

#include <QFileDialog>
#include <QStringList>

namespace klt {

QString QtFilter(const QString &filter) {
    const QStringList parts = filter.split('|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) {
        names << parts[i];
    }
    return names.join(";;");
}

QString QtFileChooser::openFile(QWidget *parent, const QString &filter, const QString &folder) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, QtFilter(filter), nullptr,
                                        QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
}

QString FilterSuffix(const QString &filter) {
    const QString pattern = filter.section('|', 1, 1);
    return pattern.startsWith("*.") && pattern != "*.*" ? pattern.mid(2) : QString();
}

QString QtFileChooser::saveFile(QWidget *parent, const QString &filter, const QString &folder) {
    QFileDialog dialog(parent, QString(), folder, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // "saved1" becomes "saved1.dat": a file the Open dialog's filter then shows.
    dialog.setDefaultSuffix(FilterSuffix(filter));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace klt
