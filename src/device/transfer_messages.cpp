#include "device/transfer_messages.h"

#include "config/interface_texts.h"

namespace krx {

QStringList TransferMessages() {
    QStringList texts;
    for (const std::string& text : BuiltInInterfaceTexts().transferMessages) {
        texts << QString::fromStdString(text);
    }
    return texts;
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
