// SAVEAS: writes the current drawing to a DXF file, a Windows path of the machine or a host path.
#include "dxf/drawing_files.h"
#include "sim/commands/host_commands.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

void saveAsCommand() {
    Host& host = *Host::current();
    const std::optional<TypedFile> answer = promptFileName(host, L"Enter file name: ");
    if (!answer) return;
    const std::filesystem::path& file = answer->file;
    // The simulator keeps no DWG writer: a drawing is saved only as DXF.
    if (!dxf::isDxfName(file)) {
        host.commandLine().print(L"Only DXF files can be written: \"" + answer->name + L"\".\n");
        return;
    }
    try {
        dxf::saveDxfDrawing(host, *host.documents().current(), file);
    } catch (const std::exception&) {
        host.commandLine().print(L"Cannot write \"" + answer->name + L"\".\n");
    }
}

}  // namespace vexa::sim
