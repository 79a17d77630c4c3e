#include "cli/configuration_files.h"

#include <QFile>
#include <QSaveFile>

#include "config/config_file.h"
#include "config/readable_config.h"

namespace krx::cli {

namespace {

// A text configuration is about 70 KB; anything far larger is not one.
constexpr qint64 kLargestText = 4 << 20;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

LoadedConfiguration ReadAnyConfiguration(const QString& fileName) {
    LoadedConfiguration loaded;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = Text(OpenResultMessage(kConfigFileCannotOpen)) + ": " + fileName;
        return loaded;
    }
    const QByteArray start = file.peek(qint64(kConfigFileHeaderSize));
    if (LooksLikeConfigFile(std::string_view(start.constData(), std::size_t(start.size())))) {
        file.close();
        const int code = ReadConfigFile(loaded.image, fileName.toStdString());
        loaded.ok = code == kConfigFileOk;
        if (!loaded.ok) loaded.error = Text(OpenResultMessage(code)) + ": " + fileName;
        return loaded;
    }
    if (file.size() > kLargestText) {
        loaded.error = Text(OpenResultMessage(kConfigFileUnknownFormat)) + ": " + fileName;
        return loaded;
    }
    const QByteArray text = file.readAll();
    const TextLoadResult read = BodyFromText(std::string_view(text.constData(), std::size_t(text.size())));
    loaded.ok = read.ok;
    if (read.ok) loaded.image = read.image;
    else loaded.error = fileName + ": " + QString::fromStdString(read.error);
    return loaded;
}

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace krx::cli
