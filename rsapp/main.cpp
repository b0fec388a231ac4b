// VexaRsApp: started with "<host window>;<host program>;<folder>" when the host is about to
// close, it waits for the host's window to go and starts the host again. It shows no window.
#include <windows.h>

#include "rsapp/module_frame.h"
#include "rsapp/restart.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int) {
    vexa::rsapp::restartAfterWindowCloses(vexa::rsapp::parseRestartCommand(commandLine != nullptr ? commandLine : L""));
    return vexa::rsapp::CVexaRsAppModule().WinMain(GetCommandLineW());
}
