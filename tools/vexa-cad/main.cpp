// vexa-cad: the host simulator. Loads the plug-ins, opens drawings, runs an AutoLISP script
// with a scripted user, and prints the command line as the host would.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/host.h"
#include "sim/user_script.h"

namespace {

constexpr const char* usage =
    "usage: vexa-cad [--plugins DIR] [--user FILE] SCRIPT.lsp [DRAWING.dwg ...]\n"
    "  Opens the drawings (default: one new drawing), loads the five plug-ins, runs the\n"
    "  script in the current drawing, answering prompts from the user file.\n";

constexpr const char* pluginNames[] = {"VexaOrdo", "VexaKito", "VexaDim", "Vexa3D", "VexaSetup"};

std::wstring readWide(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    std::wstring wide;
    // UTF-8 to code points; scripts carry the product's Chinese texts.
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t point = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k) point = (point << 6) | (text[i + k] & 0x3F);
        wide += static_cast<wchar_t>(point);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return wide;
}

void writeUtf8(std::wstring_view text) {
    std::string out;
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    std::cout << out << std::flush;
}

// Drawings are simulated: a Windows path such as C:\Parts\Housing.dwg is kept as written.
std::wstring fullPath(const std::filesystem::path& drawing) {
    const std::string text = drawing.string();
    const bool windowsPath = text.size() > 2 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    return windowsPath ? drawing.wstring() : std::filesystem::absolute(drawing).wstring();
}

int run(const std::vector<std::string>& arguments, const std::filesystem::path& executable) {
    std::filesystem::path pluginDir = executable.parent_path().parent_path() / "plugins";
    std::filesystem::path userFile;
    std::filesystem::path script;
    std::vector<std::filesystem::path> drawings;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if ((argument == "--plugins" || argument == "--user") && i + 1 < arguments.size()) {
            (argument == "--plugins" ? pluginDir : userFile) = arguments[++i];
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
    host.commandLine().setEcho(writeUtf8);
    if (drawings.empty()) host.documents().newDocument();
    for (const auto& drawing : drawings) host.documents().openDocument(fullPath(drawing));
    for (const char* name : pluginNames) host.loadPlugin((pluginDir / (std::string(name) + ".so")).string());
    if (!userFile.empty()) vexa::sim::queueUserScript(host, readWide(userFile));

    const bool ran = host.runScript(readWide(script));
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
