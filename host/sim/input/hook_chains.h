// The installed window hooks of every type, called newest first as Windows calls them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "win/hooks.h"

namespace vexa::sim {

class PluginModule;

class HookChains {
public:
    struct Hook {
        HHOOK handle;
        int type;
        HOOKPROC procedure;
        DWORD thread;  // 0: every thread
        const PluginModule* owner;
    };

    // Null when the type is unknown or the thread and module do not fit the type.
    HHOOK install(int type, HOOKPROC procedure, HINSTANCE module, DWORD thread, const PluginModule* owner);
    bool remove(HHOOK hook);
    // Runs the chain of a type for a thread; 0 when no hook of that type applies.
    LRESULT call(int type, DWORD thread, int code, WPARAM wParam, LPARAM lParam);
    // The hook after `hook` in the chain being called; 0 at its end or for a removed hook.
    LRESULT callNext(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
    std::size_t count(int type) const;
    // Removes every hook the plug-in installed and returns them.
    std::vector<Hook> takeOwnedBy(const PluginModule* owner);

    // Simulates the system refusing new hooks (for the failure paths of their callers).
    void setRefusing(bool refusing) { refusing_ = refusing; }

private:
    struct Call {
        int type;
        DWORD thread;
    };
    LRESULT callFrom(std::size_t start, int code, WPARAM wParam, LPARAM lParam);

    std::vector<Hook> hooks_;  // newest first
    std::vector<Call> calls_;  // the chains being called, innermost last
    std::uintptr_t nextHandle_ = 0x7000;
    bool refusing_ = false;
};

std::wstring hookTypeName(int type);

}  // namespace vexa::sim
