// LINE: straight segments from point to point in model space, until Enter or ESC.
#include "sim/commands/current_space.h"
#include "sim/commands/host_commands.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

void lineCommand() {
    Host& host = *Host::current();
    std::optional<db::Point3> from = promptPoint(host, L"Specify first point: ");
    while (from) {
        const std::optional<db::Point3> to = promptPoint(host, L"Specify next point or [Undo]: ");
        if (!to) break;
        addToCurrentSpace(host, db::LineGeometry{*from, *to});
        from = to;
    }
}

}  // namespace

void registerHostCommands(CommandStack& commands) {
    commands.addCommand(L"ACAD_MAIN", L"_LINE", L"LINE", 0, &lineCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_MAIN", L"_SAVEAS", L"SAVEAS", 0, &saveAsCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_MAIN", L"_CIRCLE", L"CIRCLE", 0, &circleCommand, nullptr, -1, nullptr);
    commands.addCommand(L"ACAD_MAIN", L"_TEXT", L"TEXT", 0, &textCommand, nullptr, -1, nullptr);
    registerDrawingCommands(commands);
}

}  // namespace vexa::sim
