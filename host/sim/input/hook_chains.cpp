#include "sim/input/hook_chains.h"

#include <algorithm>

namespace vexa::sim {

namespace {

bool applies(const HookChains::Hook& hook, int type, DWORD thread) {
    return hook.type == type && (hook.thread == 0 || hook.thread == thread);
}

}  // namespace

std::wstring hookTypeName(int type) {
    switch (type) {
    case WH_KEYBOARD: return L"WH_KEYBOARD";
    case WH_CBT: return L"WH_CBT";
    case WH_KEYBOARD_LL: return L"WH_KEYBOARD_LL";
    default: return L"hook type " + std::to_wstring(type);
    }
}

HHOOK HookChains::install(int type, HOOKPROC procedure, HINSTANCE module, DWORD thread, const PluginModule* owner) {
    if (refusing_ || procedure == nullptr) return nullptr;
    // As on Windows: a low-level hook is system-wide only; a thread hook for every thread
    // must live in a module that can be loaded into the other processes.
    if (type == WH_KEYBOARD_LL) {
        if (thread != 0) return nullptr;
    } else if (type == WH_KEYBOARD || type == WH_CBT) {
        if (thread == 0 && module == nullptr) return nullptr;
    } else {
        return nullptr;
    }
    const auto handle = reinterpret_cast<HHOOK>(nextHandle_++);
    hooks_.insert(hooks_.begin(), Hook{handle, type, procedure, thread, owner});
    return handle;
}

bool HookChains::remove(HHOOK hook) {
    return std::erase_if(hooks_, [&](const Hook& h) { return h.handle == hook; }) > 0;
}

LRESULT HookChains::call(int type, DWORD thread, int code, WPARAM wParam, LPARAM lParam) {
    calls_.push_back({type, thread});
    const LRESULT result = callFrom(0, code, wParam, lParam);
    calls_.pop_back();
    return result;
}

LRESULT HookChains::callNext(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    if (calls_.empty()) return 0;
    auto it = std::find_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks_.end()) return 0;
    return callFrom(static_cast<std::size_t>(it - hooks_.begin()) + 1, code, wParam, lParam);
}

LRESULT HookChains::callFrom(std::size_t start, int code, WPARAM wParam, LPARAM lParam) {
    const Call& call = calls_.back();
    for (std::size_t i = start; i < hooks_.size(); ++i) {
        if (applies(hooks_[i], call.type, call.thread)) return hooks_[i].procedure(code, wParam, lParam);
    }
    return 0;
}

std::size_t HookChains::count(int type) const {
    return static_cast<std::size_t>(std::count_if(hooks_.begin(), hooks_.end(), [&](const Hook& h) { return h.type == type; }));
}

std::vector<HookChains::Hook> HookChains::takeOwnedBy(const PluginModule* owner) {
    std::vector<Hook> taken;
    std::erase_if(hooks_, [&](const Hook& h) {
        if (h.owner != owner) return false;
        taken.push_back(h);
        return true;
    });
    return taken;
}

}  // namespace vexa::sim
