#pragma once
// The "General" page: what the configuration is at a glance (the model, its file, the user's MMSI and
// country, the channels and stations in use, the last backup), instead of an empty page.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QWidget>

class QLabel;

namespace klt {

class GeneralPage final : public QWidget, public EditorPage {
    Q_OBJECT
public:
    GeneralPage(PageHost &host, QWidget *parent);

    QWidget *widget() override { return this; }
    void fill(const PageTarget &target) override;

private:
    PageHost &host_;
    QLabel *summary_;
};

} // namespace klt
