// Registered commands by group, and the lookup of a typed command name.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "acad/acedcmd.h"

namespace vexa::sim {

class PluginModule;

struct RegisteredCommand {
    std::wstring group;
    std::wstring globalName;
    std::wstring localName;
    int flags;
    AcRxFunctionPtr function;
    const PluginModule* module;
};

class CommandStack : public AcEdCommandStack {
public:
    explicit CommandStack(const PluginModule* const& registeringModule) : registeringModule_(registeringModule) {}

    bool addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName, int flags,
                    AcRxFunctionPtr function, AcEdUIContext* context, int localisedNameId,
                    HINSTANCE resourceHandle) override;
    bool removeGroup(const ACHAR* group) override;

    // A typed name matches a local name, or a global name when written with a leading "_".
    const RegisteredCommand* find(std::wstring_view typed) const;
    std::vector<const RegisteredCommand*> commandsOf(const PluginModule* module) const;

private:
    const PluginModule* const& registeringModule_;
    std::vector<RegisteredCommand> commands_;
};

}  // namespace vexa::sim
