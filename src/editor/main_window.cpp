#include "editor/main_window.h"

#include "app/global_ini.h"
#include "app/model_state.h"
#include "editor/hex_dump.h"
#include "editor/qt_ui.h"
#include "editor/transfer_dialog.h"
#include "model/model_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace klt {

namespace {

constexpr int kPortCount = 16;
constexpr int kWindowWidth = 607;
constexpr int kWindowHeight = 444;
constexpr int kTreeWidthTwips = 2500;
constexpr int kTwipsPerPixel = 15; // at 96 dots per inch
const char *const kTreeHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";

QAction *AddAction(QMenu *menu, const char *name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QString Key(const QTreeWidgetItem *item) {
    return item != nullptr ? item->data(0, Qt::UserRole).toString() : QString();
}

// An empty page that the editor of its settings fills: named so it can be found.
QWidget *Panel(const char *name, const QString &title) {
    auto *panel = new QWidget;
    panel->setObjectName(name);
    auto *layout = new QVBoxLayout(panel);
    auto *label = new QLabel(title, panel);
    label->setObjectName(QString(name) + "Title");
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
    layout->addStretch(1);
    return panel;
}

} // namespace

MainWindow::MainWindow(AppContext &ctx, GuiServices &services, Switches switches, QWidget *parent)
    : QMainWindow(parent), ctx_(ctx), services_(services), switches_(switches) {
    setObjectName("frmMain");
    ctx_.DebugMode = switches.debug;
    ctx_.SlowLinkMode = switches.slow;
    if (auto *qtUi = dynamic_cast<QtUi *>(&ctx_.ui)) {
        qtUi->setParent(this);
    }
    buildMenus();
    buildToolBar();
    buildCentre();
    load();
}

void MainWindow::buildMenus() {
    QMenu *file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    connect(AddAction(file, "mnuFileNew", "&New"), &QAction::triggered, this, &MainWindow::fileNew);
    connect(AddAction(file, "mnuFileOpen", "&Open"), &QAction::triggered, this, &MainWindow::fileOpen);
    connect(AddAction(file, "mnuFileSave", "&Save"), &QAction::triggered, this, [this] { fileSave(); });
    connect(AddAction(file, "mnuFileSaveAs", "Save &As..."), &QAction::triggered, this,
            [this] { fileSaveAs(); });
    AddAction(file, "mnuFileSaveAsDefault", "Save As &Default")->setEnabled(false);
    file->addSeparator();
    connect(AddAction(file, "mnuFilePrint", "&Print"), &QAction::triggered, this, &MainWindow::filePrint);
    connect(AddAction(file, "mnuFilePrintToFile", "P&rint to File"), &QAction::triggered, this,
            &MainWindow::filePrintToFile);
    file->addSeparator();
    connect(AddAction(file, "mnuFileExit", "E&xit"), &QAction::triggered, this, &QWidget::close);

    editMenu_ = menuBar()->addMenu("&Edit");
    editMenu_->setObjectName("mnuEdit");
    QMenu *model = editMenu_->addMenu("&Model");
    model->setObjectName("mnuEditModel");
    for (int slot = 0; slot < kModelSlotCount; ++slot) {
        QAction *action = model->addAction("model " + QString::number(slot + 1));
        action->setObjectName("mnuEditModelType" + QString::number(slot));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, slot] { selectModel(slot); });
        modelSlots_.push_back(action);
    }

    QMenu *transfer = menuBar()->addMenu("&Transfer");
    transfer->setObjectName("mnuTransfer");
    connect(AddAction(transfer, "mnuTransferProgram", "&Program to Radio"), &QAction::triggered, this,
            &MainWindow::transferProgram);
    connect(AddAction(transfer, "mnuTransferRead", "&Read from Radio"), &QAction::triggered, this,
            &MainWindow::transferRead);

    destinationMenu_ = menuBar()->addMenu("&Destination");
    destinationMenu_->setObjectName("mnuDestination");
    for (int slot = 0; slot < DestinationMenu::kSlots; ++slot) {
        QAction *action = destinationMenu_->addAction("DST" + QString::number(slot));
        action->setObjectName("mnuDestinationChild" + QString::number(slot));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, slot] { selectDestination(slot); });
        destinationSlots_.push_back(action);
    }

    QMenu *options = menuBar()->addMenu("&Options");
    options->setObjectName("mnuOptions");
    QMenu *ports = options->addMenu("&SerialPort");
    ports->setObjectName("mnuOptionsSerialPort");
    for (int index = 0; index < kPortCount; ++index) {
        QString caption =
            index < 9 ? "COM&" + QString::number(index + 1) : "COM" + QString::number(index + 1);
        if (services_.describePort) {
            // The device the number stands for on this system.
            const std::string device = services_.describePort(index + 1);
            caption += device.empty() ? QString() : "  (" + QString::fromStdString(device) + ")";
        }
        QAction *action = ports->addAction(caption);
        action->setObjectName("mnuOptionsSerialPort1_" + QString::number(index));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, index] { selectSerialPort(index); });
        portSlots_.push_back(action);
    }
    hexDumpAction_ = AddAction(options, "mnuOptionsHexdump", "Hexdump");
    hexDumpAction_->setCheckable(true);
    connect(hexDumpAction_, &QAction::triggered, this, &MainWindow::toggleHexDump);

    QMenu *help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    connect(AddAction(help, "mnuHelpContents", "&Contents"), &QAction::triggered, this,
            [this] { ShowHelp(ctx_, services_, ctx_.TitleText); });
    connect(AddAction(help, "mnuHelpAbout", "&About KLT Version"), &QAction::triggered, this,
            &MainWindow::showAbout);

    // The image hex file keys, for service staff: they act only in debug mode.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this), &QShortcut::activated, this,
            &MainWindow::saveHexFile);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this), &QShortcut::activated, this,
            &MainWindow::openHexFile);
}

