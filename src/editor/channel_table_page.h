#pragma once
// pictB: the table of a channel group (its enabled channels) or of the 64 expansion channels.

#include "editor/page_host.h"

#include <QWidget>

#include <map>

namespace klt {

class RecordGrid;

class ChannelTablePage final : public QWidget {
    Q_OBJECT
public:
    ChannelTablePage(PageHost &host, QWidget *parent);

    // table: "PU", "PI", "PC", or "E" for the expansion channels.
    void fill(const std::string &table);

private:
    void jump(int row);

    PageHost &host_;
    RecordGrid *grid_;
    std::string table_;
    std::map<std::string, int> lastRows_; // where the user was in each table
};

} // namespace klt
