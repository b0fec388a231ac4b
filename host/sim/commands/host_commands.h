// The host's own commands that scripts and tests use: LINE, CIRCLE, TEXT, SAVEAS, and the
// drawing commands NEW, OPEN and CLOSE.
#pragma once

namespace vexa::sim {

class CommandStack;

void registerHostCommands(CommandStack& commands);
void registerDrawingCommands(CommandStack& commands);

void saveAsCommand();
void circleCommand();
void textCommand();

}  // namespace vexa::sim
