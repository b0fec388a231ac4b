// Dialog data exchange and validation, with the framework's refusal messages.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <limits>
#include <climits>
#include <cstdio>
#include <cwchar>

#include "sim/host.h"
#include "win/afxcmn.h"

namespace {

std::wstring textOf(HWND control) {
    auto* system = vexa::sim::win::current();
    return system ? system->text(control) : std::wstring{};
}

// Sets a control's text only when it differs, as the framework does (no needless EN_CHANGE).
void setTextIfChanged(HWND control, const std::wstring& text) {
    if (textOf(control) != text) ::SetWindowTextW(control, text.c_str());
}

[[noreturn]] void refuse(CDataExchange* dx, const wchar_t* message) {
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx->Fail();
}

bool blankTail(const wchar_t* rest) {
    while (*rest == L' ' || *rest == L'\t') ++rest;
    return *rest == L'\0';
}

// The framework's integer scan: spaces, an optional sign, digits, spaces; nothing else.
bool parseInteger(const std::wstring& text, long long& value, bool allowSign) {
    const wchar_t* start = text.c_str();
    while (*start == L' ' || *start == L'\t') ++start;
    if (*start == L'\0') return false;
    if (!allowSign && *start == L'-') return false;
    wchar_t* end = nullptr;
    errno = 0;
    value = std::wcstoll(start, &end, 10);
    if (end == start || errno == ERANGE) return false;
    return blankTail(end);
}

// A number the field can hold: "nan", "inf" and numbers beyond the type's range are refused.
bool parseReal(const std::wstring& text, double& value, double largest) {
    const wchar_t* start = text.c_str();
    while (*start == L' ' || *start == L'\t') ++start;
    if (*start == L'\0') return false;
    wchar_t* end = nullptr;
    value = std::wcstod(start, &end);
    if (end == start || !std::isfinite(value) || std::fabs(value) > largest) return false;
    return blankTail(end);
}

std::wstring formatReal(double value, int digits) {
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.*g", digits, value);
    return buffer;
}

template <typename T>
void exchangeInteger(CDataExchange* dx, int id, T& value, long long minimum, long long maximum, bool allowSign,
                     const wchar_t* message) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!parseInteger(textOf(control), parsed, allowSign) || parsed < minimum || parsed > maximum) refuse(dx, message);
        value = static_cast<T>(parsed);
    } else {
        setTextIfChanged(control, std::to_wstring(value));
    }
}

template <typename T>
void exchangeReal(CDataExchange* dx, int id, T& value, int digits) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        double parsed = 0;
        if (!parseReal(textOf(control), parsed, std::numeric_limits<T>::max())) refuse(dx, L"Please enter a number.");
        value = static_cast<T>(parsed);
    } else {
        setTextIfChanged(control, formatReal(static_cast<double>(value), digits));
    }
}

