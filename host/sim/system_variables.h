// System variables with their types, ranges and initial values.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace vexa::sim {

using VariableValue = std::variant<int, double, std::wstring>;

class SystemVariables {
public:
    SystemVariables();

    std::optional<VariableValue> get(std::wstring_view name) const;
    // Refuses unknown names, wrong types, values out of range and read-only variables.
    bool set(std::wstring_view name, const VariableValue& value);
    // For the host itself: read-only variables too, no range check.
    void force(std::wstring_view name, const VariableValue& value);
    void resetForNewDrawing();
    // Called after a set changed a variable (the host reacts to TILEMODE), with its upper-case name.
    void setObserver(std::function<void(const std::wstring&, const VariableValue&)> observer) {
        observer_ = std::move(observer);
    }

private:
    struct Variable {
        VariableValue value;
        double minimum;
        double maximum;
        bool readOnly;
    };
    Variable* find(std::wstring_view name);
    const Variable* find(std::wstring_view name) const;

    std::map<std::wstring, Variable> variables_;
    std::function<void(const std::wstring&, const VariableValue&)> observer_;
};

std::wstring upperCase(std::wstring_view text);

}  // namespace vexa::sim
