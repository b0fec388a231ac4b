// The layer manager: the drawing's main layers, and the buttons that make, edit and purge series.
#pragma once

#include "acad/acui.h"
#include "ordo/layers/manager_arguments.h"

namespace vexa::ordo {

class OrdoMan : public CAdUiBaseDialog {
public:
    explicit OrdoMan(ManagerArguments arguments);

    const std::wstring& mainLayer() const { return mainLayer_; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void onNew();
    void onEdit();
    void onPurge();
    // Adds a layer and selects it by the list's prefix search from the second entry.
    void addAndSelect(const std::wstring& name);
    // Deletes the entry of exactly this layer name (case ignored, as layer names are).
    void deleteEntry(const std::wstring& name);

    ManagerArguments arguments_;
    std::wstring mainLayer_;
    CListBox list_;
};

}  // namespace vexa::ordo
