// VexaOrdo: the layer system, the drafting tools' dialogs and the views check.
#pragma once

#include "frame/plugin_app.h"

class COrdoApp : public vexa::frame::PluginApp {
public:
    COrdoApp();
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;
};
