// The host's main window, and its window-message filters and watchers: functions that see the
// messages of the host's own message loop (not those of modal dialogs, which run their own loops).
#pragma once

#include "win/winuser.h"

HWND adsw_acadMainWnd();

// Returning TRUE drops the message.
using AcedFilterWinMsgFn = BOOL (*)(MSG* message);
// Only looks.
using AcedWatchWinMsgFn = void (*)(const MSG* message);

// Each returns TRUE on success.
BOOL acedRegisterFilterWinMsg(AcedFilterWinMsgFn filter);
BOOL acedRemoveFilterWinMsg(AcedFilterWinMsgFn filter);
BOOL acedRegisterWatchWinMsg(AcedWatchWinMsgFn watcher);
BOOL acedRemoveWatchWinMsg(AcedWatchWinMsgFn watcher);
