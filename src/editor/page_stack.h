#pragma once
// pages: the editor's pages on top of each other, the one a target names in front. The window asks
// the page in front for its check before anything else happens.

#include "editor/editor_page.h"
#include "editor/page_host.h"

#include <QStackedWidget>

#include <map>

class QScrollArea;

namespace klt {

class PageStack final : public QStackedWidget {
    Q_OBJECT
public:
    PageStack(PageHost &host, QWidget *parent);

    // Fills the target's page and brings it to the front; false for a target without a page.
    bool show(const PageTarget &target);
    // The check of the page in front: false keeps the user there.
    bool validate();
    // The page in front is left for another.
    void leave();
    // The program folder's logo on the "General" page, when there is one.
    void showLogo(const QString &path);
    // The size at which every page shows whole, without scrolling.
    QSize naturalSize() const;
    // The page in front, inside its scroll area, and what it shows.
    QWidget *shownPage() const;
    const PageTarget &shownTarget() const { return shownTarget_; }

private:
    void add(Page page, EditorPage *editorPage);

    std::map<Page, EditorPage *> pages_;
    std::map<Page, QScrollArea *> areas_;
    EditorPage *shown_ = nullptr;
    PageTarget shownTarget_;
};

} // namespace klt
