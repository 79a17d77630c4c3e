#pragma once
// The files krxctl reads a configuration from: a configuration file (.cnt)
// or its text form, told apart by their first bytes, whatever their names.

#include <QByteArray>
#include <QString>

#include "config/config_image.h"

namespace krx::cli {

struct LoadedConfiguration {
    bool ok = false;
    ConfigImage image;  // the body; the tails are zero
    QString error;      // why the file cannot be used, with its name
};

LoadedConfiguration ReadAnyConfiguration(const QString& fileName);

// Writes `bytes` whole or not at all (a temporary file renamed over the target).
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes);

}  // namespace krx::cli
