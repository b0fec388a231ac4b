#include "setup/install_language.h"

#include "setup/resource.h"

namespace vexa::setup {

namespace {

constexpr InstallDialogTexts traditionalTexts{
    L"安裝資料夾",
    L"瀏覽...",
    L"同意",
    L"安裝",
    L"取消",
    L"若要在 Windows Vista 系統中安裝於其他資料夾，可能得先關閉使用者帳戶控制(UAC)，才能順利安裝。",
    L"將 Tarnwell Vexa 樣板設為預設。",
    L"安裝Vexa",
};

constexpr InstallDialogTexts simplifiedTexts{
    L"安装资料夹",
    L"浏览...",
    L"同意",
    L"安装",
    L"取消",
    L"若要在 Windows Vista 系统中安装于其它资料夹，可能得先关闭使用者帐户控制(UAC)，才能顺利安装。",
    L"将 Tarnwell Vexa 样板设为预设。",
    L"安装Vexa",
};

constexpr InstallLanguage english{IDR_AGREEMENT_ENU, L"Select the installation folder.", L"Invalid folder.", nullptr};
constexpr InstallLanguage traditional{IDR_AGREEMENT_CHT, L"選擇安裝資料夾", L"無效的資料夾。", &traditionalTexts};
constexpr InstallLanguage simplified{IDR_AGREEMENT_CHS, L"选择安装资料夹", L"无效的资料夹。", &simplifiedTexts};

}  // namespace

const InstallLanguage& installLanguage(std::wstring_view code) {
    if (code == L"cht") return traditional;
    if (code == L"chs") return simplified;
    return english;
}

}  // namespace vexa::setup
