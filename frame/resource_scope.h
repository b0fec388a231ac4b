// Makes the plug-in's resources current for the lifetime of a dialog object.
#pragma once

#include "acad/acdocman.h"
#include "frame/plugin_app.h"

namespace vexa::frame {

class PluginResources {
public:
    PluginResources() : pushed_(acDocManager != nullptr && acDocManager->pushResourceHandle(theApp().moduleInstance())) {}
    ~PluginResources() {
        if (pushed_) acDocManager->popResourceHandle();
    }
    PluginResources(const PluginResources&) = delete;
    PluginResources& operator=(const PluginResources&) = delete;

private:
    bool pushed_;
};

}  // namespace vexa::frame
