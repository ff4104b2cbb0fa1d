#pragma once
// frmMain: the editor window. It lays out the tree, the pages and the hex view, and wires them to the
// document and to the controllers (files, radio, model, report) that run the menus' commands.

#include "app/app_context.h"
#include "app/startup.h"
#include "editor/editor_view.h"
#include "editor/gui_services.h"
#include "editor/navigation_view.h"
#include "editor/page_host.h"

#include <QMainWindow>
#include <QPointer>

class QSplitter;
class QTreeWidgetItem;

namespace klt {

class EditorActions;
class FileController;
class HexList;
class ModelController;
class PageStack;
class RadioController;
class ReportController;
class StatusPanels;

class MainWindow final : public QMainWindow, private PageHost, private EditorView {
    Q_OBJECT
public:
    MainWindow(AppContext &ctx, GuiServices &services, Switches switches, QWidget *parent = nullptr);

    // False when no model is offered: the program ends after "Unknown model!!".
    bool started() const { return started_; }
    bool modified() const { return !ctx_.isClean(); }
    void setModified(bool modified) { ctx_.setModified(modified); }
    // The tree's own key of the node whose page is shown (empty after a reset), and a node by its key.
    QString shownNodeKey() const { return tree_->shownKey(); }
    QTreeWidgetItem *nodeByKey(const QString &key) const { return tree_->nodeByKey(key); }

    // Commands that scripts and tests run as the menus do.
    void saveHexFile();
    void openHexFile();
    void transferRead();
    void transferProgram();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What the pages ask of the window.
    Configuration &config() override { return ctx_.Config; }
    PageFacts facts() const override {
        return {ctx_.CurrentModel,  ctx_.ScramblerOption, ctx_.TitleText,
                ctx_.AtisAvailable, ctx_.CurrentFilePath, ctx_.ProgramTitle};
    }
    Ui &ui() override { return ctx_.ui; }
    const RadioImage &image() const override { return ctx_.Image; }
    void markModified() override { ctx_.markModified(); }
    void nodeEnableChanged(const PageTarget &target) override;
    void groupUsabilityChanged() override;
    void statusNamesChanged() override;
    void directoryNodesChanged(int directory) override;
    void jumpTo(const PageTarget &target) override;
    bool checkPage() override;
    bool runOperation(Operation operation) override;

    // What the controllers ask of the window.
    QWidget *dialogParent() override { return this; }
    bool changesMayBeLost() override;
    void resetConfiguration(bool loadDestination) override;
    void showReplaced() override;
    void showChanged() override;
    void refreshCaption() override;
    void refreshDestinationMenu() override;
    void refreshHexDump() override;
    void setBusy(bool busy) override;
    void confirm(const QString &text) override;

    void buildCentre();
    void load();
    void onNodeChanged(QTreeWidgetItem *current);
    void showPage(QTreeWidgetItem *item);
    void selectGeneral();
    void undoOrRedo(bool undo);

    AppContext &ctx_;
    GuiServices &services_;
    Switches switches_;
    bool started_ = false;
    QPointer<QWidget> focusBeforeBusy_; // the control that had the focus when the window went busy

    EditorActions *actions_;
    StatusPanels *status_;
    NavigationView *tree_ = nullptr;
    PageStack *pages_ = nullptr;
    HexList *hexList_ = nullptr;
    QSplitter *splitter_ = nullptr;
    FileController *files_;
    RadioController *radio_;
    ModelController *model_;
    ReportController *report_;
};

} // namespace klt
