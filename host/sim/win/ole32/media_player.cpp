#include "sim/win/ole32/media_player.h"

#include "sim/system_variables.h"

namespace vexa::sim::win {

class MediaPlayer::Settings : public DispatchObject {
public:
    explicit Settings(std::shared_ptr<std::map<std::wstring, bool>> modes) : modes_(std::move(modes)) {}
    std::wstring kind() const override { return L"media player settings"; }

protected:
    HRESULT call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) override {
        if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
        if (member == kSetMode) {
            if (arguments.size() != 2 || arguments[1] == nullptr || arguments[1]->vt != VT_BOOL) return DISP_E_TYPEMISMATCH;
            (*modes_)[upperCase(textOf(arguments[0]))] = arguments[1]->boolVal != VARIANT_FALSE;
            return S_OK;
        }
        if (member == kGetMode && arguments.size() == 1 && result != nullptr) {
            const auto it = modes_->find(upperCase(textOf(arguments[0])));
            result->vt = VT_BOOL;
            result->boolVal = it != modes_->end() && it->second ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    std::shared_ptr<std::map<std::wstring, bool>> modes_;
};

MediaPlayer::MediaPlayer() : modes_(std::make_shared<std::map<std::wstring, bool>>()) {}

MediaPlayer::~MediaPlayer() = default;

bool MediaPlayer::mode(const std::wstring& name) const {
    const auto it = modes_->find(upperCase(name));
    return it != modes_->end() && it->second;
}

std::wstring MediaPlayer::state() const {
    std::wstring out = url_.empty() ? L"stopped" : L"playing \"" + url_ + L"\"";
    if (mode(L"loop")) out += L" loop";
    return out;
}

HRESULT MediaPlayer::call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) {
    if (member == kUrl && (flags & DISPATCH_PROPERTYPUT) != 0) {
        if (arguments.size() != 1 || arguments[0] == nullptr || arguments[0]->vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
        url_ = textOf(arguments[0]);
        return S_OK;
    }
    if (member == kUrl && (flags & DISPATCH_PROPERTYGET) != 0 && result != nullptr) {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(url_.c_str());
        return S_OK;
    }
    if (member == kSettings && (flags & DISPATCH_PROPERTYGET) != 0 && result != nullptr) {
        result->vt = VT_DISPATCH;
        result->pdispVal = new Settings(modes_);
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

}  // namespace vexa::sim::win
