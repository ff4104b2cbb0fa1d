#include "editor/main_window.h"

#include "editor/hex_list.h"

#include "app/global_ini.h"
#include "app/model_state.h"
#include "editor/atis_page.h"
#include "editor/channel_editor_page.h"
#include "editor/channel_table_page.h"
#include "editor/common_page.h"
#include "editor/control_hints.h"
#include "editor/directory_pages.h"
#include "editor/dsc_page.h"
#include "editor/hex_dump.h"
#include "editor/hex_list.h"
#include "editor/qt_text.h"
#include "editor/qt_ui.h"
#include "editor/transfer_dialog.h"
#include "editor/usable_page.h"
#include "editor/weather_page.h"
#include "files/table_csv.h"
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
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace klt {

namespace {

constexpr int kPortCount = 16;
constexpr int kWindowWidth = 607;
constexpr int kWindowHeight = 444;
constexpr int kTreeWidthTwips = 2500;
constexpr int kTwipsPerPixel = 15; // at 96 dots per inch
constexpr int kTreeMinimum = kTreeWidthTwips / kTwipsPerPixel;

QAction *AddAction(QMenu *menu, const char *name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// "COM&1" ... "COM&9", "COM10" ... "COM16", then the device the number stands for on this system.
QString PortCaption(int index, const std::string &device) {
    const QString number = QString::number(index + 1);
    const QString caption = index < 9 ? "COM&" + number : "COM" + number;
    return device.empty() ? caption : caption + "  (" + QString::fromStdString(device) + ")";
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
    ctx_.ScramblerOption = true;
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
    connect(AddAction(file, "mnuFileExportPdf", "&Export PDF..."), &QAction::triggered, this,
            &MainWindow::fileExportPdf);
    file->addSeparator();
    QMenu *exportMenu = file->addMenu("Expor&t");
    exportMenu->setObjectName("mnuFileExport");
    QMenu *importMenu = file->addMenu("&Import");
    importMenu->setObjectName("mnuFileImport");
    for (const CsvTable table : {CsvTable::IndividualDirectory, CsvTable::GroupDirectory, CsvTable::Expansion,
                                 CsvTable::Weather, CsvTable::Channels}) {
        const QString caption = QString(CsvTableCaption(table)) + " (CSV)...";
        const QString name = QString(CsvTableName(table));
        connect(AddAction(exportMenu, ("mnuFileExport_" + name).toLatin1().constData(), caption),
                &QAction::triggered, this, [this, table] { exportTable(table); });
        connect(AddAction(importMenu, ("mnuFileImport_" + name).toLatin1().constData(), caption),
                &QAction::triggered, this, [this, table] { importTable(table); });
    }
    connect(AddAction(file, "mnuFileCompare", "&Compare with..."), &QAction::triggered, this,
            &MainWindow::compareWithFile);
    connect(AddAction(file, "mnuFileBackups", "&Backups..."), &QAction::triggered, this,
            &MainWindow::showBackups);
    file->addSeparator();
    connect(AddAction(file, "mnuFileExit", "E&xit"), &QAction::triggered, this, &QWidget::close);

    editMenu_ = menuBar()->addMenu("&Edit");
    editMenu_->setObjectName("mnuEdit");
    undoAction_ = AddAction(editMenu_, "mnuEditUndo", "&Undo");
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undoAction_, &QAction::triggered, this, &MainWindow::undoEdit);
    redoAction_ = AddAction(editMenu_, "mnuEditRedo", "&Redo");
    redoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(redoAction_, &QAction::triggered, this, &MainWindow::redoEdit);
    // The step's name is only known when the menu opens: a page's edits are committed then.
    connect(editMenu_, &QMenu::aboutToShow, this, [this] {
        commitEdits();
        refreshUndoActions();
    });
    editMenu_->addSeparator();
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
        QAction *action = ports->addAction(PortCaption(index, {}));
        action->setObjectName("mnuOptionsSerialPort1_" + QString::number(index));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, index] { selectSerialPort(index); });
        portSlots_.push_back(action);
    }
    // The devices are looked up as the menu opens: an adapter plugged in meanwhile shows up, and the
    // window does not wait for the system's device list at start.
    connect(ports, &QMenu::aboutToShow, this, &MainWindow::refreshPortMenu);
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

