#pragma once
// The actions of the main window with their menus ("Файл", "Настройка",
// "Контроллер", "?") and tool buttons. Handlers are connected by the window.

#include <QList>
#include <QString>

class QAction;
class QMainWindow;

namespace krx {

struct WindowActions {
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileHistory = nullptr;  // "История конфигураций..."
    QAction* FileReport = nullptr;   // "Отчёт о конфигурации..."
    QAction* FileClose = nullptr;
    QAction* ComPortConfig = nullptr;
    QAction* Programm = nullptr;
    QAction* ReadConf = nullptr;
    QAction* CompareConf = nullptr;
    QAction* ReadIMEICode = nullptr;
    QAction* Reconfigurate = nullptr;
    QAction* Reset = nullptr;
    QAction* FactoryConfig = nullptr;
    QAction* Abaut = nullptr;

    // The action behind a menu item, by the item's own name (the language
    // file names menu items: "N2" is "Установить стандартную конфигурацию",
    // "N10" "Программировать" ...); null for a name no item has.
    QAction* menuItem(const QString& name) const;

    // Enabled and disabled together around device operations.
    QList<QAction*> deviceActions() const;
    // Disabled while the system parameters section is shown: that section
    // talks to the controller through its own buttons.
    QList<QAction*> controllerActions() const;
};

// Creates the actions (parented to `window`), its menu bar and tool bar.
WindowActions CreateWindowActions(QMainWindow& window);

}  // namespace krx
