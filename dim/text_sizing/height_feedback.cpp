#include "dim/text_sizing/height_feedback.h"

#include <algorithm>
#include <cwchar>

namespace vexa::dim {

double heightAt(double defaultHeight, double dx) {
    return dx >= 0.0 ? defaultHeight + dx / 20.0 : defaultHeight / (1.0 - dx / 20.0);
}

std::wstring numberFormat(int unitsPrecision) {
    return L"%." + std::to_wstring(std::clamp(unitsPrecision, 0, 8)) + L"f";
}

std::wstring feedbackText(double height, const std::wstring& format) {
    // Room for the widest double in fixed notation with 8 decimals.
    wchar_t number[400] = L"";
    if (std::swprintf(number, std::size(number), format.c_str(), height) < 0) number[0] = L'\0';
    return L"<- " + std::wstring(number) + L" +>";
}

}  // namespace vexa::dim
