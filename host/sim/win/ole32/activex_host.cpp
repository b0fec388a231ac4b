#include "sim/win/ole32/activex_host.h"

#include "sim/host.h"
#include "sim/win/user32/controls.h"
#include "sim/win/ole32/media_player.h"
#include "sim/win/ole32/web_browser.h"
#include "win/atlhost.h"

namespace vexa::sim::win {

namespace {

constexpr wchar_t kWebBrowser[] = L"{8856F961-340A-11D0-A96B-00C04FD705A2}";
constexpr wchar_t kMediaPlayer[] = L"{6BF52A52-394A-11D3-B153-00C04F79FAA6}";

// The window's part: it keeps one reference on the control's object while the window lives.
class ActiveXHost : public Control {
public:
    explicit ActiveXHost(DispatchObject* object) : object_(object) {}
    ~ActiveXHost() override { object_->Release(); }
    ActiveXHost(const ActiveXHost&) = delete;
    ActiveXHost& operator=(const ActiveXHost&) = delete;

    LRESULT handle(WindowSystem& system, HWND self, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
        return defaultProcedure(system, self, message, wParam, lParam);
    }
    std::wstring kind(const Window&) const override { return object_->kind(); }
    std::wstring state(const Window&) const override { return object_->state(); }
    std::vector<std::wstring> details() const override { return object_->details(); }
    DispatchObject* object() const { return object_; }

private:
    DispatchObject* object_;
};

}  // namespace

const std::vector<std::wstring>& activeXClassNames() {
    static const std::vector<std::wstring> names = {kWebBrowser, kMediaPlayer};
    return names;
}

bool isActiveXClass(std::wstring_view name) { return name == foldCase(kWebBrowser) || name == foldCase(kMediaPlayer); }

std::unique_ptr<Control> makeActiveXControl(std::wstring_view name) {
    if (name == foldCase(kWebBrowser)) return std::make_unique<ActiveXHost>(new WebBrowser());
    if (name == foldCase(kMediaPlayer)) return std::make_unique<ActiveXHost>(new MediaPlayer());
    return nullptr;
}

}  // namespace vexa::sim::win

HRESULT AtlAxGetControl(HWND window, IUnknown** control) {
    if (control == nullptr) return E_POINTER;
    *control = nullptr;
    vexa::sim::win::WindowSystem* system = vexa::sim::win::current();
    vexa::sim::win::Window* found = system != nullptr ? system->find(window) : nullptr;
    const auto* host = found != nullptr ? dynamic_cast<const vexa::sim::win::ActiveXHost*>(found->control.get()) : nullptr;
    if (host == nullptr) return E_FAIL;
    host->object()->AddRef();
    *control = host->object();
    return S_OK;
}
