#include "device/transfer_messages.h"

namespace krx {

QStringList TransferMessages() {
    return {
        QStringLiteral("Невозможно открыть "),
        QStringLiteral("Идентификация..."),
        QStringLiteral("Передача данных в память контроллера..."),
        QStringLiteral("Ошибка порта "),
        QStringLiteral("Чтение данных из памяти контроллера..."),
        QStringLiteral("Программирование завершено успешно"),
        QStringLiteral("Ошибка, найдены несоответствия в данных"),
        QStringLiteral("Данные считаны"),
        QStringLiteral("Данные в памяти контроллера аналогичны текущим"),
        QStringLiteral("Данные в памяти контроллера отличаются от текущих"),
        QStringLiteral("Версия устройства считана"),
        QStringLiteral("Данные переданы"),
        QStringLiteral("Перезагрузка устройства инициированна"),
        QStringLiteral("Нет корректного ответа от устройства"),
        QStringLiteral("Нет ответа от устройства"),
        QStringLiteral("Ошибка передачи данных, код 1"),
        QStringLiteral("Ошибка передачи данных, код 2"),
        QStringLiteral("Ошибка передачи данных, код 3"),
        QStringLiteral("Внутренняя ошибка взаимодействия с FLASH памятью"),
        QStringLiteral("Взаимодействие запрещено без указания пароля, команды чтения/записи и "
                       "ряд управляющих команд не могут быть выполнены"),
    };
}

QString BadAreaMessage() { return QStringLiteral("Ошибка идентификатора области FLASH памяти"); }

std::uint32_t StatusColourRgb(StatusColour colour) {
    switch (colour) {
        case StatusColour::Blue:
            return 0x0000FF;
        case StatusColour::Red:
            return 0xFF0000;
        case StatusColour::Black:
            break;
    }
    return 0x000000;
}

QString MessageAt(const QStringList& messages, int index) {
    if (index < 0 || index >= messages.size()) {
        return QString();
    }
    return messages.at(index);
}

}  // namespace krx
