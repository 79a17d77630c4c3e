#include "config/interface_texts.h"

namespace krx {
namespace {

InterfaceTexts MakeBuiltIn() {
    InterfaceTexts t;
    t.armStates = {"ОХРАНА", "НАБЛЮДЕНИЕ", "ЗАЩИТА", "Смена режима"};
    t.outputNames = {"Реле 1",  "Реле 2",  "Выход 1", "Выход 2",
                     "Выход 3", "Выход 4", "Выход 5"};
    t.outputActions = {"Нет реакции", "Включить", "Выключить"};
    for (int i = 1; i <= 14; ++i) t.outputActions.push_back("сценарий " + std::to_string(i));
    t.scenarioActions = {"Нет действия", "Перейти в реж. Охрана", "Перейти в реж. Наблюдение",
                         "Управление Реле 1", "Управление Реле 2"};
    for (int i = 1; i <= 5; ++i) t.scenarioActions.push_back("Управление Выходом " + std::to_string(i));
    t.indicatorFunctions = {
        "Показывать состояние входов 1-8 на индикаторах In1-In8",
        "Показывать уровень GSM сигнала на индикаторах In1-In8",
        "Показывать состояние входов 9-16 на индикаторах In1-In8",
        "Показывать состояние входов на индикаторах In1-In4",
        "Показывать уровень GSM сигнала на индикаторах In1-In4",
        "Показывать состояние выходов на индикаторах In1-In4",
        "Показывать информацию попеременно",
        "Установлена плата расширенной индикации",
    };
    t.permissionWords = {"Разрешено", "Разрешен"};
    t.sourceListHeadings = {
        " События воздействующие на это реле [Вкладка | Воздействие | Событие] ",
        " События воздействующие на этот выход [Вкладка | Воздействие | Событие] ",
    };
    t.gsmStates = {
        "Инициализация модема",
        "Сервисный режим, обновление микропрограммы GSM модуля",
        "Основное питание отсутствует, регистрация в сети GSM невозможна",
        "SIM карта не установлена",
        "SIM карта неисправна или отсутствует",
        "Не верный PIN-код",
        "SIM карта заблокирована, требуется PUK-код",
        "PIN-код принят",
        "Зарегистрирован в домашней сети",
        "Регистрация в процессе...",
        "Зарегистрирован в роуменге",
        "Неизвестное состояние GSM модуля",
    };
    t.transferMessages = {
        "Невозможно открыть ",
        "Идентификация...",
        "Передача данных в память контроллера...",
        "Ошибка порта ",
        "Чтение данных из памяти контроллера...",
        "Программирование завершено успешно",
        "Ошибка, найдены несоответствия в данных",
        "Данные считаны",
        "Данные в памяти контроллера аналогичны текущим",
        "Данные в памяти контроллера отличаются от текущих",
        "Версия устройства считана",
        "Данные переданы",
        "Перезагрузка устройства инициированна",
        "Нет корректного ответа от устройства",
        "Нет ответа от устройства",
        "Ошибка передачи данных, код 1",
        "Ошибка передачи данных, код 2",
        "Ошибка передачи данных, код 3",
        "Внутренняя ошибка взаимодействия с FLASH памятью",
        "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих "
        "команд не могут быть выполнены",
    };
    t.portOpenError =
        "Не возможно открыть указанный COM порт, возможно он занят другим приложением.";
    t.portDialogCaption = "Выбор COM порта";
    t.aboutForVersion = "для версии устройства";
    t.aboutCaption = "О программе";
    t.scenarioGrid = {"Форма сигнала", "Сценарий №", "ЦИКЛ", "ВЫС", "НИЗ"};
    t.keyTable = {"Ключ с кодом: ", ", уже внесен в таблицу", "Вся память использована"};
    t.armInModeOnOutput = "Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе ";
    t.clockCheck = {"Установка времени и даты",  "Не верно установлено число",
                    "Не верно установлен месяц", "Не верно установлен год",
                    "Не верно установлены часы", "Не верно установлены минуты"};
    t.imeiClipboardPrefix = "IMEI: ";
    t.boardTemperatureCaption = "Текущее значение";
    t.valueWords = {"да", "нет", "нет выбора", "Байты вне настроек", "байт", "В контроллере", "В копии"};

    t.sectionTree = {{0, "GSM контроллер"}, {1, "Общие параметры соединений"}};
    for (int i = 1; i <= 8; ++i) t.sectionTree.push_back({2, "Соединение " + std::to_string(i)});
    t.sectionTree.push_back({1, "Часы, планировщик задач"});
    t.sectionTree.push_back({1, "Питание, температура, индикация, контроль вскрытия"});
    t.sectionTree.push_back({1, "Вход [Arm In]"});
    t.sectionTree.push_back({1, "Входы"});
    for (int i = 1; i <= 4; ++i) t.sectionTree.push_back({2, "Вход " + std::to_string(i)});
    t.sectionTree.push_back({1, "Выходы"});
    t.sectionTree.push_back({2, "Реле 1"});
    t.sectionTree.push_back({2, "Реле 2"});
    t.sectionTree.push_back({2, "Выход 1"});
    t.sectionTree.push_back({2, "Выход 2"});
    t.sectionTree.push_back({2, "Сценарии управления"});
    t.sectionTree.push_back({1, "Профили"});
    for (int i = 1; i <= 4; ++i) t.sectionTree.push_back({2, "Профиль " + std::to_string(i)});
    t.sectionTree.push_back({1, "Системные параметры"});
    return t;
}

}  // namespace

const InterfaceTexts& BuiltInInterfaceTexts() {
    static const InterfaceTexts kTexts = MakeBuiltIn();
    return kTexts;
}

const std::string& TextAt(const std::vector<std::string>& list, int index) {
    static const std::string kEmpty;
    if (index < 0 || index >= static_cast<int>(list.size())) return kEmpty;
    return list[static_cast<std::size_t>(index)];
}

const std::string& SectionNodeTextOf(const InterfaceTexts& texts, SectionId section) {
    static const std::string kEmpty;
    if (!section.isValid() || section.index() >= static_cast<int>(texts.sectionTree.size())) {
        return kEmpty;
    }
    return texts.sectionTree[static_cast<std::size_t>(section.index())].text;
}

}  // namespace krx