void MainWindow::buildToolBar() {
    QToolBar *bar = addToolBar("Tools");
    bar->setObjectName("tbToolBar");
    bar->setMovable(false);
    const auto button = [this, bar](const char *key, const char *menuItem, bool visible) {
        QAction *command = findChild<QAction *>(menuItem);
        QAction *action = bar->addAction(key);
        action->setObjectName(QString("tb") + key);
        action->setData(QString(key));
        action->setVisible(visible);
        connect(action, &QAction::triggered, this, [command] {
            if (command->isEnabled()) {
                command->trigger();
            }
        });
    };
    button("New", "mnuFileNew", true);
    button("Open", "mnuFileOpen", true);
    button("Save", "mnuFileSave", true);
    button("Print", "mnuFilePrint", true);
    button("Program", "mnuTransferProgram", true);
    button("Read", "mnuTransferRead", true);
    // The second pair of transfer buttons is switched off, as it always was.
    button("Program2", "mnuTransferProgram", false);
    button("Read2", "mnuTransferRead", false);

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
}

void MainWindow::buildCentre() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("splitter");
    splitter_->setChildrenCollapsible(false);
    tree_ = new QTreeWidget(splitter_);
    tree_->setObjectName("tvTreeView");
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    QFont bold = tree_->font();
    bold.setBold(true);
    tree_->setFont(bold);
    tree_->setMinimumWidth(kTreeWidthTwips / kTwipsPerPixel);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onNodeChanged(current); });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        // Expanding a directory rewrites its entries' "[Enable]" marks.
        const QString key = Key(item);
        if (key == "SM" || key == "SG") {
            const bool individual = key == "SM";
            for (int i = 0; i < item->childCount(); ++i) {
                const auto &entry = individual ? ctx_.Config.Individual[static_cast<std::size_t>(i)]
                                               : ctx_.Config.GroupDirectory[static_cast<std::size_t>(i)];
                item->child(i)->setText(0, QString::fromStdString(EntryNodeText(
                                               individual ? "Memory ID" : "Group ID", i + 1, entry.Enable)));
            }
        }
    });

    auto *right = new QWidget(splitter_);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QStackedWidget(right);
    pages_->setObjectName("pages");
    const std::pair<Page, QWidget *> panels[] = {
        {Page::General, Panel("pictGeneral", "KLT Programmer")},
        {Page::Grey, Panel("pictGrey", "")},
        {Page::Usable, Panel("pictUsable", "Usable CH Group Setup")},
        {Page::Common, Panel("pictCommon", "Common Setup")},
        {Page::Dsc, Panel("pictDSC", "DSC Setup")},
        {Page::Atis, Panel("pictATIS", "ATIS Setup")},
        {Page::ChannelTable, Panel("pictB", "Channels")},
        {Page::ChannelEditor, Panel("pictC", "Channel")},
        {Page::Weather, Panel("pictD", "Weather")},
        {Page::DirectoryTable, Panel("pictE", "Directory")},
        {Page::DirectoryEntry, Panel("pictG", "Directory entry")},
    };
    for (const auto &[page, panel] : panels) {
        pagePanels_[page] = panel;
        pages_->addWidget(panel);
    }
    pagePanels_[Page::Grey]->setAutoFillBackground(true);
    pagePanels_[Page::Grey]->setStyleSheet("#pictGrey { background: #808080; }");
    hexList_ = new QListWidget(right);
    hexList_->setObjectName("lstHex");
    hexList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    hexList_->setEnabled(false);
    hexList_->setVisible(false);
    rightLayout->addWidget(pages_, 3);
    rightLayout->addWidget(hexList_, 2);
    right->setMinimumWidth(kTreeWidthTwips / kTwipsPerPixel);
    splitter_->addWidget(tree_);
    splitter_->addWidget(right);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
}

