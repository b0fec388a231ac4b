#include "sim/solids/solid_commands.h"

#include "sim/commands/current_space.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"
#include "sim/solids/modeller.h"

namespace vexa::sim::solids {

namespace {

void addToModelSpace(Host& host, std::optional<db::SolidGeometry> solid) {
    if (!solid) {
        host.commandLine().print(L"Unable to create the solid.\n");
        return;
    }
    addToCurrentSpace(host, std::move(*solid));
}

void boxCommand() {
    Host& host = *Host::current();
    const std::optional<db::Point3> corner = promptPoint(host, L"Specify first corner: ");
    if (!corner) return;
    const std::optional<db::Point3> opposite = promptPoint(host, L"Specify other corner: ");
    if (!opposite) return;
    const std::optional<double> height = promptDistance(host, L"Specify height: ");
    if (height) addToModelSpace(host, makeBox(*corner, *opposite, *height));
}

void cylinderCommand() {
    Host& host = *Host::current();
    const std::optional<db::Point3> centre = promptPoint(host, L"Specify center point of base: ");
    if (!centre) return;
    const std::optional<double> radius = promptDistance(host, L"Specify base radius: ");
    if (!radius) return;
    const std::optional<double> height = promptDistance(host, L"Specify height: ");
    if (height) addToModelSpace(host, makeCylinder(*centre, *radius, *height));
}

// The file is a Windows path of the simulated machine (C:\...) or a path of the real one.
void importCommand() {
    Host& host = *Host::current();
    const std::optional<TypedFile> answer = promptFileName(host, L"Enter file name to import: ");
    if (!answer) return;
    const std::filesystem::path& file = answer->file;
    if (!std::filesystem::is_regular_file(file)) {
        host.commandLine().print(L"Cannot find the file \"" + answer->name + L"\".\n");
        return;
    }
    std::optional<db::SolidGeometry> part = importPart(file);
    if (!part) {
        host.commandLine().print(L"Cannot import \"" + answer->name + L"\".\n");
        return;
    }
    addToModelSpace(host, std::move(part));
}

}  // namespace

void registerSolidCommands(CommandStack& commands) {
    commands.addCommand(L"ACAD_SOLIDS", L"_BOX", L"BOX", 0, &boxCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_SOLIDS", L"_CYLINDER", L"CYLINDER", 0, &cylinderCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_SOLIDS", L"_IMPORT", L"IMPORT", 0, &importCommand, nullptr, -1, nullptr);
}

}  // namespace vexa::sim::solids
