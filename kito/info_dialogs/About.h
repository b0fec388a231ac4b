// The about box: the product's picture, the maker's notice, a link button and OK.
#pragma once

#include <string>

#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

class About : public KeepFocusDialog<1> {
public:
    About(std::wstring title, std::wstring okText, std::wstring linkText, std::wstring linkAddress, std::wstring language);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring title_;
    std::wstring okText_;
    std::wstring linkText_;
    std::wstring linkAddress_;
    std::wstring language_;
};

// The maker's notice: in Traditional Chinese for the language code "cht" exactly, else in English.
const std::wstring& aboutNotice(const std::wstring& language);

}  // namespace vexa::kito
