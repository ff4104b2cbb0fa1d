#pragma once
// Two small windows of lists: the differences of File > Compare with..., and the backups of
// File > Backups..., from which one is opened.

#include "app/backups.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace klt {

// A text to read (fixed-pitch, as a terminal shows it) under a line that says what it is; closed with OK.
void ShowText(QWidget *parent, const char *name, const QString &title, const QString &intro,
              const QString &text);

// One line per difference, or a line saying there is none; closed with OK.
void ShowDifferences(QWidget *parent, const QString &title, const std::vector<std::string> &lines);

// What the user chose in the backups' list: a backup to open, or to restore to the radio.
struct BackupChoice {
    std::optional<BackupInfo> backup; // nothing when the user cancelled
    bool restore = false;
};

// The backups, newest first, with what each is (a read, or what a clear erased).
BackupChoice ChooseBackup(QWidget *parent, const std::vector<BackupInfo> &backups);

} // namespace klt
