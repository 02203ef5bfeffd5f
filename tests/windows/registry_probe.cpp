// SPDX-License-Identifier: MIT
// Reads Windows' own registry and starts programs the way the About box does, for
// registry_end_to_end.sh to check under Wine against values it wrote with `reg`.
//   registry-probe value KEY NAME   prints "found:TEXT" or "missing:" for HKEY_LOCAL_MACHINE\KEY
//   registry-probe sysinfo          prints "started:COMMAND" or "unavailable"
// Bytes outside printable ASCII are printed as \xNN, so NULs and code page bytes show.
#include <cstdio>
#include <string>

#include "platform/program_launcher.h"
#include "platform/system_information.h"
#include "platform/system_registry.h"

namespace {

void printEscaped(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            std::putchar(byte);
        } else {
            std::printf("\\x%02X", byte);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace nickbridge::platform;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "value" && argc == 4) {
        std::string value;
        const bool found =
            readRegistryValue(systemRegistry(), kHkeyLocalMachine, argv[2], argv[3], value);
        std::printf("%s:", found ? "found" : "missing");
        printEscaped(value);
        std::printf("\n");
        return 0;
    }
    if (mode == "sysinfo" && argc == 2) {
        const auto command = systemInformationCommand(systemRegistry());
        if (command && systemLauncher().start(*command)) {
            std::printf("started:");
            printEscaped(*command);
            std::printf("\n");
        } else {
            std::printf("unavailable\n");
        }
        return 0;
    }
    std::fprintf(stderr, "usage: registry-probe value KEY NAME | registry-probe sysinfo\n");
    return 2;
}
