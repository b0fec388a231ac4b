// VexaOrdo: the layer system, the drafting tools' dialogs and the views check.
#pragma once

#include "frame/arx_app.h"

class COrdoApp : public AcRxArxApp {
public:
    COrdoApp();
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;
};
