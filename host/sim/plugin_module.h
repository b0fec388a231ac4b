// A plug-in loaded from its shared module, as the host loads an application.
#pragma once

#include <span>
#include <string>

#include "acad/rxapp.h"
#include "win/handles.h"

namespace vexa::sim {

class PluginModule {
public:
    // Opens the module and finds its exports; throws std::runtime_error when it is not a plug-in.
    explicit PluginModule(const std::string& path);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    const std::wstring& name() const { return name_; }
    // The module file as it was loaded.
    const std::string& path() const { return path_; }
    HINSTANCE instance() const { return reinterpret_cast<HINSTANCE>(const_cast<PluginModule*>(this)); }
    std::span<const unsigned char> resources() const { return resources_; }
    int apiVersion() const { return apiVersion_(); }

    void attach() const;
    void detach() const;
    AcRx::AppRetCode send(AcRx::AppMsgCode message, void* packet) const { return entry_(message, packet); }

    bool unlocked = false;
    bool mdiAware = false;

private:
    using EntryPoint = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);
    using DllEntry = BOOL (*)(HINSTANCE, DWORD, LPVOID);
    using ApiVersion = int (*)();

    std::wstring name_;
    std::string path_;
    void* handle_ = nullptr;
    EntryPoint entry_ = nullptr;
    DllEntry dllMain_ = nullptr;
    ApiVersion apiVersion_ = nullptr;
    std::span<const unsigned char> resources_;
};

}  // namespace vexa::sim
