#include "app/shell/window_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace krx {

QList<QAction*> WindowActions::deviceActions() const {
    return {Programm,  ReadConf,  CompareConf, FactoryConfig, Reset,
            Reconfigurate, FileOpen1, FileSave1, FileNew1, FileHistory, FileReport, ComPortConfig};
}

QList<QAction*> WindowActions::controllerActions() const {
    return {Programm, ReadConf, CompareConf, Reconfigurate, Reset, FactoryConfig};
}

QAction* WindowActions::menuItem(const QString& name) const {
    const std::pair<const char*, QAction*> items[] = {
        {"N2", FileNew1},       {"N3", FileOpen1},
        {"N13", FileSave1},     {"N7", FileClose},
        {"COMPortSetup", ComPortConfig},
        {"N10", Programm},      {"N11", ReadConf},
        {"N12", CompareConf},   {"ReadIMEICode1", ReadIMEICode},
        {"Reconfigurate1", Reconfigurate}, {"Reset1", Reset},
        {"N5", FactoryConfig},  {"N15", Abaut},
    };
    for (const auto& [itemName, action] : items) {
        if (name == QLatin1String(itemName)) return action;
    }
    return nullptr;
}

namespace {

QAction* MakeAction(QMainWindow& window, const char* name, const QString& caption,
                    const QString& hint = {}, const QKeySequence& key = {}) {
    auto* action = new QAction(caption, &window);
    action->setObjectName(name);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    action->setStatusTip(hint);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

// A tool button that triggers `action` and follows its enabled state, with a
// caption of its own (some tool buttons are worded shorter than the menu).
void AddToolButton(QToolBar& bar, QAction* action, const char* name, const QString& text,
                   const QIcon& icon = {}) {
    auto* button = new QToolButton(&bar);
    button->setObjectName(name);
    button->setText(text);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    button->setToolTip(action->toolTip());
    button->setStatusTip(action->statusTip());
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    bar.addWidget(button);
}

}  // namespace

WindowActions CreateWindowActions(QMainWindow& window) {
    WindowActions a;
    a.FileNew1 = MakeAction(window, "FileNew1", "Установить стандартную конфигурацию",
                            "Установить стандартную конфигурацию");
    a.FileOpen1 = MakeAction(window, "FileOpen1", "Открыть файл конфигурации...",
                             "Открыть файл конфигурации");
    a.FileSave1 = MakeAction(window, "FileSave1", "Сохранить текущую конфигурацию в файл...",
                             "Сохранить текущую конфигурацию в файл");
    a.FileHistory = MakeAction(window, "FileHistory", "История конфигураций...",
                               "Открыть копию конфигурации, прочитанной из контроллера или записанной в него");
    a.FileReport = MakeAction(window, "FileReport", "Отчёт о конфигурации...",
                              "Сохранить отчёт о конфигурации для печати (PDF или HTML)");
    a.FileClose = MakeAction(window, "N7", "Закрыть");
    a.ComPortConfig = MakeAction(window, "ComPortConfig", "COM порт...", "Настройка COM порта");
    a.Programm = MakeAction(window, "Programm", "Программировать",
                            "Загрузить конфигурацию в контроллер и перезапустить", Qt::Key_F5);
    a.ReadConf = MakeAction(window, "ReadConf", "Считать конфигурацию",
                            "Считать конфигурацию контроллера", Qt::Key_F6);
    a.CompareConf = MakeAction(window, "CompareConf", "Сравнить конфигурацию",
                               "Сравнить текущую конфигурацию с конфигурацией контроллера",
                               Qt::Key_F7);
    a.ReadIMEICode = MakeAction(window, "ReadIMEICode", "Считать IMEI контроллера в буфер обмена",
                                {}, Qt::Key_F10);
    a.Reconfigurate = MakeAction(window, "Reconfigurate", "Реконфигурировать",
                                 "Загрузить конфигурацию в контроллер, без перезапуска");
    a.Reset = MakeAction(window, "Reset", "Перезапустить (Системный сброс)",
                         "Перезапустить контроллер");
    a.FactoryConfig =
        MakeAction(window, "FactoryConfig", "Восстановить заводскую конфигурацию");
    a.Abaut = MakeAction(window, "Abaut", "О программе...");

    QMenuBar* bar = window.menuBar();
    bar->setObjectName("MainMenu1");
    QMenu* file = bar->addMenu("Файл");
    file->setObjectName("N1");
    file->addActions({a.FileNew1, a.FileOpen1, a.FileSave1, a.FileHistory, a.FileReport});
    file->addSeparator();
    file->addAction(a.FileClose);
    QMenu* setup = bar->addMenu("Настройка");
    setup->setObjectName("N8");
    setup->addAction(a.ComPortConfig);
    QMenu* controller = bar->addMenu("Контроллер");
    controller->setObjectName("N9");
    controller->addActions({a.Programm, a.ReadConf, a.CompareConf, a.ReadIMEICode,
                            a.Reconfigurate, a.Reset});
    controller->addSeparator();
    controller->addAction(a.FactoryConfig);
    QMenu* help = bar->addMenu("?");
    help->setObjectName("N14");
    help->addAction(a.Abaut);

    auto* tools = new QToolBar(&window);
    tools->setObjectName("ToolBar1");
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->toggleViewAction()->setVisible(false);
    window.addToolBar(Qt::TopToolBarArea, tools);
    const QStyle* style = window.style();
    AddToolButton(*tools, a.FileNew1, "SpeedButton2", a.FileNew1->text(),
                  style->standardIcon(QStyle::SP_FileIcon));
    AddToolButton(*tools, a.FileOpen1, "SpeedButton3", a.FileOpen1->text(),
                  style->standardIcon(QStyle::SP_DialogOpenButton));
    AddToolButton(*tools, a.FileSave1, "SpeedButton5", a.FileSave1->text(),
                  style->standardIcon(QStyle::SP_DialogSaveButton));
    tools->addSeparator();
    AddToolButton(*tools, a.Programm, "SpeedButton6", "Программировать");
    AddToolButton(*tools, a.ReadConf, "SpeedButton8", "Считать");
    AddToolButton(*tools, a.CompareConf, "SpeedButton1", "Сравнить");
    AddToolButton(*tools, a.Reconfigurate, "SpeedButton4", "Реконфигурировать");
    AddToolButton(*tools, a.Reset, "SpeedButton9", "Перезапустить");
    return a;
}

}  // namespace krx
