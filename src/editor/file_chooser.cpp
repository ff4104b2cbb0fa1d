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

QString QtFileChooser::saveFile(QWidget *parent, const QString &filter, const QString &folder) {
    return QFileDialog::getSaveFileName(parent, QString(), folder, QtFilter(filter), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

} // namespace klt