void MainWindow::load() {
    setEnabled(false);
    ctx_.ui.setBusyPointer(true);
    const auto logo = ctx_.ProgramFolder / "KL Logo3.gif";
    if (QFileInfo::exists(QString::fromStdString(logo.string()))) {
        auto *picture = new QLabel(pagePanels_[Page::General]);
        picture->setObjectName("pictLogo");
        picture->setPixmap(QPixmap(QString::fromStdString(logo.string())));
        pagePanels_[Page::General]->layout()->addWidget(picture);
    }
    const StartupPlan plan = PlanStartup(GlobalIniPath(ctx_.ProgramFolder), ctx_.store);
    for (QAction *slot : modelSlots_) {
        slot->setChecked(false);
        slot->setEnabled(false);
        slot->setVisible(false);
    }
    for (const Model model : plan.offered) {
        QAction *slot = modelSlots_[static_cast<std::size_t>(ModelNumber(model) - 1)];
        slot->setText(QString::fromStdString(ModelCaption(model)));
        slot->setVisible(true);
        slot->setEnabled(true);
    }
    if (plan.offered.empty()) {
        ctx_.ui.setBusyPointer(false);
        ctx_.ui.message(MessageIcon::Error, "Unknown model!!", ctx_.ProgramTitle);
        return;
    }
    editMenu_->menuAction()->setVisible(plan.editMenuVisible);
    SetCurrentModel(ctx_, plan.model);
    refreshModelMenu();
    hexDumpAction_->setChecked(plan.hexVisible);
    hexDumpAction_->setVisible(switches_.debug);
    for (QAction *port : portSlots_) {
        port->setChecked(false);
    }
    if (plan.comNum >= 1 && plan.comNum <= kPortCount) {
        portSlots_[static_cast<std::size_t>(plan.comNum - 1)]->setChecked(true);
    }
    resize(kWindowWidth, kWindowHeight);
    splitter_->setSizes({kTreeWidthTwips / kTwipsPerPixel, kWindowWidth - kTreeWidthTwips / kTwipsPerPixel});
    resetEditor(true);
    modified_ = false;
    refreshHexDump();
    ctx_.ui.setBusyPointer(false);
    setEnabled(true);
    started_ = true;
}

