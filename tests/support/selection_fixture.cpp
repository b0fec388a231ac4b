#include "support/selection_fixture.h"

#include <sstream>

namespace vexa::test {

namespace {

std::wstring number(double value) {
    std::wostringstream out;
    out << value;
    if (out.str().find(L'.') == std::wstring::npos) out << L".0";
    return out.str();
}

// A DXF point group: (code x y 0.0).
std::wstring pointGroup(int code, double x, double y) {
    return L"(" + std::to_wstring(code) + L" " + number(x) + L" " + number(y) + L" 0.0)";
}

}  // namespace

std::wstring SelectionTest::line(double x1, double y1, double x2, double y2, const std::wstring& layer) {
    eval(L"(entmake '((0 . \"LINE\") (8 . \"" + layer + L"\") " + pointGroup(10, x1, y1) + pointGroup(11, x2, y2) + L"))");
    return eval(L"(entlast)");
}

std::wstring SelectionTest::circle(double x, double y, double radius, const std::wstring& layer, int colour) {
    eval(L"(entmake '((0 . \"CIRCLE\") (8 . \"" + layer + L"\") (62 . " + std::to_wstring(colour) + L") " +
         pointGroup(10, x, y) + L" (40 . " + number(radius) + L")))");
    return eval(L"(entlast)");
}

}  // namespace vexa::test
