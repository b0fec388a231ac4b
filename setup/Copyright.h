// "Vexa-InstallDlg": the licence agreement, then the installation folder and the templates choice.
#pragma once

#include <string>

#include "acad/acui.h"
#include "frame/CExplorer1.h"
#include "setup/install_language.h"

namespace vexa::setup {

class Copyright : public CAdUiBaseDialog {
public:
    Copyright(std::wstring folder, std::wstring language);

    // After "Install": the validated folder and 1 when the templates become the defaults.
    const std::wstring& folder() const { return m_folder; }
    int templates() const { return m_templates; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void applyTexts(const InstallDialogTexts& texts);
    void showFolderPart(bool show);
    void agree();
    void browse();
    void showAgreement();

    std::wstring m_folder;
    std::wstring m_language;
    int m_templates = 0;
    frame::CExplorer1 m_browser;
};

}  // namespace vexa::setup
