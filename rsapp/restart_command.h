// The restart program's command line: "<window handle>;<program>;<working folder>".
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vexa::rsapp {

struct RestartCommand {
    HWND window;
    std::wstring program;
    std::wstring folder;
};

// The first ";" ends the handle, the next ends the program, the rest (";" and all) is the
// folder. A part without its ";" is empty and leaves the whole text to the next part.
RestartCommand parseRestartCommand(std::wstring_view commandLine);

}  // namespace vexa::rsapp
