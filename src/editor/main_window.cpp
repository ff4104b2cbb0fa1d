#include "editor/main_window.h"

#include "app/global_ini.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "editor/control_hints.h"
#include "editor/editor_actions.h"
#include "editor/file_controller.h"
#include "editor/hex_dump.h"
#include "editor/hex_list.h"
#include "editor/model_controller.h"
#include "editor/navigation_view.h"
#include "editor/page_stack.h"
#include "editor/qt_text.h"
#include "editor/qt_ui.h"
#include "editor/radio_controller.h"
#include "editor/report_controller.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace klt {

namespace {

constexpr int kWindowWidth = 607;
constexpr int kWindowHeight = 444;
constexpr int kTreeMinimum = 2500 / 15; // 2500 twips at 96 dots per inch
const char *const kChangedQuestion = "KLT data has changed.\r\nDo you want to save changes?";

} // namespace

MainWindow::MainWindow(AppContext &ctx, GuiServices &services, Switches switches, QWidget *parent)
    : QMainWindow(parent), ctx_(ctx), services_(services), switches_(switches),
      actions_(new EditorActions(this)), files_(new FileController(ctx, services, *this, this)),
      radio_(new RadioController(ctx, services, *this, this)),
      model_(new ModelController(
          ctx, services, *this, *actions_, [this] { files_->startNew(true); }, this)),
      report_(new ReportController(ctx, services, *this, this)) {
    setObjectName("frmMain");
    ctx_.DebugMode = switches.debug;
    ctx_.SlowLinkMode = switches.slow;
    ctx_.ScramblerOption = true;
    if (auto *qtUi = dynamic_cast<QtUi *>(&ctx_.ui)) {
        qtUi->setParent(this);
    }
    buildCentre();
    wireActions();
    ctx_.setListener([this] {
        refreshUndoActions();
        setWindowModified(!ctx_.isClean());
    });
    load();
}

void MainWindow::buildCentre() {
    statusBar()->setObjectName("sbStatusBar");
    hintPanel_ = new QLabel(this);
    hintPanel_->setObjectName("sbPanel1");
    auto *middle = new QLabel(this);
    middle->setObjectName("sbPanel2");
    modelPanel_ = new QLabel(this);
    modelPanel_->setObjectName("sbPanel3");
    statusBar()->addWidget(hintPanel_, 1);
    statusBar()->addWidget(middle);
    statusBar()->addPermanentWidget(modelPanel_);

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
    connect(tree_, &NavigationView::nodePressed, this, [this] { hintPanel_->setText(kTreeHint); });
    connect(tree_, &NavigationView::directoryExpanded, this, &MainWindow::directoryNodesChanged);
    // Folding the node above the page shown selects the folded node: the page never belongs to a node
    // the tree hides.
    connect(tree_, &NavigationView::nodeCollapsed, this, [this](QTreeWidgetItem *item) {
        for (QTreeWidgetItem *node = nodeByKey(shownKey_); node != nullptr; node = node->parent()) {
            if (node->parent() == item) {
                tree_->widget()->setCurrentItem(item);
                return;
            }
        }
    });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { showHintOf(now); });
}

