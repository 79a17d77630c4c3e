#include "device/program_settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

#include "device/serial_link.h"

namespace krx {
namespace {

constexpr char kHeader[] = "[KRXProgCfg]";
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kPortFieldOffset = kHeaderSize;
constexpr std::size_t kConstantOffset = kPortFieldOffset + kPortFieldSize;

}  // namespace

QString ProgramSettingsPath(const QString& directory) {
    if (directory.isEmpty()) {
        return QString::fromLatin1(kProgramSettingsFileName);
    }
    return QDir(directory).filePath(QString::fromLatin1(kProgramSettingsFileName));
}

bool IsAcceptablePortName(const QString& name) {
#ifdef Q_OS_WIN
    return name.contains(QLatin1Char('C')) && name.contains(QLatin1Char('O')) &&
           name.contains(QLatin1Char('M'));
#else
    if (name.isEmpty()) {
        return false;
    }
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
#endif
}

QString DefaultPortName() {
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    const QStringList ports = AvailablePortNames();
    return ports.isEmpty() ? QStringLiteral("ttyS0") : ports.first();
#endif
}

std::array<std::uint8_t, kProgramSettingsSize> EncodeProgramSettings(const QString& portName) {
    std::array<std::uint8_t, kProgramSettingsSize> bytes{};
    std::memcpy(bytes.data(), kHeader, kHeaderSize);
    const QByteArray name = portName.toLatin1().left(static_cast<int>(kMaxStoredPortName));
    std::memcpy(bytes.data() + kPortFieldOffset, name.constData(), static_cast<std::size_t>(name.size()));
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[kConstantOffset + i] =
            static_cast<std::uint8_t>((kProgramSettingsConstant >> (8 * i)) & 0xFF);
    }
    return bytes;
}

bool ReadProgramSettings(const QString& path, QString& portName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() != static_cast<int>(kHeaderSize) ||
        std::memcmp(header.constData(), kHeader, kHeaderSize) != 0) {
        return false;
    }
    const QByteArray field = file.read(kPortFieldSize);
    if (field.size() != static_cast<int>(kPortFieldSize)) {
        return false;
    }
    const int end = field.indexOf('\0');
    const QString name = QString::fromLatin1(end < 0 ? field : field.left(end));
    if (!IsAcceptablePortName(name)) {
        return false;
    }
    const QByteArray constant = file.read(4);
    if (constant.size() != 4) {
        return false;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(constant[i])) << (8 * i);
    }
    if (value != kProgramSettingsConstant) {
        return false;
    }
    portName = name;
    return true;
}

bool WriteProgramSettings(const QString& path, const QString& portName) {
    const auto bytes = EncodeProgramSettings(portName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size()) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace krx
