// The host's own commands that scripts and tests use: LINE, SAVEAS.
#pragma once

namespace vexa::sim {

class CommandStack;

void registerHostCommands(CommandStack& commands);

void saveAsCommand();

}  // namespace vexa::sim