ResetHooks MainWindow::resetHooks() {
    ResetHooks hooks;
    hooks.afterReset = [this] {
        rebuildTree();
        selectGeneral();
        shownKey_.clear();
        hintPanel_->clear();
        refreshCaption();
    };
    return hooks;
}

void MainWindow::resetEditor(bool loadDestination) {
    filling_ = true;
    ResetConfiguration(ctx_, loadDestination, resetHooks());
    refreshDestinationMenu();
    filling_ = false;
}

QTreeWidgetItem *MainWindow::nodeByKey(const QString &key) const {
    const auto found = nodes_.find(key);
    return found == nodes_.end() ? nullptr : found->second;
}

void MainWindow::rebuildTree() {
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    nodes_.clear();
    for (const auto &node : BuildNavigationTree(ctx_.Config, ctx_.AtisAvailable)) {
        QTreeWidgetItem *parent =
            node.parentKey.empty() ? nullptr : nodeByKey(QString::fromStdString(node.parentKey));
        auto *item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, QString::fromStdString(node.text));
        item->setData(0, Qt::UserRole, QString::fromStdString(node.key));
        nodes_[QString::fromStdString(node.key)] = item;
    }
}

void MainWindow::selectGeneral() {
    QTreeWidgetItem *general = nodeByKey("General");
    {
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(general);
    }
    shownKey_ = "General";
    showPage(general);
}

void MainWindow::onNodeChanged(QTreeWidgetItem *current) {
    hintPanel_->setText(kTreeHint);
    const QString key = Key(current);
    if (current == nullptr || key == shownKey_) {
        return;
    }
    if (!validatePage()) {
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(nodeByKey(shownKey_));
        return;
    }
    shownKey_ = key;
    showPage(current);
}

void MainWindow::showPage(QTreeWidgetItem *item) {
    if (item == nullptr || isMinimized()) {
        return;
    }
    const bool keepModified = modified_;
    const PageTarget target = PageOfNode(Key(item->parent()).toStdString(), Key(item).toStdString());
    if (const auto panel = pagePanels_.find(target.page); panel != pagePanels_.end()) {
        pages_->setCurrentWidget(panel->second);
    }
    hintPanel_->setText(kTreeHint);
    modified_ = keepModified; // filling a page is never a change
}

bool MainWindow::validatePage() {
    // The pages that check their fields before they are left come with their editors.
    return true;
}

void MainWindow::refreshCaption() {
    setWindowTitle(
        QString::fromStdString(WindowCaption(ctx_.TitleText, ctx_.ProgramTitle, ctx_.CurrentFilePath)));
    modelPanel_->setText(QString::fromStdString(ctx_.ModelName));
}

void MainWindow::refreshModelMenu() {
    for (std::size_t slot = 0; slot < modelSlots_.size(); ++slot) {
        modelSlots_[slot]->setChecked(static_cast<int>(slot) + 1 == ModelNumber(ctx_.CurrentModel));
    }
}

void MainWindow::refreshDestinationMenu() {
    const auto &menu = ctx_.Destinations;
    destinationMenu_->setEnabled(menu.Enabled);
    for (std::size_t slot = 0; slot < destinationSlots_.size(); ++slot) {
        QAction *action = destinationSlots_[slot];
        const bool used = slot < menu.Captions.size();
        action->setText(used ? QString::fromStdString(menu.Captions[slot]) : QString());
        action->setVisible(used);
        action->setChecked(menu.Checked && *menu.Checked == static_cast<int>(slot));
    }
}

void MainWindow::toggleHexDump() {
    refreshHexDump();
}

void MainWindow::refreshHexDump() {
    const bool visible = switches_.debug && hexDumpAction_->isChecked();
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

void MainWindow::keyPressEvent(QKeyEvent *event) {
    // Enter never acts as a default button anywhere in the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace klt
