#include "editor/main_window.h"

#include "app/global_ini.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "editor/access_keys.h"
#include "editor/control_hints.h"
#include "editor/editor_actions.h"
#include "editor/file_controller.h"
#include "editor/hex_list.h"
#include "editor/model_controller.h"
#include "editor/navigation_view.h"
#include "editor/page_stack.h"
#include "editor/radio_controller.h"
#include "editor/report_controller.h"
#include "editor/status_panels.h"
#include "editor/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace klt {

namespace {

constexpr int kTreeMinimum = 2500 / 15; // 2500 twips at 96 dots per inch
const char *const kChangedQuestion =
    QT_TRANSLATE_NOOP("klt::MainWindow", "KLT data has changed.\r\nDo you want to save changes?");

} // namespace

MainWindow::MainWindow(AppContext &ctx, GuiServices &services, Switches switches, QWidget *parent)
    : QMainWindow(parent), ctx_(ctx), services_(services), switches_(switches),
      actions_(new EditorActions(this)), status_(new StatusPanels(this)),
      files_(new FileController(
          ctx, services, *this, *actions_, [this](const BackupInfo &backup) { radio_->restore(backup); },
          this)),
      radio_(new RadioController(ctx, services, *this, *actions_, this)),
      model_(new ModelController(
          ctx, services, *this, *actions_, [this] { files_->startNew(true); }, this)),
      report_(new ReportController(ctx, services, *this, *actions_, this)) {
    setObjectName("frmMain");
    ctx_.DebugMode = switches.debug;
    ctx_.SlowLinkMode = switches.slow;
    ctx_.ScramblerOption = true;
    buildCentre();
    connect(actions_->fileExit, &QAction::triggered, this, &QWidget::close);
    connect(actions_->undo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(actions_->redo, &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(actions_->hexDump, &QAction::triggered, this, &MainWindow::refreshHexDump);
    ctx_.setListener([this] {
        actions_->showHistory(ctx_);
        refreshCaption();
    });
    load();
    KeepAccessKeys(*menuBar());
}

void MainWindow::buildCentre() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("splitter");
    splitter_->setChildrenCollapsible(false);
    tree_ = new NavigationView(splitter_);
    tree_->widget()->setMinimumWidth(kTreeMinimum);
    auto *right = new QWidget(splitter_);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    pages_ = new PageStack(*this, right);
    // Read-only, but live: a disabled list cannot scroll, which left all but the first rows unseen.
    hexList_ = new HexList(right);
    hexList_->setVisible(false);
    rightLayout->addWidget(pages_, 3);
    rightLayout->addWidget(hexList_, 2);
    right->setMinimumWidth(kTreeMinimum);
    splitter_->addWidget(tree_->widget());
    splitter_->addWidget(right);
    // A wider window widens the page; the tree keeps the width the user gave it.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    connect(tree_, &NavigationView::nodeChosen, this, &MainWindow::onNodeChanged);
    // A click on the node already shown changes nothing but the hint.
    connect(tree_, &NavigationView::nodePressed, this, [this] { status_->showHint(HintText(kTreeHint)); });
    connect(tree_, &NavigationView::directoryExpanded, this, &MainWindow::directoryNodesChanged);
}

void MainWindow::load() {
    setBusy(true);
    pages_->showLogo(QString::fromStdString((ctx_.ProgramFolder / "KL Logo3.gif").string()));
    const StartupPlan plan = PlanStartup(GlobalIniPath(ctx_.ProgramFolder), ctx_.store);
    model_->offer(plan);
    if (plan.offered.empty()) {
        ctx_.ui.setBusyPointer(false);
        ctx_.ui.message(MessageIcon::Error, tr("Unknown model!!").toStdString(), ctx_.ProgramTitle);
        return;
    }
    actions_->editMenu->menuAction()->setVisible(plan.editMenuVisible);
    SetCurrentModel(ctx_, plan.model);
    model_->refreshModelMenu();
    actions_->hexDump->setChecked(plan.hexVisible);
    actions_->hexDump->setVisible(switches_.debug);
    resetConfiguration(true);
    PlaceWindow(*this, *splitter_, tree_->naturalWidth(kTreeMinimum),
                pages_->naturalSize().expandedTo(QSize(kTreeMinimum, 0)));
    ctx_.startHistory();
    refreshHexDump();
    setBusy(false);
    started_ = true;
}

void MainWindow::nodeEnableChanged(const PageTarget &target) {
    tree_->refreshRecordNode(ctx_.Config, target);
}

void MainWindow::groupUsabilityChanged() {
    tree_->rebuild(ctx_.Config, ctx_.AtisAvailable, true);
    statusNamesChanged();
}

void MainWindow::statusNamesChanged() {
    tree_->refreshGroupNodes(ctx_.Config);
}

void MainWindow::directoryNodesChanged(int directory) {
    tree_->refreshDirectoryNodes(ctx_.Config, directory);
}

void MainWindow::jumpTo(const PageTarget &target) {
    tree_->jumpTo(target);
}

bool MainWindow::checkPage() {
    return pages_->validate();
}

bool MainWindow::runOperation(Operation operation) {
    return radio_->runOperation(operation);
}

void MainWindow::onNodeChanged(QTreeWidgetItem *current) {
    status_->showHint(HintText(kTreeHint));
    const QString key = NavigationView::keyOf(current);
    if (current == nullptr || key == tree_->shownKey()) {
        return;
    }
    if (!pages_->validate()) {
        // The click that chose the node is still being handled and selects it after this returns:
        // the shown node is selected again now and once that is done.
        tree_->restoreShown();
        QTimer::singleShot(0, this, [this] { tree_->restoreShown(); });
        return;
    }
    pages_->leave();
    ctx_.commitEdits();
    tree_->setShown(key);
    showPage(current);
}

void MainWindow::showPage(QTreeWidgetItem *item) {
    if (item == nullptr || isMinimized()) {
        return;
    }
    ctx_.setEditPlace(item->text(0).toStdString(), NavigationView::keyOf(item).toStdString());
    pages_->show(NavigationView::targetOf(item));
    status_->showHint(HintText(kTreeHint));
}

void MainWindow::selectGeneral() {
    QTreeWidgetItem *general = nodeByKey("General");
    tree_->showQuietly(general);
    showPage(general);
}

bool MainWindow::changesMayBeLost() {
    if (ctx_.isClean()) {
        return true;
    }
    switch (ctx_.ui.question(MessageIcon::Exclamation, tr(kChangedQuestion).toStdString(), ctx_.TitleText,
                             Buttons::YesNoCancel)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        return checkPage() && files_->fileSave();
    default:
        return false;
    }
}

void MainWindow::resetConfiguration(bool loadDestination) {
    ResetHooks hooks;
    hooks.afterReset = [this] {
        showReplaced();
        tree_->setShown({});
        status_->clearHint();
    };
    ResetConfiguration(ctx_, loadDestination, hooks);
    model_->refreshDestinationMenu();
    ctx_.setModified(false);
}

void MainWindow::showReplaced() {
    tree_->rebuild(ctx_.Config, ctx_.AtisAvailable);
    selectGeneral();
    refreshCaption();
}

void MainWindow::showChanged() {
    tree_->rebuild(ctx_.Config, ctx_.AtisAvailable, true);
    if (QTreeWidgetItem *shown = tree_->widget()->currentItem()) {
        showPage(shown);
    } else {
        selectGeneral();
    }
}

void MainWindow::refreshCaption() {
    // Unsaved edits put "*" before the caption, as desktop editors mark them.
    const QString caption =
        QString::fromStdString(WindowCaption(ctx_.TitleText, ctx_.ProgramTitle, ctx_.CurrentFilePath));
    setWindowTitle(ctx_.isClean() ? caption : "*" + caption);
    status_->showModel(QString::fromStdString(ctx_.ModelName));
    // The General page names the file too: a save shows there at once.
    if (pages_->shownTarget().page == Page::General) {
        pages_->show({Page::General});
    }
}

void MainWindow::refreshDestinationMenu() {
    model_->refreshDestinationMenu();
}

void MainWindow::refreshHexDump() {
    hexList_->showImage(ctx_.Image, switches_.debug && actions_->hexDump->isChecked());
}

void MainWindow::setBusy(bool busy) {
    ctx_.ui.setBusyPointer(busy);
    // A disabled window loses its focus: the control that had it gets it back, so that the keyboard
    // goes on where it was.
    if (busy && isEnabled()) {
        focusBeforeBusy_ = focusWidget();
    }
    setEnabled(!busy);
    if (!busy && focusBeforeBusy_ != nullptr && focusBeforeBusy_->isVisible() &&
        focusBeforeBusy_->isEnabled()) {
        focusBeforeBusy_->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::confirm(const QString &text) {
    constexpr int kShownMs = 8000;
    statusBar()->showMessage(text, kShownMs);
}

void MainWindow::undoOrRedo(bool undo) {
    if (!checkPage()) {
        return;
    }
    if (undo ? ctx_.undo() : ctx_.redo()) {
        showChanged();
        // The user sees what was taken back: the page where the step was made.
        if (QTreeWidgetItem *node = nodeByKey(QString::fromStdString(ctx_.lastStepPlace()));
            node != nullptr) {
            tree_->showQuietly(node);
            showPage(node);
        }
        refreshHexDump();
    }
}

void MainWindow::saveHexFile() {
    files_->saveHexFile();
}

void MainWindow::openHexFile() {
    files_->openHexFile();
}

void MainWindow::transferRead() {
    radio_->read();
}

void MainWindow::transferProgram() {
    radio_->program();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // A transfer under way stops first; the window closes once it has.
    if (radio_->stopBeforeClosing(this)) {
        event->ignore();
        return;
    }
    if (started_ && !changesMayBeLost()) {
        event->ignore();
        return;
    }
    if (started_) {
        StorePlacement(*this, ctx_.store);
    }
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    // Enter never acts as a default button anywhere in the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace klt
