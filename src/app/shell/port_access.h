#pragma once
// What the window and the port dialog need of the serial port object: its
// name, a trial open with the system's reason on failure, and the list of
// ports present. The port stays closed outside such trials.

#include <QString>
#include <QStringList>

#include <memory>

// The program settings file (ReadProgramSettings, WriteProgramSettings,
// DefaultPortName) belongs to the device layer; the window uses it from there.
#include "device/program_settings.h"

namespace krx {

inline const QString kLinkDownText = QStringLiteral("NC");
// The name a port object starts with, until the settings file or
// DefaultPortName() gives the real one.
inline const QString kDefaultPortName = QStringLiteral("COM1");

class PortAccess {
public:
    virtual ~PortAccess() = default;

    virtual QString portName() const = 0;
    // Takes effect at the next open.
    virtual void setPortName(const QString& name) = 0;
    // Opens with the link's fixed settings; false and the system's reason on
    // failure, the port then stays closed.
    virtual bool open(QString* reason) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    // The serial ports present on this computer (pseudo-terminals are not
    // listed; their names can still be typed).
    virtual QStringList availablePorts() const = 0;
};

// Tries to open the port and closes it again. Returns the link state text for
// status bar panel 1: the port name when it opened, else "NC".
QString ProbePort(PortAccess& port);

// The serial port of this computer.
std::unique_ptr<PortAccess> MakeSystemPortAccess();

}  // namespace krx
