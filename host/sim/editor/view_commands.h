// The host's own view commands: -VPORTS, ZOOM and -PAN (both transparent), MSPACE and PSPACE.
#pragma once

namespace vexa::sim {
class CommandStack;
}

namespace vexa::sim::editor {

void registerViewCommands(CommandStack& commands);

}  // namespace vexa::sim::editor
