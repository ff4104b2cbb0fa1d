#pragma once
// The station directories: pictE lists every entry of the individual ("SM") or group ("SG")
// directory; pictG edits one entry, adds it after the entries in use, or deletes it.

#include "editor/page_host.h"

#include <QWidget>

#include <span>

class QCheckBox;
class QLabel;

namespace klt {

class RecordGrid;
class TextField;

class DirectoryTablePage final : public QWidget {
    Q_OBJECT
public:
    DirectoryTablePage(PageHost &host, QWidget *parent);

    void fill(const std::string &directory);

private:
    PageHost &host_;
    RecordGrid *grid_;
    std::string directory_;
};

class DirectoryEntryPage final : public QWidget {
    Q_OBJECT
public:
    DirectoryEntryPage(PageHost &host, QWidget *parent);

    void fill(const std::string &directory, int number);
    // The check before the page is left: the name and MMSI being typed are taken.
    bool validate();

private:
    std::span<DirectoryEntry> entries();
    DirectoryEntry *entry();
    bool group() const { return directory_ == "SG"; }
    bool mayWrite() const { return !filling_ && isEnabled(); }
    void setFieldsEnabled(bool enabled);
    void add();
    void remove();
    void deleteEntry();
    void checkName(TextField &field);
    void checkMmsi(TextField &field);

    PageHost &host_;
    std::string directory_;
    int number_ = 0;
    bool filling_ = false;
    QLabel *nameLabel_ = nullptr;
    TextField *name_ = nullptr;
    QLabel *mmsiLabel_ = nullptr;
    TextField *mmsi_ = nullptr;
    QCheckBox *add_ = nullptr;
    QCheckBox *delete_ = nullptr;
};

} // namespace klt
