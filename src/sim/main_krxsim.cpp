// krx-sim: a simulated KRX310-LT controller behind a pseudo-terminal. Prints
// the port name to open (for example pts/4) on its first output line and
// serves until SIGTERM or SIGINT.

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/pty_server.h"
#include "sim/sim_controller.h"

namespace {

std::atomic<bool> g_stop{false};

void OnSignal(int) { g_stop.store(true); }

void PrintUsage() {
    std::cerr << "usage: krx-sim [options]\n"
                 "  --device NAME          device name in the identification (KRX310)\n"
                 "  --modification TEXT    modification (LT)\n"
                 "  --software 0xHHLL      software version (0x0101)\n"
                 "  --password TEXT        administrative password\n"
                 "  --config FILE.cnt      initial configuration (area 1)\n"
                 "  --system-parameters HEX  the 8 bytes of area 5, e.g. 0102030405060708\n"
                 "  --restart-silence MS   deaf time after a restart (1500)\n"
                 "  --pace                 19200 baud line timing\n"
                 "  --fault NAME           fault switch, repeatable:";
    for (const std::string& name : krx::sim::FaultSwitchNames()) {
        std::cerr << ' ' << name;
    }
    std::cerr << '\n';
}

bool ParseUnsigned(std::string_view text, unsigned long& value) {
    try {
        std::size_t used = 0;
        value = std::stoul(std::string(text), &used, 0);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

// "0A0b..." as bytes; empty for an odd length or a character that is not hex.
std::vector<std::uint8_t> ParseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    if (text.size() % 2 != 0) {
        return bytes;
    }
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (error != std::errc() || end != text.data() + i + 2) {
            return {};
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    auto controller = std::make_shared<krx::sim::SimController>();
    krx::sim::SimFaults faults;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) {
                std::cerr << "krx-sim: " << option << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        unsigned long number = 0;
        if (option == "--device") {
            const std::string text(value());
            controller->withDevice([&](krx::sim::SimDevice& d) { d.identity().deviceName = text; });
        } else if (option == "--modification") {
            const std::string text(value());
            controller->withDevice([&](krx::sim::SimDevice& d) { d.identity().modification = text; });
        } else if (option == "--software") {
            if (!ParseUnsigned(value(), number) || number > 0xFFFF) {
                std::cerr << "krx-sim: bad software version\n";
                return 2;
            }
            controller->withDevice([&](krx::sim::SimDevice& d) {
                d.identity().softwareVersion = static_cast<std::uint16_t>(number);
            });
        } else if (option == "--password") {
            const std::string text(value());
            controller->withDevice([&](krx::sim::SimDevice& d) { d.setPassword(text); });
        } else if (option == "--config") {
            const std::string file(value());
            const bool loaded = controller->withDevice(
                [&](krx::sim::SimDevice& d) { return d.memory().loadConfigFile(file); });
            if (!loaded) {
                std::cerr << "krx-sim: cannot read configuration " << file << '\n';
                return 2;
            }
        } else if (option == "--system-parameters") {
            const std::vector<std::uint8_t> bytes = ParseHex(value());
            const bool stored = bytes.size() == 8 && controller->withDevice([&](krx::sim::SimDevice& d) {
                return d.memory().setArea(5, bytes);
            });
            if (!stored) {
                std::cerr << "krx-sim: system parameters need 8 bytes in hex\n";
                return 2;
            }
        } else if (option == "--restart-silence") {
            if (!ParseUnsigned(value(), number)) {
                std::cerr << "krx-sim: bad restart silence\n";
                return 2;
            }
            controller->setRestartSilence(std::chrono::milliseconds(number));
        } else if (option == "--pace") {
            faults.linePacing = true;
        } else if (option == "--fault") {
            const std::string_view name = value();
            if (!krx::sim::ApplyFaultSwitch(faults, name)) {
                std::cerr << "krx-sim: unknown fault " << name << '\n';
                PrintUsage();
                return 2;
            }
        } else {
            PrintUsage();
            return option == "--help" ? 0 : 2;
        }
    }
    controller->setFaults(faults);

    krx::sim::PtyServer server(controller);
    std::string error;
    if (!server.open(error)) {
        std::cerr << "krx-sim: cannot open a pseudo-terminal: " << error << '\n';
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    std::cout << server.portName().toStdString() << std::endl;  // endl flushes
    server.serve(g_stop);
    return 0;
}
