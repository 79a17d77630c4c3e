// The window's side of the device layer: the serial port object and the
// program settings file.

#include <QSerialPort>
#include <QSerialPortInfo>

#include <QFile>

#include "app/port_access.h"

namespace krx {

namespace {

class SystemPort : public PortAccess {
public:
    QString portName() const override { return name_; }
    void setPortName(const QString& name) override { name_ = name; }
    bool open(QString* reason) override {
        port_.setPortName(name_);
        if (!port_.open(QIODevice::ReadWrite)) {
            if (reason) *reason = port_.errorString();
            return false;
        }
        port_.setBaudRate(QSerialPort::Baud19200);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        // A pseudo-terminal has no modem lines; the port is usable anyway.
        port_.setDataTerminalReady(true);
        port_.setRequestToSend(true);
        port_.clearError();
        return true;
    }
    bool isOpen() const override { return port_.isOpen(); }
    void close() override {
        if (port_.isOpen()) port_.close();
    }
    QStringList availablePorts() const override {
        QStringList names;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            names << info.portName();
        return names;
    }

private:
    QString name_ = kDefaultPortName;
    QSerialPort port_;
};

constexpr char kSettingsHeader[] = "[KRXProgCfg]";
constexpr int kHeaderSize = 12;
constexpr int kPortFieldSize = 8;
constexpr quint32 kSettingsMagic = 0x20B84286;

}  // namespace

std::unique_ptr<PortAccess> MakeSystemPortAccess() { return std::make_unique<SystemPort>(); }

bool ReadPortSetting(const QString& fileName, QString& portName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(kHeaderSize + kPortFieldSize + 4);
    if (bytes.size() != kHeaderSize + kPortFieldSize + 4) return false;
    if (bytes.left(kHeaderSize) != QByteArray(kSettingsHeader, kHeaderSize)) return false;
    QByteArray field = bytes.mid(kHeaderSize, kPortFieldSize);
    const qsizetype nul = field.indexOf('\0');
    if (nul >= 0) field.truncate(nul);
    if (!field.contains('C') || !field.contains('O') || !field.contains('M')) return false;
    const auto* magic = reinterpret_cast<const uchar*>(bytes.constData() + kHeaderSize + kPortFieldSize);
    const quint32 value = quint32(magic[0]) | quint32(magic[1]) << 8 | quint32(magic[2]) << 16 |
                          quint32(magic[3]) << 24;
    if (value != kSettingsMagic) return false;
    portName = QString::fromLatin1(field);
    return true;
}

void WritePortSetting(const QString& fileName, const QString& portName) {
    QByteArray bytes(kSettingsHeader, kHeaderSize);
    QByteArray field = portName.toLatin1().left(kPortFieldSize - 1);
    field.resize(kPortFieldSize, '\0');
    bytes += field;
    for (int i = 0; i < 4; ++i) bytes += char((kSettingsMagic >> (8 * i)) & 0xFF);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(bytes);
}

}  // namespace krx
