#include "sim/command_stack.h"

#include <algorithm>

#include "sim/system_variables.h"

namespace vexa::sim {

bool CommandStack::addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName, int flags,
                              AcRxFunctionPtr function, AcEdUIContext*, int, HINSTANCE) {
    if (group == nullptr || globalName == nullptr || function == nullptr) return false;
    const std::wstring global = upperCase(globalName);
    const std::wstring groupName = upperCase(group);
    const bool taken = std::any_of(commands_.begin(), commands_.end(), [&](const RegisteredCommand& c) {
        return c.group == groupName && upperCase(c.globalName) == global;
    });
    if (taken) return false;
    commands_.push_back({groupName, globalName, localName ? localName : globalName, flags, function, registeringModule_});
    return true;
}

bool CommandStack::removeGroup(const ACHAR* group) {
    if (group == nullptr) return false;
    const std::wstring groupName = upperCase(group);
    return std::erase_if(commands_, [&](const RegisteredCommand& c) { return c.group == groupName; }) > 0;
}

const RegisteredCommand* CommandStack::find(std::wstring_view typed) const {
    // "_" asks for the global name and "." for the command itself rather than a redefinition;
    // both may come together, in either order ("_.LINE", "._LINE").
    std::wstring name = upperCase(typed);
    bool global = false;
    while (name.size() > 1 && (name.front() == L'_' || name.front() == L'.')) {
        global = global || name.front() == L'_';
        name.erase(0, 1);
    }
    // Newest registration wins, as the host searches the top of its stack first.
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
        if (!global && upperCase(it->localName) == name) return &*it;
        if (global) {
            std::wstring globalName = upperCase(it->globalName);
            if (!globalName.empty() && globalName.front() == L'_') globalName.erase(0, 1);
            if (globalName == name) return &*it;
        }
    }
    return nullptr;
}

std::vector<const RegisteredCommand*> CommandStack::commandsOf(const PluginModule* module) const {
    std::vector<const RegisteredCommand*> found;
    for (const RegisteredCommand& command : commands_) {
        if (command.module == module) found.push_back(&command);
    }
    return found;
}

}  // namespace vexa::sim
