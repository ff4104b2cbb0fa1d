#pragma once
// pictB: the table of a channel group (its enabled channels) or of the 64 expansion channels.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <map>

namespace klt {

class RecordGrid;

class ChannelTablePage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    ChannelTablePage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }
    // target.list: a plan group, or kExpansionList.
    void fill(const PageTarget &target) override;
    void leave() override;
    QSize sizeHint() const override;

private:
    void jump(int row);

    PageHost &host_;
    RecordGrid *grid_;
    int list_ = -1;
    int naturalWidth_ = 0;
    std::map<int, int> lastRows_; // where the user was in each list
};

} // namespace klt
