// The host's solid commands: BOX, CYLINDER and IMPORT, each adding one solid to model space.
#pragma once

namespace vexa::sim {

class CommandStack;

namespace solids {
void registerSolidCommands(CommandStack& commands);
}

}  // namespace vexa::sim
