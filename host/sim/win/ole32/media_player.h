// The media player control: put URL (dispatch id 1) starts playing the address, get settings
// (dispatch id 5) gives the settings object, whose setMode (dispatch id 111) sets "loop" and
// the other modes. Nothing is decoded: `show` prints what the player would play and how.
#pragma once

#include <map>
#include <memory>

#include "sim/win/ole32/dispatch_object.h"

namespace vexa::sim::win {

class MediaPlayer : public DispatchObject {
public:
    static constexpr DISPID kUrl = 1;
    static constexpr DISPID kSettings = 5;
    static constexpr DISPID kSetMode = 111;
    static constexpr DISPID kGetMode = 110;

    MediaPlayer();
    std::wstring kind() const override { return L"media player"; }
    std::wstring state() const override;

    const std::wstring& url() const { return url_; }
    bool mode(const std::wstring& name) const;

protected:
    ~MediaPlayer() override;
    HRESULT call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) override;

private:
    class Settings;
    std::wstring url_;
    // The modes live with the settings object, which the player's callers may keep longer.
    std::shared_ptr<std::map<std::wstring, bool>> modes_;
};

}  // namespace vexa::sim::win
