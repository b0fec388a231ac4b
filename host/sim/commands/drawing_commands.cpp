// NEW, OPEN and CLOSE: drawings opened and closed while the plug-ins are loaded, each sending
// them its load or unload message.
#include <cstring>

#include "dxf/drawing_files.h"
#include "sim/commands/host_commands.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

// A new drawing from no template; it becomes current.
void newCommand() { Host::current()->documents().newDocument(); }

// A DXF file, as a Windows path of the machine or a host path, opened as the current drawing.
void openCommand() {
    Host& host = *Host::current();
    const std::optional<TypedFile> answer = promptFileName(host, L"Enter name of drawing to open: ");
    if (!answer) return;
    const std::filesystem::path& file = answer->file;
    // The simulator keeps no DWG reader: only DXF files open.
    if (!dxf::isDxfName(file)) {
        host.commandLine().print(L"Only DXF files can be opened: \"" + answer->name + L"\".\n");
        return;
    }
    if (!std::filesystem::is_regular_file(file)) {
        host.commandLine().print(L"Cannot find the file \"" + answer->name + L"\".\n");
        return;
    }
    if (Document* open = host.documents().findByFileName(answer->name)) {
        host.documents().activateDocument(open);
        return;
    }
    Document& document = host.documents().openDocument(answer->name);
    try {
        dxf::openDxfDrawing(host, document, file);
    } catch (const std::exception& error) {
        host.commandLine().print(L"Cannot open \"" + answer->name + L"\": " +
                                 std::wstring(error.what(), error.what() + std::strlen(error.what())) + L"\n");
        host.documents().closeDocument(document);
    }
}

// Closes the current drawing without asking to save it.
void closeCommand() {
    Host& host = *Host::current();
    if (Document* document = host.documents().current()) host.closeWhenIdle(*document);
}

}  // namespace

void registerDrawingCommands(CommandStack& commands) {
    commands.addCommand(L"ACAD_MAIN", L"_NEW", L"NEW", 0, &newCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_MAIN", L"_OPEN", L"OPEN", 0, &openCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_MAIN", L"_CLOSE", L"CLOSE", 0, &closeCommand, nullptr, -1, nullptr);
}

}  // namespace vexa::sim
