// The host's command stack.
#pragma once

#include "acad/adscodes.h"
#include "win/handles.h"

enum : int {
    ACRX_CMD_MODAL = 0x0, ACRX_CMD_TRANSPARENT = 0x1, ACRX_CMD_USEPICKSET = 0x2,
    ACRX_CMD_REDRAW = 0x4, ACRX_CMD_NOPERSPECTIVE = 0x8, ACRX_CMD_NOMULTIPLE = 0x10,
    ACRX_CMD_NOTILEMODE = 0x20, ACRX_CMD_NOPAPERSPACE = 0x40, ACRX_CMD_SESSION = 0x00200000,
};

using AcRxFunctionPtr = void (*)();

class AcEdUIContext;

class AcEdCommandStack {
public:
    virtual ~AcEdCommandStack() = default;
    virtual bool addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName,
                            int flags, AcRxFunctionPtr function, AcEdUIContext* context = nullptr,
                            int localisedNameId = -1, HINSTANCE resourceHandle = nullptr) = 0;
    virtual bool removeGroup(const ACHAR* group) = 0;
};

AcEdCommandStack* acedRegCmds();
