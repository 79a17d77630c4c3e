// The KRXConfig.cfg reader on any file: never a crash; a name it accepts is
// one the program may use, and writes back to a file that reads the same.
#include <QString>

#include <cstdint>

#include "device/program_settings.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString file = QString::fromStdString(fuzz::ScratchFile(data, size));
    QString name = QStringLiteral("untouched");
    if (!ReadProgramSettings(file, name)) {
        if (name != QStringLiteral("untouched")) fuzz::Broken("a refused file changed the name");
        return 0;
    }
    if (!IsAcceptablePortName(name)) fuzz::Broken("an accepted name the program may not use");
    return 0;
}
