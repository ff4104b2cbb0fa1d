#pragma once
// pictD: the ten weather channels, one row each: enable, scan memory and name.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;

namespace klt {

class TextField;

class WeatherPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    WeatherPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }

    void fill(const PageTarget &target) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        QLabel *label;
        QCheckBox *enable;
        QCheckBox *scan;
        TextField *name;
    };
    void applyEnableRule(std::size_t row);
    ChannelRecord *record(std::size_t row);

    PageHost &host_;
    std::vector<Row> rows_;
};

} // namespace klt
