#include "sim/system_variables.h"

#include <cwctype>
#include <limits>

namespace vexa::sim {

std::wstring upperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return upper;
}

SystemVariables::SystemVariables() {
    constexpr double any = std::numeric_limits<double>::max();
    variables_ = {
        {L"CVPORT", {2, 1, 32767, false}},
        {L"ERRNO", {0, -any, any, true}},
        {L"SHORTCUTMENU", {11, 0, 31, false}},
        {L"LUPREC", {4, 0, 8, false}},
        {L"LAYLOCKFADECTL", {50, -90, 90, false}},
        {L"CLAYER", {std::wstring(L"0"), 0, 0, false}},
        {L"TILEMODE", {1, 0, 1, false}},
        // The drawing's current properties and aids that scripts set around their drawing.
        {L"CELTYPE", {std::wstring(L"BYLAYER"), 0, 0, false}},
        {L"CECOLOR", {std::wstring(L"BYLAYER"), 0, 0, false}},
        {L"TEXTSIZE", {2.5, 0.0, any, false}},
        {L"TEXTSTYLE", {std::wstring(L"Standard"), 0, 0, false}},
        {L"LTSCALE", {1.0, 0.0, any, false}},
        {L"DIMSCALE", {1.0, 0.0, any, false}},
        {L"OSMODE", {4133, 0, 32767, false}},
        {L"ORTHOMODE", {0, 0, 1, false}},
        {L"CMDECHO", {1, 0, 1, false}},
        {L"FILEDIA", {1, 0, 1, false}},
        {L"PICKBOX", {3, 0, 50, false}},
    };
}

SystemVariables::Variable* SystemVariables::find(std::wstring_view name) {
    auto it = variables_.find(upperCase(name));
    return it == variables_.end() ? nullptr : &it->second;
}

const SystemVariables::Variable* SystemVariables::find(std::wstring_view name) const {
    auto it = variables_.find(upperCase(name));
    return it == variables_.end() ? nullptr : &it->second;
}

std::optional<VariableValue> SystemVariables::get(std::wstring_view name) const {
    const Variable* variable = find(name);
    if (variable == nullptr) return std::nullopt;
    return variable->value;
}

bool SystemVariables::set(std::wstring_view name, const VariableValue& value) {
    Variable* variable = find(name);
    if (variable == nullptr || variable->readOnly || variable->value.index() != value.index()) return false;
    if (const int* number = std::get_if<int>(&value)) {
        if (*number < variable->minimum || *number > variable->maximum) return false;
    }
    if (const double* real = std::get_if<double>(&value)) {
        if (*real < variable->minimum || *real > variable->maximum) return false;
    }
    variable->value = value;
    if (observer_) observer_(upperCase(name), value);
    return true;
}

void SystemVariables::force(std::wstring_view name, const VariableValue& value) {
    if (Variable* variable = find(name)) variable->value = value;
}

void SystemVariables::resetForNewDrawing() { force(L"ERRNO", 0); }

}  // namespace vexa::sim
