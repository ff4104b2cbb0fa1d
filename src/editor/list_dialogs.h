#pragma once
// Two small windows of lists: the differences of File > Compare with..., and the backups of
// File > Backups..., from which one is opened.

#include "app/backups.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace klt {

// One line per difference, or a line saying there is none; closed with OK.
void ShowDifferences(QWidget *parent, const QString &title, const std::vector<std::string> &lines);

// The backups, newest first; the one to open, or an empty path when the user cancelled.
std::filesystem::path ChooseBackup(QWidget *parent, const std::vector<BackupInfo> &backups);

} // namespace klt
