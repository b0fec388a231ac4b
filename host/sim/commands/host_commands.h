// The host's own commands that scripts and tests use: LINE.
#pragma once

namespace vexa::sim {

class CommandStack;

void registerHostCommands(CommandStack& commands);

}  // namespace vexa::sim
