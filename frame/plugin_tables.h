// The tables a plug-in declares: its AutoLISP functions (position = function code) and its commands.
#pragma once

#include <span>

#include "acad/acedcmd.h"
#include "acad/adscodes.h"

namespace vexa::frame {

using LispHandler = int (*)(resbuf* args);

struct LispFunction {
    const ACHAR* name;
    LispHandler handler;
};

struct CommandEntry {
    const ACHAR* group;
    const ACHAR* globalName;
    const ACHAR* localName;
    int flags;
    AcRxFunctionPtr handler;
};

struct PluginTables {
    std::span<const LispFunction> functions;
    std::span<const CommandEntry> commands;
    const ACHAR* badCodeMessage;
};

// A table entry whose behaviour lives in a later module answers nil.
int answerNil(resbuf* args);

}  // namespace vexa::frame
