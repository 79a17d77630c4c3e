#include "app/shell/configurator_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialogs/port_dialog.h"
#include "app/pages/section_panel.h"
#include "app/shell/file_commands.h"
#include "app/shell/language_file_applier.h"
#include "app/shell/mode_panel.h"
#include "app/shell/port_access.h"
#include "app/shell/section_switcher.h"
#include "app/shell/section_tree.h"
#include "app/shell/status_panels.h"
#include "app/shell/user_dialogs.h"
#include "config/config_file.h"
#include "config/default_image.h"

namespace krx {

const QString ConfiguratorWindow::kCaption = QStringLiteral("Конфигуратор GSM контроллера KRX310");

ConfiguratorWindow::ConfiguratorWindow(ConfiguratorWindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(setup.dialogs ? std::move(setup.dialogs) : std::make_unique<UserDialogs>()),
      port_(setup.port ? std::move(setup.port) : MakeSystemPortAccess()) {
    setObjectName("Form1");
    ApplyDefaults(image_);
    buildControls();
    onCreate(setup.portOverride);
}

ConfiguratorWindow::~ConfiguratorWindow() {
    timer2_->stop();
    stopMonitor();
}

void ConfiguratorWindow::buildControls() {
    actions_ = CreateWindowActions(*this);
    status_ = std::make_unique<StatusPanels>(*statusBar());

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("Splitter1");
    splitter->setChildrenCollapsible(false);
    auto* left = new QWidget(splitter);
    left->setObjectName("PanelTree");
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    tree_ = new QTreeWidget(left);
    tree_->setObjectName("TreeView1");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setMinimumWidth(340);
    leftLayout->addWidget(tree_, 1);
    modePanel_ = new ModePanel(left);
    modePanel_->hide();  // shown once the window is built
    leftLayout->addWidget(modePanel_);

    auto* scroll = new QScrollArea(splitter);
    scroll->setObjectName("ScrollBoxPanels");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    stack_ = new QStackedWidget(scroll);
    stack_->setObjectName("PanelStack");
    scroll->setWidget(stack_);
    pages_ = CreateSectionPages(*stack_);

    splitter->addWidget(left);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    // The tree keeps its width: the splitter cannot be dragged.
    splitter->handle(1)->setEnabled(false);
    setCentralWidget(splitter);

    switcher_ = std::make_unique<SectionSwitcher>(
        image_, [this](SectionId id) { return pages_.at(id); }, *stack_);
    switcher_->setControllerActionsHook([this](bool allowed) {
        controllerActionsBlockedByPage_ = !allowed;
        applyActionStates();
    });

    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setSingleShot(true);
    connect(timer2_, &QTimer::timeout, this, &ConfiguratorWindow::onTimer2);

    connect(tree_, &QTreeWidget::currentItemChanged, this, &ConfiguratorWindow::onTreeNodeChanged);
    connect(actions_.FileClose, &QAction::triggered, this, &QWidget::close);
    connect(actions_.ComPortConfig, &QAction::triggered, this, &ConfiguratorWindow::showPortDialog);
    connect(this, &ConfiguratorWindow::linkStateChanged, this,
            [this](const QString& text) { status_->setText(StatusPanels::kLink, text); });

    applyActionStates();
    resize(1280, 800);
}

void ConfiguratorWindow::onCreate(const QString& portOverride) {
    const QString current = QDir::currentPath();
    programDirectory_ = current.isEmpty() ? QString() : QDir::toNativeSeparators(current + '/');

    setWindowTitle(kCaption);
    LoadSectionTree(*tree_, SectionTreeText(texts_));
    if (QTreeWidgetItem* root = SectionItem(*tree_, sections::kController)) {
        root->setText(0, RootNodeText(texts_));
    }
    applyTextsToPages();
    modePanel_->show();
    tree_->expandAll();
    selectSection(sections::kController);
    // A language file in the working directory replaces the texts.
    ApplyLanguageFileFrom(*this, current);

    fileCommands_ = new FileCommands(image_, *switcher_, *dialogs_, this, programDirectory_, this);
    connect(fileCommands_, &FileCommands::fileNameChanged, this,
            [this](const QString& name) { status_->setText(StatusPanels::kFileName, name); });
    connect(actions_.FileNew1, &QAction::triggered, this,
            [this] { whenIdle(&FileCommands::newConfiguration); });
    connect(actions_.FileOpen1, &QAction::triggered, this,
            [this] { whenIdle(&FileCommands::openConfiguration); });
    connect(actions_.FileSave1, &QAction::triggered, this,
            [this] { whenIdle(&FileCommands::saveConfiguration); });
    connect(actions_.FileHistory, &QAction::triggered, this,
            [this] { whenIdle(&FileCommands::openFromHistory); });

    QString portName;
    if (!ReadProgramSettings(settingsFilePath(), portName)) portName = DefaultPortName();
    if (!portOverride.isEmpty()) portName = portOverride;
    port_->setPortName(portName);

    ReadWorkingFile(image_);
    switcher_->loadCurrent();
    status_->setText(StatusPanels::kFileName, fileCommands_->fileName());

    emit linkStateChanged(ProbePort(*port_));
    startMonitorLater(kStartDelayMs);
}

QString ConfiguratorWindow::settingsFilePath() const {
    return ProgramSettingsPath(programDirectory_);
}

SectionId ConfiguratorWindow::currentSectionId() const {
    return switcher_->current();
}

void ConfiguratorWindow::setTexts(const InterfaceTexts& texts) {
    texts_ = texts;
    for (int index = 0; index < SectionId::kCount; ++index) {
        const SectionId section = SectionId::FromIndex(index);
        QTreeWidgetItem* item = SectionItem(*tree_, section);
        if (!item) continue;
        item->setText(0, section == sections::kController
                             ? RootNodeText(texts_)
                             : QString::fromStdString(SectionNodeTextOf(texts_, section)));
    }
    applyTextsToPages();
    SectionPanel* page = pages_.at(currentSectionId());
    QTreeWidgetItem* node = SectionItem(*tree_, currentSectionId());
    if (page && node) {
        if (QLabel* header = page->headerLabel()) header->setText(node->text(0));
    }
    emit textsChanged();
}

void ConfiguratorWindow::applyTextsToPages() {
    SectionPanel* previous = nullptr;
    for (int index = 0; index < SectionId::kCount; ++index) {
        SectionPanel* page = pages_.at(SectionId::FromIndex(index));
        // Several sections share a page: each page is refilled once.
        if (page && page != previous) page->applyTexts(texts_);
        previous = page;
    }
}

void ConfiguratorWindow::selectSection(SectionId section) {
    if (QTreeWidgetItem* item = SectionItem(*tree_, section)) tree_->setCurrentItem(item);
}

void ConfiguratorWindow::storeCurrentSection() {
    switcher_->storeCurrent();
}
void ConfiguratorWindow::loadCurrentSection() {
    switcher_->loadCurrent();
}

void ConfiguratorWindow::onTreeNodeChanged(QTreeWidgetItem* current) {
    const SectionId id = SectionIdOf(*tree_, current);
    if (!id.isValid()) return;
    switcher_->switchTo(id, current->text(0));
    emit sectionChanged(id);
}

void ConfiguratorWindow::LockDeviceActions() {
    actionsLocked_ = true;
    applyActionStates();
}

void ConfiguratorWindow::UnlockDeviceActions() {
    actionsLocked_ = false;
    applyActionStates();
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}

void ConfiguratorWindow::closeWhenIdle() {
    closePending_ = gate_.busy() || !actions_.ComPortConfig->isEnabled();
    if (!closePending_) close();
}

template <typename Result>
void ConfiguratorWindow::whenIdle(Result (FileCommands::*command)()) {
    // A file command reads or replaces the image, which a running job owns.
    if (gate_.busy()) return;
    (fileCommands_->*command)();
}

void ConfiguratorWindow::lockDeviceActions() {
    LockDeviceActions();
    setEditingEnabled(false);
    // The lock must be visible before the first job keeps the window waiting.
    repaint();
}

void ConfiguratorWindow::unlockDeviceActions() {
    setEditingEnabled(true);
    UnlockDeviceActions();
}

void ConfiguratorWindow::setEditingEnabled(bool enabled) {
    // The job that runs owns the image bytes it was handed: no section may be
    // switched or edited until it has ended.
    tree_->setEnabled(enabled);
    modePanel_->setEnabled(enabled);
    for (int index = 0; index < SectionId::kCount; ++index) {
        if (SectionPanel* page = pages_.at(SectionId::FromIndex(index))) page->setEditable(enabled);
    }
}

void ConfiguratorWindow::applyActionStates() {
    for (QAction* action : actions_.deviceActions()) action->setEnabled(!actionsLocked_);
    // Unlocking never enables the controller actions while a page that
    // talks to the controller itself is shown (the system parameters), and
    // leaving that page never enables them while an operation holds the lock.
    if (controllerActionsBlockedByPage_) {
        for (QAction* action : actions_.controllerActions()) action->setEnabled(false);
    }
}

void ConfiguratorWindow::setMonitorControl(std::function<void()> start,
                                           std::function<void()> stop) {
    startMonitor_ = std::move(start);
    stopMonitor_ = std::move(stop);
}

void ConfiguratorWindow::startMonitor() {
    if (startMonitor_) startMonitor_();
}

void ConfiguratorWindow::stopMonitor() {
    if (stopMonitor_) stopMonitor_();
}

void ConfiguratorWindow::startMonitorLater(int delayMs) {
    timer2_->setInterval(delayMs);
    timer2_->start();
}

void ConfiguratorWindow::onTimer2() {
    startMonitor();
    unlockDeviceActions();
    emit delayedStartDone();
}

void ConfiguratorWindow::showPortDialog() {
    // The dialog opens the port: no monitor may use it meanwhile.
    gate_.run([this] {
        TFormCOMPortConfig dialog(*port_, *dialogs_,
                                  QString::fromStdString(texts_.portDialogCaption),
                                  QString::fromStdString(texts_.portOpenError), this);
        connect(&dialog, &TFormCOMPortConfig::linkStateChanged, this,
                &ConfiguratorWindow::linkStateChanged);
        dialog.exec();
    });
}

void ConfiguratorWindow::closeEvent(QCloseEvent* event) {
    // A command holds the device from before the monitor is stopped; the
    // port action is disabled while the actions are locked.
    if (gate_.busy() || !actions_.ComPortConfig->isEnabled()) {
        event->ignore();
        return;
    }
    WriteProgramSettings(settingsFilePath(), port_->portName());
    switcher_->storeCurrent();
    WriteWorkingFile(image_);
    event->accept();
}

}  // namespace krx