void MainWindow::wireActions() {
    EditorActions &a = *actions_;
    connect(a.fileNew, &QAction::triggered, files_, &FileController::fileNew);
    connect(a.fileOpen, &QAction::triggered, files_, &FileController::fileOpen);
    connect(a.fileSave, &QAction::triggered, files_, [this] { files_->fileSave(); });
    connect(a.fileSaveAs, &QAction::triggered, files_, [this] { files_->fileSaveAs(); });
    connect(a.filePrint, &QAction::triggered, report_, &ReportController::print);
    connect(a.filePrintToFile, &QAction::triggered, report_, &ReportController::printToFile);
    connect(a.fileExportPdf, &QAction::triggered, report_, &ReportController::exportPdf);
    for (const auto &[table, action] : a.exportTable) {
        connect(action, &QAction::triggered, files_, [this, table = table] { files_->exportTable(table); });
    }
    for (const auto &[table, action] : a.importTable) {
        connect(action, &QAction::triggered, files_, [this, table = table] { files_->importTable(table); });
    }
    connect(a.fileCompare, &QAction::triggered, files_, &FileController::compareWithFile);
    connect(a.fileBackups, &QAction::triggered, files_, &FileController::showBackups);
    connect(a.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(a.undo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(a.redo, &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(a.transferProgram, &QAction::triggered, this, &MainWindow::transferProgram);
    connect(a.transferRead, &QAction::triggered, this, &MainWindow::transferRead);
    connect(a.hexDump, &QAction::triggered, this, &MainWindow::refreshHexDump);
    connect(a.helpContents, &QAction::triggered, report_, &ReportController::showHelp);
    connect(a.helpAbout, &QAction::triggered, report_, &ReportController::showAbout);
    connect(a.saveHexFile, &QShortcut::activated, this, &MainWindow::saveHexFile);
    connect(a.openHexFile, &QShortcut::activated, this, &MainWindow::openHexFile);
}

void MainWindow::load() {
    setBusy(true);
    const auto logo = ctx_.ProgramFolder / "KL Logo3.gif";
    if (QFileInfo::exists(QString::fromStdString(logo.string()))) {
        auto *picture = new QLabel(pages_->generalPanel());
        picture->setObjectName("pictLogo");
        picture->setPixmap(QPixmap(QString::fromStdString(logo.string())));
        pages_->generalPanel()->layout()->addWidget(picture);
    }
    const StartupPlan plan = PlanStartup(GlobalIniPath(ctx_.ProgramFolder), ctx_.store);
    model_->offer(plan);
    if (plan.offered.empty()) {
        ctx_.ui.setBusyPointer(false);
        ctx_.ui.message(MessageIcon::Error, "Unknown model!!", ctx_.ProgramTitle);
        return;
    }
    actions_->editMenu->menuAction()->setVisible(plan.editMenuVisible);
    SetCurrentModel(ctx_, plan.model);
    model_->refreshModelMenu();
    actions_->hexDump->setChecked(plan.hexVisible);
    actions_->hexDump->setVisible(switches_.debug);
    resetConfiguration(true);
    placeWindow();
    ctx_.startHistory();
    refreshHexDump();
    setBusy(false);
    started_ = true;
}

QTreeWidgetItem *MainWindow::nodeByKey(const QString &key) const {
    return tree_->nodeByKey(key);
}

void MainWindow::placeWindow() {
    // The window opens at its classic size, or as much larger as its tree and pages need.
    const int treeWidth = tree_->naturalWidth(kTreeMinimum);
    const QSize pages = pages_->minimumSizeHint().expandedTo(QSize(kTreeMinimum, 0));
    const QSize chrome = minimumSizeHint() - centralWidget()->minimumSizeHint();
    const int width = std::max(kWindowWidth, treeWidth + splitter_->handleWidth() + pages.width());
    const int height = std::max(kWindowHeight, chrome.height() + pages.height());
    resize(width, height);
    splitter_->setSizes({treeWidth, width - treeWidth - splitter_->handleWidth()});
}

void MainWindow::showHintOf(QWidget *control) {
    for (QWidget *widget = control; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        if (const QString hint = HintOf(widget); !hint.isEmpty()) {
            hintPanel_->setText(hint);
            return;
        }
    }
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
    if (QTreeWidgetItem *item = tree_->nodeOf(target)) {
        tree_->widget()->scrollToItem(item);
        tree_->widget()->setCurrentItem(item);
    }
}

bool MainWindow::checkPage() {
    return pages_->validate();
}

bool MainWindow::runOperation(Operation operation) {
    return radio_->runOperation(operation);
}

void MainWindow::onNodeChanged(QTreeWidgetItem *current) {
    hintPanel_->setText(kTreeHint);
    const QString key = NavigationView::keyOf(current);
    if (current == nullptr || key == shownKey_) {
        return;
    }
    if (!pages_->validate()) {
        // The click that chose the node is still being handled and selects it after this returns:
        // the shown node is selected again now and once that is done.
        tree_->restore(nodeByKey(shownKey_));
        QTimer::singleShot(0, this, [this] { tree_->restore(nodeByKey(shownKey_)); });
        return;
    }
    pages_->leave();
    ctx_.commitEdits();
    shownKey_ = key;
    showPage(current);
}

void MainWindow::showPage(QTreeWidgetItem *item) {
    if (item == nullptr || isMinimized()) {
        return;
    }
    ctx_.setEditPlace(item->text(0).toStdString());
    pages_->show(NavigationView::targetOf(item));
    hintPanel_->setText(kTreeHint);
}

void MainWindow::selectGeneral() {
    QTreeWidgetItem *general = nodeByKey("General");
    tree_->selectQuietly(general);
    shownKey_ = "General";
    showPage(general);
}

bool MainWindow::changesMayBeLost() {
    if (ctx_.isClean()) {
        return true;
    }
    switch (
        ctx_.ui.question(MessageIcon::Exclamation, kChangedQuestion, ctx_.TitleText, Buttons::YesNoCancel)) {
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
        shownKey_.clear();
        hintPanel_->clear();
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
    setWindowTitle(
        QString::fromStdString(WindowCaption(ctx_.TitleText, ctx_.ProgramTitle, ctx_.CurrentFilePath)));
    modelPanel_->setText(QString::fromStdString(ctx_.ModelName));
}

void MainWindow::refreshDestinationMenu() {
    model_->refreshDestinationMenu();
}

void MainWindow::refreshHexDump() {
    const bool visible = switches_.debug && actions_->hexDump->isChecked();
    hexList_->setVisible(visible);
    hexList_->clear();
    if (!visible) {
        return;
    }
    ctx_.ui.setBusyPointer(true);
    for (const auto &line : HexDumpLines(ctx_.Image)) {
        hexList_->addItem(QString::fromStdString(line));
    }
    ctx_.ui.setBusyPointer(false);
}

void MainWindow::setBusy(bool busy) {
    ctx_.ui.setBusyPointer(busy);
    setEnabled(!busy);
}

void MainWindow::undoOrRedo(bool undo) {
    if (!checkPage()) {
        return;
    }
    if (undo ? ctx_.undo() : ctx_.redo()) {
        showChanged();
        refreshHexDump();
    }
}

void MainWindow::refreshUndoActions() {
    actions_->undo->setEnabled(ctx_.canUndo());
    actions_->undo->setText(ctx_.canUndo() ? tr("&Undo %1").arg(ToQString(ctx_.undoName())) : tr("&Undo"));
    actions_->redo->setEnabled(ctx_.canRedo());
    actions_->redo->setText(ctx_.canRedo() ? tr("&Redo %1").arg(ToQString(ctx_.redoName())) : tr("&Redo"));
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

void MainWindow::storePlacement() {
    if (isMinimized()) {
        return;
    }
    const QScreen *display = screen();
    const double twipsPerPixel = 1440.0 / (display != nullptr ? display->logicalDotsPerInch() : 96.0);
    const QRect placement = geometry();
    const auto twips = [twipsPerPixel](int pixels) {
        return std::to_string(static_cast<long>(pixels * twipsPerPixel));
    };
    ctx_.store.put("Settings", "MainLeft", twips(placement.left()));
    ctx_.store.put("Settings", "MainTop", twips(placement.top()));
    ctx_.store.put("Settings", "MainWidth", twips(placement.width()));
    ctx_.store.put("Settings", "MainHeight", twips(placement.height()));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // A transfer under way stops first; the window closes once it has.
    if (radio_->stopBeforeClosing(this)) {
        event->ignore();
        return;
    }
    if (started_ && !ctx_.isClean()) {
        const Answer answer = ctx_.ui.question(MessageIcon::Exclamation, kChangedQuestion, ctx_.TitleText,
                                               Buttons::YesNoCancel);
        if (answer == Answer::Cancel || (answer == Answer::Yes && (!checkPage() || !files_->fileSave()))) {
            event->ignore();
            return;
        }
    }
    if (started_) {
        storePlacement();
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
