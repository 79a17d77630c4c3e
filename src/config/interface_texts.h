#pragma once
// The one catalogue of the window's run-time texts: the vocabulary lists and
// single strings the language file may replace, and the texts of the section
// tree. The window owns one catalogue and is the only one that substitutes
// it; rules and pages take their words from it by reference.
//
// UTF-8 throughout; texts become Windows-1251 only where bytes are stored or
// sent.

#include <string>
#include <vector>

#include "config/section_id.h"

namespace krx {

// The grid's words; the language file may replace them, so every rule takes
// the words in use.
struct ScenarioGridWords {
    std::string header;
    std::string scenario;
    std::string cyclic;
    std::string high;
    std::string low;

    bool operator==(const ScenarioGridWords&) const = default;
};

// The three texts of the key table's description line.
struct KeyTableMessages {
    std::string alreadyListedPrefix;  // "Ключ с кодом: "
    std::string alreadyListedSuffix;  // ", уже внесен в таблицу"
    std::string memoryFull;           // "Вся память использована"

    bool operator==(const KeyTableMessages&) const = default;
};

// A node of the section tree: its depth and its text.
// The check of a typed controller time: the box's title and the text for
// the first field no calendar has.
struct ClockCheckTexts {
    std::string title;   // "Установка времени и даты"
    std::string day;     // "Не верно установлено число"
    std::string month;   // "Не верно установлен месяц"
    std::string year;    // "Не верно установлен год"
    std::string hour;    // "Не верно установлены часы"
    std::string minute;  // "Не верно установлены минуты"

    bool operator==(const ClockCheckTexts&) const = default;
};

// How the compare view and the report show a setting's value in words.
struct SettingValueWords {
    std::string yes;        // a checked box: "да"
    std::string no;         // "нет"
    std::string noChoice;   // a list that shows no item: "нет выбора"
    std::string noSetting;  // the section of the bytes that belong to no setting
    std::string byte;       // "байт", before a body offset
    std::string controllerColumn;  // the compare view's second column after "Сравнить"
    std::string copyColumn;        // ... after "Сравнить с редактором", before the copy's time
    std::string noDifferences;     // the compare view of two equal configurations

    bool operator==(const SettingValueWords&) const = default;
};

// The headings and words of the printable configuration report.
struct ReportWords {
    std::string title;           // "Отчёт о конфигурации"
    std::string made;            // "Составлен"
    std::string identification;  // "Идентификация контроллера"
    // Device, modification, hardware, software and boot loader versions,
    // production date, IMEI, unique number.
    std::vector<std::string> identificationLabels;
    std::string phones;          // "Телефоны соединений"
    std::string connection;      // "Соединение"
    std::string phone;           // "Телефон"
    std::string voice;           // "Голосовое оповещение"
    std::string sms;             // "SMS оповещение"
    std::string scheduler;       // "Планировщик задач"
    std::string scenarios;       // "Сценарии управления"
    std::string endless;         // "повторяется бесконечно"
    std::string once;            // "выполняется один раз"
    std::string times;           // "повторяется %1 раз"
    std::string stepSeconds;     // the note on the waveforms' step labels
    std::string outputSources;   // "Источники воздействия на реле и выходы"
    std::string noSources;       // "ничто не воздействует"
    std::string settings;        // "Параметры разделов"
    std::string setting;         // "Параметр"
    std::string value;           // "Значение"

    bool operator==(const ReportWords&) const = default;
};

struct SectionNodeText {
    int level = 0;
    std::string text;

    bool operator==(const SectionNodeText&) const = default;
};

struct InterfaceTexts {
    std::vector<std::string> armStates;           // 4: "ОХРАНА" .. "Смена режима"
    std::vector<std::string> outputNames;         // 7: "Реле 1" .. "Выход 5"
    std::vector<std::string> outputActions;       // 17: "Нет реакции" .. "сценарий 14"
    std::vector<std::string> scenarioActions;     // 10: "Нет действия" .. "Управление Выходом 5"
    std::vector<std::string> indicatorFunctions;  // 8; this model offers entries 4 to 7
    std::vector<std::string> permissionWords;     // relay "Разрешено", output "Разрешен"
    std::vector<std::string> sourceListHeadings;  // relay, output
    std::vector<std::string> gsmStates;           // 12, by GSM state code; the last one for unknown codes
    std::vector<std::string> transferMessages;    // 20, by the jobs' message index
    std::string portOpenError;                    // the port dialog's error text
    std::string portDialogCaption;                // "Выбор COM порта"
    std::string aboutForVersion;                  // "для версии устройства"
    std::string aboutCaption;                     // "О программе"
    ScenarioGridWords scenarioGrid;
    KeyTableMessages keyTable;
    std::string armInModeOnOutput;  // "Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе "
    ClockCheckTexts clockCheck;
    std::string imeiClipboardPrefix;  // "IMEI: ", before the IMEI on the clipboard
    // `LabelTemperature` while the controller reports a board temperature.
    std::string boardTemperatureCaption;  // "Текущее значение"
    std::vector<SectionNodeText> sectionTree;  // 30 nodes in tree order
    SettingValueWords valueWords;
    ReportWords report;

    bool operator==(const InterfaceTexts&) const = default;
};

// The built-in Russian texts: the only place they are written.
const InterfaceTexts& BuiltInInterfaceTexts();

// The text of a section's tree node; empty for no section.
const std::string& SectionNodeTextOf(const InterfaceTexts& texts, SectionId section);

// The entry at `index` of `list`, or an empty text when the list lacks it.
const std::string& TextAt(const std::vector<std::string>& list, int index);

}  // namespace krx