template <typename T>
void validateRange(CDataExchange* dx, T value, T minimum, T maximum, const std::wstring& message) {
    if (!dx->m_bSaveAndValidate) return;
    if (value < minimum || value > maximum) {
        AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
        dx->Fail();
    }
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = nullptr;
    m_pDlgWnd->GetDlgItem(id, &control);
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    const HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND control = nullptr;
        m_pDlgWnd->GetDlgItem(m_idLastControl, &control);
        ::SetFocus(control);
        if (m_bEditLastControl) ::SendMessageW(control, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void DDX_Text(CDataExchange* dx, int id, std::wstring& value) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) value = textOf(control);
    else setTextIfChanged(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    exchangeInteger(dx, id, value, INT_MIN, INT_MAX, true, L"Please enter an integer.");
}
void DDX_Text(CDataExchange* dx, int id, UINT& value) {
    exchangeInteger(dx, id, value, 0, UINT_MAX, false, L"Please enter a positive integer.");
}
void DDX_Text(CDataExchange* dx, int id, long& value) {
    exchangeInteger(dx, id, value, INT_MIN, INT_MAX, true, L"Please enter an integer.");
}
void DDX_Text(CDataExchange* dx, int id, short& value) {
    exchangeInteger(dx, id, value, SHRT_MIN, SHRT_MAX, true, L"Please enter an integer.");
}
void DDX_Text(CDataExchange* dx, int id, double& value) { exchangeReal(dx, id, value, DBL_DIG); }
void DDX_Text(CDataExchange* dx, int id, float& value) { exchangeReal(dx, id, value, FLT_DIG); }

void DDX_Check(CDataExchange* dx, int id, int& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    const HWND first = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    HWND control = first;
    int index = 0;
    auto* system = vexa::sim::win::current();
    const HWND parent = ::GetParent(first);
    const auto* window = system ? system->find(parent) : nullptr;
    if (window == nullptr) return;
    const std::vector<HWND> siblings = window->children;
    auto at = std::find(siblings.begin(), siblings.end(), first);
    for (auto it = at; it != siblings.end(); ++it) {
        control = *it;
        if (it != at && (::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP)) break;
        if (!(::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd != nullptr) return;
    const HWND window = dx->PrepareCtrl(id);
    control.SubclassWindow(window);
}

void DDX_CBString(CDataExchange* dx, int id, std::wstring& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = textOf(control);
    } else if (::SendMessageW(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR) {
        setTextIfChanged(control, value);
    }
}

void DDX_CBStringExact(CDataExchange* dx, int id, std::wstring& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = textOf(control);
        return;
    }
    const LRESULT index = ::SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
    if (index == CB_ERR) setTextIfChanged(control, value);
    else ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessageW(control, CB_GETCURSEL, 0, 0));
    else ::SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* dx, int id, std::wstring& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const auto index = ::SendMessageW(control, LB_GETCURSEL, 0, 0);
        value.clear();
        if (index != LB_ERR) {
            value.resize(static_cast<std::size_t>(::SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1);
            ::SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(value.data()));
            value.resize(value.size() - 1);
        }
    } else if (::SendMessageW(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) == LB_ERR) {
        ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0));
    else ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Slider(CDataExchange* dx, int id, int& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
    else ::SendMessageW(control, TBM_SETPOS, TRUE, value);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter an integer between " + std::to_wstring(minimum) + L" and " + std::to_wstring(maximum) + L".");
}
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minimum, UINT maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter an integer between " + std::to_wstring(minimum) + L" and " + std::to_wstring(maximum) + L".");
}
void DDV_MinMaxLong(CDataExchange* dx, long value, long minimum, long maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter an integer between " + std::to_wstring(minimum) + L" and " + std::to_wstring(maximum) + L".");
}
void DDV_MinMaxShort(CDataExchange* dx, short value, short minimum, short maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter an integer between " + std::to_wstring(minimum) + L" and " + std::to_wstring(maximum) + L".");
}
void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minimum, double maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter a number between " + formatReal(minimum, DBL_DIG) + L" and " + formatReal(maximum, DBL_DIG) + L".");
}
void DDV_MinMaxFloat(CDataExchange* dx, const float& value, float minimum, float maximum) {
    validateRange(dx, value, minimum, maximum,
                  L"Please enter a number between " + formatReal(minimum, FLT_DIG) + L" and " + formatReal(maximum, FLT_DIG) + L".");
}

void DDV_MaxChars(CDataExchange* dx, const std::wstring& value, int count) {
    HWND control = nullptr;
    dx->m_pDlgWnd->GetDlgItem(dx->m_idLastControl, &control);
    if (dx->m_bSaveAndValidate) {
        if (static_cast<int>(value.size()) > count) {
            const std::wstring message = L"Please enter no more than " + std::to_wstring(count) + L" characters.";
            AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
            dx->Fail();
        }
    } else if (control != nullptr) {
        ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(count), 0);
    }
}