void MainWindow::refreshPortMenu() {
    const std::vector<std::string> devices =
        services_.describePorts ? services_.describePorts(kPortCount) : std::vector<std::string>{};
    for (std::size_t index = 0; index < portSlots_.size(); ++index) {
        portSlots_[index]->setText(
            PortCaption(static_cast<int>(index), index < devices.size() ? devices[index] : std::string()));
    }
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
    tree_->setMinimumWidth(kTreeMinimum);
    SetHint(tree_, kTreeHint);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { onNodeChanged(current); });
    // A click on the node already shown changes nothing but the hint.
    connect(tree_, &QTreeWidget::itemPressed, this, [this] { hintPanel_->setText(kTreeHint); });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { showHintOf(now); });
    // Folding the node above the page shown selects the folded node: the page never belongs to a node
    // the tree hides.
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        for (QTreeWidgetItem *node = nodeByKey(shownKey_); node != nullptr; node = node->parent()) {
            if (node->parent() == item) {
                tree_->setCurrentItem(item);
                return;
            }
        }
    });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        // Expanding a directory rewrites its entries' "[Enable]" marks.
        const std::string key = Key(item).toStdString();
        if (key == "SM" || key == "SG") {
            directoryNodesChanged(key);
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
        {Page::Usable, usablePage_ = new UsablePage(*this, nullptr)},
        {Page::Common, commonPage_ = new CommonPage(*this, nullptr)},
        {Page::Dsc, dscPage_ = new DscPage(*this, nullptr)},
        {Page::Atis, atisPage_ = new AtisPage(*this, nullptr)},
        {Page::ChannelTable, tablePage_ = new ChannelTablePage(*this, nullptr)},
        {Page::ChannelEditor, editorPage_ = new ChannelEditorPage(*this, nullptr)},
        {Page::Weather, weatherPage_ = new WeatherPage(*this, nullptr)},
        {Page::DirectoryTable, directoryPage_ = new DirectoryTablePage(*this, nullptr)},
        {Page::DirectoryEntry, entryPage_ = new DirectoryEntryPage(*this, nullptr)},
    };
    for (const auto &[page, panel] : panels) {
        pagePanels_[page] = panel;
        pages_->addWidget(panel);
    }
    pagePanels_[Page::Grey]->setAutoFillBackground(true);
    pagePanels_[Page::Grey]->setStyleSheet("#pictGrey { background: #808080; }");
    // Read-only, but live: a disabled list cannot scroll, which left all but the first rows unseen.
    hexList_ = new HexList(right);
    hexList_->setVisible(false);
    rightLayout->addWidget(pages_, 3);
    rightLayout->addWidget(hexList_, 2);
    right->setMinimumWidth(kTreeMinimum);
    splitter_->addWidget(tree_);
    splitter_->addWidget(right);
    // A wider window widens the page; the tree keeps the width the user gave it.
    splitter_->setStretchFactor(0, 0);
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
    resetEditor(true);
    placeWindow();
    modified_ = false;
    history_.reset(currentState());
    refreshUndoActions();
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

void MainWindow::rebuildTree(bool keepView) {
    std::set<QString> expanded;
    for (const auto &[key, item] : nodes_) {
        if (keepView && item->isExpanded()) {
            expanded.insert(key);
        }
    }
    const QString current = keepView ? Key(tree_->currentItem()) : QString();
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    nodes_.clear();
    for (const auto &node : BuildNavigationTree(ctx_.Config, ctx_.AtisAvailable)) {
        QTreeWidgetItem *parent =
            node.parentKey.empty() ? nullptr : nodeByKey(QString::fromStdString(node.parentKey));
        auto *item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, ToQString(node.text));
        item->setData(0, Qt::UserRole, QString::fromStdString(node.key));
        nodes_[QString::fromStdString(node.key)] = item;
    }
    for (const QString &key : expanded) {
        if (QTreeWidgetItem *item = nodeByKey(key)) {
            item->setExpanded(true);
        }
    }
    if (QTreeWidgetItem *item = nodeByKey(current)) {
        tree_->setCurrentItem(item);
    }
}

int MainWindow::naturalTreeWidth() const {
    // Every node counts, shown or folded, so no text is cut when a group is opened.
    const QFontMetrics metrics(tree_->font());
    int widest = 0;
    for (const auto &[key, item] : nodes_) {
        int depth = 1; // the root's own branch sign
        for (const QTreeWidgetItem *parent = item->parent(); parent != nullptr; parent = parent->parent()) {
            ++depth;
        }
        widest = std::max(widest, depth * tree_->indentation() + metrics.horizontalAdvance(item->text(0)));
    }
    const int scrollBar = tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int margins = 2 * tree_->frameWidth() + 12; // the item's own padding
    return std::max(kTreeMinimum, widest + scrollBar + margins);
}

