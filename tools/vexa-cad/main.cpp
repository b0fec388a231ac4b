// vexa-cad: the host simulator. Loads the plug-ins, opens drawings, runs an AutoLISP script
// with a scripted user, and prints the command line as the host would.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "dxf/drawing_files.h"
#include "lisp/utf8.h"
#include "sim/fault_points.h"
#include "sim/host.h"
#include "sim/pictures/picture_folder.h"
#include "sim/solids/solid_commands.h"
#include "sim/run_audit.h"
#include "sim/user/user_script.h"

namespace {

constexpr const char* usage =
    "usage: vexa-cad [--plugins DIR] [--user FILE] [--drives DIR] [--fault SERVICE[:N]] [--pictures DIR] [--save DIR]\n"
    "                SCRIPT.lsp [DRAWING.dwg|DRAWING.dxf ...]\n"
    "  Opens the drawings (default: one new drawing; a .dxf one from its file), loads the five\n"
    "  plug-ins, runs the script in the current drawing, answering prompts from the user file.\n"
    "  --drives DIR keeps the simulated machine's files (C:\\ is DIR/c) after the run.\n"
    "  --fault SERVICE[:N] makes the host service's Nth call (default 1) fail; repeatable.\n"
    "  --pictures DIR writes a PNG of the window at every show and picture act, numbered in order.\n"
    "  --save DIR writes every open drawing to DIR as NAME.dxf at exit.\n";

constexpr const char* pluginNames[] = {"VexaOrdo", "VexaKito", "VexaDim", "Vexa3D", "VexaSetup"};

std::wstring readWide(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::stringstream bytes;
    bytes << in.rdbuf();
    return vexa::sim::lisp::decodeUtf8(bytes.str());
}

void writeUtf8(std::wstring_view text) {
    std::cout << vexa::sim::lisp::encodeUtf8(text) << std::flush;
}

// Drawings are simulated: a Windows path such as C:\Parts\Housing.dwg is kept as written.
std::wstring fullPath(const std::filesystem::path& drawing) {
    const std::string text = drawing.string();
    const bool windowsPath = text.size() > 2 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    return windowsPath ? drawing.wstring() : std::filesystem::absolute(drawing).wstring();
}

// NAME.dxf for each drawing, by the name's last part (a Windows path's too).
void saveDrawings(vexa::sim::Host& host, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& document : host.documents().documents()) {
        std::wstring name = document->fileName();
        name = name.substr(name.find_last_of(L"\\/") + 1);
        const std::filesystem::path file = folder / std::filesystem::path(name).replace_extension(".dxf");
        vexa::sim::dxf::saveDxfDrawing(host, *document, file);
    }
}

int run(const std::vector<std::string>& arguments, const std::filesystem::path& executable) {
    std::filesystem::path pluginDir = executable.parent_path().parent_path() / "plugins";
    std::filesystem::path userFile;
    std::filesystem::path driveRoot;
    std::filesystem::path pictureDir;
    std::filesystem::path saveDir;
    std::filesystem::path script;
    std::vector<std::filesystem::path> drawings;
    std::vector<std::string> armed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if ((argument == "--plugins" || argument == "--user" || argument == "--drives" || argument == "--pictures" ||
             argument == "--save") &&
            i + 1 < arguments.size()) {
            (argument == "--plugins"    ? pluginDir
             : argument == "--user"     ? userFile
             : argument == "--drives"   ? driveRoot
             : argument == "--pictures" ? pictureDir
                                        : saveDir) = arguments[++i];
        } else if (argument == "--fault" && i + 1 < arguments.size()) {
            armed.push_back(arguments[++i]);
        } else if (argument == "--help" || argument.starts_with("--")) {
            std::cerr << usage;
            return 2;
        } else if (script.empty()) {
            script = argument;
        } else {
            drawings.emplace_back(argument);
        }
    }
    if (script.empty()) {
        std::cerr << usage;
        return 2;
    }

    vexa::sim::Host host;
    vexa::sim::solids::registerSolidCommands(host.commands());
    if (!driveRoot.empty()) host.useDriveRoot(driveRoot);
    host.commandLine().setEcho(writeUtf8);
    std::optional<vexa::sim::pictures::PictureFolder> pictures;
    if (!pictureDir.empty()) {
        pictures.emplace(host, pictureDir);
        host.setPictureTaker([&pictures](HWND window) { pictures->take(window); });
    }
    if (drawings.empty()) host.documents().newDocument();
    for (const auto& drawing : drawings) {
        vexa::sim::Document& document = host.documents().openDocument(fullPath(drawing));
        if (vexa::sim::dxf::isDxfName(drawing)) vexa::sim::dxf::openDxfDrawing(host, document, drawing);
    }
    // Failures are armed before the plug-ins load, so their initialisation can meet them too.
    if (!userFile.empty()) vexa::sim::queueUserScript(host, readWide(userFile));
    for (const std::string& fault : armed) vexa::sim::armFaultFromText(host, std::wstring(fault.begin(), fault.end()));
    for (const char* name : pluginNames) host.loadPlugin((pluginDir / (std::string(name) + ".so")).string());

    const bool ran = host.runScript(readWide(script));
    if (!saveDir.empty()) saveDrawings(host, saveDir);
    vexa::sim::auditRunEnd(host);
    for (const auto& name : {L"VexaSetup", L"Vexa3D", L"VexaDim", L"VexaKito", L"VexaOrdo"}) host.unloadPlugin(name);
    writeUtf8(L"\n");
    const auto faults = host.audit().take();
    for (const std::wstring& fault : faults) writeUtf8(L"audit: " + fault + L"\n");
    return ran && faults.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc), std::filesystem::absolute(argv[0]));
    } catch (const std::exception& error) {
        std::cerr << "vexa-cad: " << error.what() << "\n";
        return 2;
    }
}
