// krx-save-loop KIND DIR: writes one of the program's files in DIR over and
// over, alternating between two contents, until it is killed. The test that
// kills it checks that the file is always one whole version or the other.
//
// KIND: cnt (a configuration file), working ("default.cnt"), settings
// ("KRXConfig.cfg"), history (copies in history/<serial>/).

#include <QString>

#include <cstdio>
#include <cstring>
#include <string>

#include "config/config_file.h"
#include "config/config_history.h"
#include "save_loop_contents.h"
#include "device/program_settings.h"

using namespace krx;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: krx-save-loop (cnt|working|settings|history) DIR\n");
        return 2;
    }
    const std::string kind = argv[1];
    const std::string dir = argv[2];
    const ConfigImage versions[2] = {test::SaveLoopImage(0), test::SaveLoopImage(1)};
    for (unsigned long n = 0;; ++n) {
        const int v = static_cast<int>(n % 2);
        if (kind == "cnt") {
            WriteConfigFile(versions[v], dir + "/" + test::kSaveLoopCnt);
        } else if (kind == "working") {
            WriteWorkingFile(versions[v], dir + "/" + std::string(kWorkingFileName));
        } else if (kind == "settings") {
            WriteProgramSettings(QString::fromStdString(dir + "/KRXConfig.cfg"), test::SaveLoopPortName(v));
        } else if (kind == "history") {
            // A new copy every time, as every read does.
            char time[32];
            std::snprintf(time, sizeof time, "2026-12-11_10-%02lu-%02lu", (n / 60) % 60, n % 60);
            SaveToHistory(versions[v], dir, test::kSaveLoopSerial, time, HistoryKind::Read);
        } else {
            return 2;
        }
    }
}
