#pragma once
// The station directories: pictE lists every entry of the individual or the group directory; pictG
// edits one entry, adds it after the entries in use, or deletes it.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <optional>
#include <span>
#include <string>

class QCheckBox;
class QLabel;

namespace klt {

class RecordGrid;
class IdentityNote;
class TextField;

class DirectoryTablePage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    DirectoryTablePage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }
    // target.list: kIndividualDirectory or kGroupDirectory.
    void fill(const PageTarget &target) override;

private:
    PageHost &host_;
    RecordGrid *grid_;
    int directory_ = kIndividualDirectory;
};

class DirectoryEntryPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    DirectoryEntryPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }
    // target.list: the directory; target.index: the entry's number.
    void fill(const PageTarget &target) override;
    // The check before the page is left: the name and MMSI being typed are taken.
    bool validate() override;

private:
    std::span<DirectoryEntry> entries();
    DirectoryEntry *entry();
    bool group() const { return directory_ == kGroupDirectory; }
    bool mayWrite() const { return !filling_ && isEnabled(); }
    void setFieldsEnabled(bool enabled);
    void add();
    void remove();
    void deleteEntry();
    void checkName(TextField &field);
    // Nothing when the number was taken (or emptied), else the title of its refusal.
    std::optional<std::string> checkMmsi(TextField &field);

    PageHost &host_;
    int directory_ = kIndividualDirectory;
    int number_ = 0;
    bool filling_ = false;
    QLabel *nameLabel_ = nullptr;
    TextField *name_ = nullptr;
    QLabel *mmsiLabel_ = nullptr;
    TextField *mmsi_ = nullptr;
    IdentityNote *mmsiNote_ = nullptr;
    QCheckBox *add_ = nullptr;
    QCheckBox *delete_ = nullptr;
};

} // namespace klt
