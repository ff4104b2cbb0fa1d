#pragma once
// pictB: the table of a channel group (its enabled channels) or of the 64 expansion channels.

#include "editor/page_host.h"

#include <QWidget>

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
};

} // namespace klt
