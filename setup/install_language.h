// The installer's texts and agreement page for a language code: "cht" traditional Chinese,
// "chs" simplified Chinese, anything else English.
#pragma once

#include <string_view>

namespace vexa::setup {

// Texts that replace the installation dialog's own (English) ones.
struct InstallDialogTexts {
    const wchar_t* folderLabel;
    const wchar_t* browse;
    const wchar_t* agree;
    const wchar_t* install;
    const wchar_t* cancel;
    const wchar_t* uacNote;
    const wchar_t* templates;
    const wchar_t* title;
};

struct InstallLanguage {
    int agreementPage;  // the HTML resource id
    const wchar_t* pickerTitle;
    const wchar_t* invalidFolder;
    const InstallDialogTexts* dialogTexts;  // null: the dialog keeps its resource texts and no title
};

const InstallLanguage& installLanguage(std::wstring_view code);

}  // namespace vexa::setup