void MainWindow::placeWindow() {
    // The window opens at its classic size, or as much larger as its tree and pages need.
    const int treeWidth = naturalTreeWidth();
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

PageFacts MainWindow::facts() const {
    return {ctx_.CurrentModel, ctx_.ScramblerOption, ctx_.TitleText};
}

void MainWindow::nodeEnableChanged(const std::string &key) {
    QTreeWidgetItem *item = nodeByKey(QString::fromStdString(key));
    const PageTarget target = PageOfNode(Key(item != nullptr ? item->parent() : nullptr).toStdString(), key);
    if (item == nullptr || target.page != Page::ChannelEditor) {
        return;
    }
    const Configuration &config = ctx_.Config;
    if (target.table == "E") {
        const auto &channel = config.Expansion[static_cast<std::size_t>(target.index - 1)];
        item->setText(0, ToQString(EntryNodeText("EXP", target.index, channel.Enable)));
        return;
    }
    const int group = target.table == "PU" ? 0 : target.table == "PI" ? 1 : 2;
    const auto &table = PlanTable(config, group);
    if (target.index >= 0 && target.index < static_cast<int>(table.size())) {
        item->setText(0, ToQString(ChannelNodeText(table[static_cast<std::size_t>(target.index)])));
    }
}

void MainWindow::groupUsabilityChanged() {
    rebuildTree(true);
    statusNamesChanged();
}

void MainWindow::statusNamesChanged() {
    const std::pair<const char *, int> groups[] = {
        {"PU", 0}, {"PI", 1}, {"PC", 2}, {"ExpChannel", kExpGroup}};
    for (const auto &[key, group] : groups) {
        if (QTreeWidgetItem *item = nodeByKey(key)) {
            const std::string &name = ctx_.Config.Groups[static_cast<std::size_t>(group)].StatusName;
            item->setText(0, ToQString(GroupNodeText(FromQString(item->text(0)), name)));
        }
    }
}

void MainWindow::directoryNodesChanged(const std::string &directory) {
    QTreeWidgetItem *parent = nodeByKey(QString::fromStdString(directory));
    if (parent == nullptr) {
        return;
    }
    const bool individual = directory == "SM";
    for (int i = 0; i < parent->childCount(); ++i) {
        const auto &entry = individual ? ctx_.Config.Individual[static_cast<std::size_t>(i)]
                                       : ctx_.Config.GroupDirectory[static_cast<std::size_t>(i)];
        parent->child(i)->setText(
            0, ToQString(EntryNodeText(individual ? "Memory ID" : "Group ID", i + 1, entry.Enable)));
    }
}

void MainWindow::jumpTo(const std::string &key) {
    if (QTreeWidgetItem *item = nodeByKey(QString::fromStdString(key))) {
        tree_->scrollToItem(item);
        tree_->setCurrentItem(item);
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
        // The click that chose the node is still being handled and selects it after this returns:
        // the shown node is selected again now and once that is done.
        restoreShownNode();
        QTimer::singleShot(0, this, &MainWindow::restoreShownNode);
        return;
    }
    shownKey_ = key;
    showPage(current);
}

void MainWindow::restoreShownNode() {
    QTreeWidgetItem *shown = nodeByKey(shownKey_);
    if (shown == nullptr) {
        return;
    }
    const QSignalBlocker blocker(tree_);
    for (QTreeWidgetItem *parent = shown->parent(); parent != nullptr; parent = parent->parent()) {
        parent->setExpanded(true);
    }
    tree_->setCurrentItem(shown);
    tree_->clearSelection();
    shown->setSelected(true);
}

void MainWindow::showPage(QTreeWidgetItem *item) {
    if (item == nullptr || isMinimized()) {
        return;
    }
    if (!filling_) {
        commitEdits(); // a replacement under way is one step of its own
    }
    shownCaption_ = item->text(0).toStdString();
    const bool keepModified = modified_;
    const PageTarget target = PageOfNode(Key(item->parent()).toStdString(), Key(item).toStdString());
    for (const auto &[page, panel] : pagePanels_) {
        panel->setEnabled(false);
    }
    switch (target.page) {
    case Page::ChannelTable:
        tablePage_->fill(target.table);
        tablePage_->setEnabled(true);
        break;
    case Page::ChannelEditor:
        editorPage_->fill(target.table, target.index);
        break;
    case Page::Weather:
        weatherPage_->fill();
        break;
    case Page::Usable:
        usablePage_->fill();
        break;
    case Page::Common:
        commonPage_->fill();
        break;
    case Page::Dsc:
        dscPage_->fill();
        break;
    case Page::Atis:
        atisPage_->fill();
        break;
    case Page::DirectoryTable:
        directoryPage_->fill(target.table);
        break;
    case Page::DirectoryEntry:
        entryPage_->fill(target.table, target.index);
        break;
    default:
        if (const auto panel = pagePanels_.find(target.page); panel != pagePanels_.end()) {
            panel->second->setEnabled(true);
        }
        break;
    }
    if (const auto panel = pagePanels_.find(target.page); panel != pagePanels_.end()) {
        pages_->setCurrentWidget(panel->second);
    }
    hintPanel_->setText(kTreeHint);
    modified_ = keepModified; // filling a page is never a change
}

bool MainWindow::validatePage() {
    QWidget *shown = pages_->currentWidget();
    if (shown == editorPage_) {
        return editorPage_->validate();
    }
    if (shown == usablePage_) {
        return usablePage_->validate();
    }
    if (shown == entryPage_) {
        return entryPage_->validate();
    }
    if (shown == dscPage_) {
        return dscPage_->validate();
    }
    if (shown == atisPage_) {
        return atisPage_->validate();
    }
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
