#include "editor/page_stack.h"

#include "editor/atis_page.h"
#include "editor/channel_editor_page.h"
#include "editor/channel_table_page.h"
#include "editor/common_page.h"
#include "editor/directory_pages.h"
#include "editor/dsc_page.h"
#include "editor/general_page.h"
#include "editor/usable_page.h"
#include "editor/weather_page.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace klt {

namespace {

// A page without settings of its own: a title, named so it can be found.
class PanelPage final : public QWidget, public EditorPage {
public:
    PanelPage(const char *name, const QString &title) {
        setObjectName(name);
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(title, this);
        label->setObjectName(QString(name) + "Title");
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        layout->addWidget(label);
        layout->addStretch(1);
    }
    QWidget *widget() override { return this; }
    void fill(const PageTarget &) override { setEnabled(true); }
};

} // namespace

PageStack::PageStack(PageHost &host, QWidget *parent) : QStackedWidget(parent) {
    setObjectName("pages");
    add(Page::General, new GeneralPage(host, nullptr));
    auto *grey = new PanelPage("pictGrey", "");
    grey->setAutoFillBackground(true);
    grey->setStyleSheet("#pictGrey { background: #808080; }");
    add(Page::Grey, grey);
    add(Page::Usable, new UsablePage(host, nullptr));
    add(Page::Common, new CommonPage(host, nullptr));
    add(Page::Dsc, new DscPage(host, nullptr));
    add(Page::Atis, new AtisPage(host, nullptr));
    add(Page::ChannelTable, new ChannelTablePage(host, nullptr));
    add(Page::ChannelEditor, new ChannelEditorPage(host, nullptr));
    add(Page::Weather, new WeatherPage(host, nullptr));
    add(Page::DirectoryTable, new DirectoryTablePage(host, nullptr));
    add(Page::DirectoryEntry, new DirectoryEntryPage(host, nullptr));
}

void PageStack::add(Page page, EditorPage *editorPage) {
    pages_[page] = editorPage;
    // Below the size a page needs it scrolls, rather than squeezing its controls onto each other.
    auto *area = new QScrollArea(this);
    area->setObjectName(editorPage->widget()->objectName() + "Scroll");
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus); // Tab goes from the tree to the page's first control
    area->setWidget(editorPage->widget());
    areas_[page] = area;
    addWidget(area);
}

QSize PageStack::naturalSize() const {
    QSize size;
    for (const auto &[page, editorPage] : pages_) {
        size = size.expandedTo(editorPage->widget()->sizeHint());
    }
    return size;
}

QWidget *PageStack::shownPage() const {
    const auto *area = qobject_cast<const QScrollArea *>(currentWidget());
    return area != nullptr ? area->widget() : nullptr;
}

void PageStack::showLogo(const QString &path) {
    if (!QFileInfo::exists(path)) {
        return;
    }
    QWidget *general = pages_.at(Page::General)->widget();
    auto *picture = new QLabel(general);
    picture->setObjectName("pictLogo");
    picture->setPixmap(QPixmap(path));
    general->layout()->addWidget(picture);
}

bool PageStack::show(const PageTarget &target) {
    const auto found = pages_.find(target.page);
    if (found == pages_.end()) {
        return false;
    }
    for (const auto &[page, editorPage] : pages_) {
        editorPage->widget()->setEnabled(false);
    }
    shown_ = found->second;
    shownTarget_ = target;
    shown_->fill(target);
    setCurrentWidget(areas_.at(target.page));
    return true;
}

bool PageStack::validate() {
    return shown_ == nullptr || shown_->validate();
}

void PageStack::leave() {
    if (shown_ != nullptr) {
        shown_->leave();
    }
}

} // namespace klt
