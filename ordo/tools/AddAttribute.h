// The small name dialog of the frame set-up: the name of a new frame attribute.
#pragma once

#include <string>
#include <vector>

#include "acad/acui.h"

namespace vexa::ordo {

// The name without leading and trailing spaces, tabs and line ends.
std::wstring trimmedAttributeName(const std::wstring& name);

class AddAttribute : public CAdUiBaseDialog {
public:
    // captions: title, label and OK button.
    AddAttribute(std::wstring title, std::wstring label, std::wstring okText);
    const std::wstring& name() const { return name_; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    std::vector<std::wstring> captions_;
    std::wstring name_;
};

}  // namespace vexa::ordo
