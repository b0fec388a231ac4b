// SAVEAS: writes the current drawing to a DXF file, a Windows path of the machine or a host path.
#include "dxf/drawing_files.h"
#include "sim/commands/host_commands.h"
#include "sim/host.h"

namespace vexa::sim {

void saveAsCommand() {
    Host& host = *Host::current();
    const PromptResult answer = host.promptString(true, L"Enter file name: ");
    if (answer.status != RTNORM || answer.text.empty()) return;
    const std::filesystem::path file = host.drives().toHost(answer.text).value_or(std::filesystem::path(answer.text));
    // The simulator keeps no DWG writer: a drawing is saved only as DXF.
    if (!dxf::isDxfName(file)) {
        host.commandLine().print(L"Only DXF files can be written: \"" + answer.text + L"\".\n");
        return;
    }
    try {
        dxf::saveDxfDrawing(host, *host.documents().current(), file);
    } catch (const std::exception&) {
        host.commandLine().print(L"Cannot write \"" + answer.text + L"\".\n");
    }
}

}  // namespace vexa::sim
