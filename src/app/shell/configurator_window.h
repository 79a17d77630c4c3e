#pragma once
// The main window `Form1`: the section tree, the section pages, the actions,
// the status bar and the orderly close. It owns the one configuration image
// and the serial port object; the section switch, the file commands and the
// port dialog do the work.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/shell/port_access.h"
#include "app/shell/section_pages.h"
#include "app/shell/user_dialogs.h"
#include "app/shell/window_actions.h"
#include "config/config_image.h"
#include "config/interface_texts.h"
#include "device/device_gate.h"

class QStackedWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace krx {

class FileCommands;
class ModePanel;
class SectionSwitcher;
class StatusPanels;

// What the window is built with; empty members get the real thing.
struct ConfiguratorWindowSetup {
    std::unique_ptr<UserDialogs> dialogs;
    std::unique_ptr<PortAccess> port;
    // A port named on the command line; wins over the settings file.
    QString portOverride;
};

class ConfiguratorWindow : public QMainWindow, private DeviceGateHooks {
    Q_OBJECT
public:
    static const QString kCaption;  // "Конфигуратор GSM контроллера KRX310"
    static constexpr int kStartDelayMs = 500;

    explicit ConfiguratorWindow(ConfiguratorWindowSetup setup = {}, QWidget* parent = nullptr);
    ~ConfiguratorWindow() override;

    // The window's one catalogue of run-time texts.
    const InterfaceTexts& texts() const { return texts_; }
    // Substitutes the catalogue (the language file does): the tree nodes,
    // every page's lists and captions, and whoever reads the texts later.
    void setTexts(const InterfaceTexts& texts);

    // Set when a valid language file was applied at start-up.
    bool languageLoaded() const { return languageLoaded_; }
    void setLanguageLoaded() { languageLoaded_ = true; }

    ConfigImage& image() { return image_; }
    const ConfigImage& image() const { return image_; }
    PortAccess& port() { return *port_; }
    UserDialogs& dialogs() { return *dialogs_; }
    const WindowActions& actions() const { return actions_; }
    StatusPanels& statusPanels() { return *status_; }
    FileCommands& fileCommands() { return *fileCommands_; }
    QTreeWidget& sectionTree() { return *tree_; }
    // The security-mode buttons below the tree.
    ModePanel& modePanel() { return *modePanel_; }
    QString programDirectory() const { return programDirectory_; }

    SectionId currentSectionId() const;
    SectionPanel* page(SectionId section) const { return pages_.at(section); }
    // Selects the tree node, which runs the section switch.
    void selectSection(SectionId section);
    void storeCurrentSection();
    void loadCurrentSection();

    // Device operations lock the file and device actions while they run;
    // closing is refused while they are locked.
    void LockDeviceActions();
    void UnlockDeviceActions();

    // The one gate of every command on the controller; closing, the file
    // commands and the port dialog ask it too.
    DeviceGate& gate() { return gate_; }

    // Closes now, or as soon as the running device operation has unlocked
    // the actions (a termination request must not be lost).
    void closeWhenIdle();

    // The monitor is started and stopped through these hooks.
    void setMonitorControl(std::function<void()> start, std::function<void()> stop);
    void startMonitor() override;
    void stopMonitor() override;
    // Starts `Timer2`: after `delayMs` the monitor starts and the actions are
    // unlocked (start-up, and after a controller restart).
    void startMonitorLater(int delayMs);

signals:
    // The section switch has shown `section`.
    void sectionChanged(krx::SectionId section);
    // The link state for status bar panel 1 changed (port name or "NC").
    void linkStateChanged(const QString& text);
    // `Timer2` has fired: the monitor was started and the actions unlocked.
    void delayedStartDone();
    // setTexts() has put a new catalogue in place.
    void textsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void onCreate(const QString& portOverride);
    void onTreeNodeChanged(QTreeWidgetItem* current);
    void onTimer2();
    void showPortDialog();
    void applyActionStates();
    void applyTextsToPages();
    QString settingsFilePath() const;
    // The device gate's lock: the actions, and every control that could
    // change the image while a job owns it.
    void lockDeviceActions() override;
    void unlockDeviceActions() override;
    void setEditingEnabled(bool enabled);
    // Runs a file command unless a command holds the device.
    template <typename Result>
    void whenIdle(Result (FileCommands::*command)());

    InterfaceTexts texts_ = BuiltInInterfaceTexts();
    ConfigImage image_;
    std::unique_ptr<UserDialogs> dialogs_;
    std::unique_ptr<PortAccess> port_;
    QString programDirectory_;

    QTreeWidget* tree_ = nullptr;
    ModePanel* modePanel_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QTimer* timer2_ = nullptr;
    SectionPages pages_;
    WindowActions actions_;
    std::unique_ptr<StatusPanels> status_;
    std::unique_ptr<SectionSwitcher> switcher_;
    FileCommands* fileCommands_ = nullptr;

    DeviceGate gate_{*this};
    bool actionsLocked_ = true;
    bool controllerActionsBlockedByPage_ = false;
    bool closePending_ = false;
    bool languageLoaded_ = false;
    std::function<void()> startMonitor_;
    std::function<void()> stopMonitor_;
};

}  // namespace krx
