#include "kito/info_dialogs/Welcome.h"

#include <memory>

#include "frame/resource_scope.h"
#include "kito/message_pump.h"
#include "kito/resource.h"

namespace vexa::kito {

namespace {

std::unique_ptr<Welcome> splash;

// A window destroyed elsewhere (the host tore it down) counts as closed.
bool splashOpen() { return splash != nullptr && splash->GetSafeHwnd() != nullptr; }

}  // namespace

Welcome::Welcome() : KeepFocusDialog(IDD_WELCOME) {}

void openSplash() {
    if (splashOpen()) return;
    splash.reset();
    {
        const frame::PluginResources resources;
        auto created = std::make_unique<Welcome>();
        if (!created->Create(IDD_WELCOME, nullptr)) return;
        splash = std::move(created);
    }
    splash->ShowWindow(SW_SHOW);
    pumpWaitingMessages();
}

void closeSplash() {
    if (splashOpen()) splash->DestroyWindow();
    splash.reset();
}

}  // namespace vexa::kito
