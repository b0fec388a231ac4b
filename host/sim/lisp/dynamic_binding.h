#pragma once

#include <string>
#include <utility>
#include <vector>

#include "lisp/interpreter.h"

namespace vexa::sim::lisp {

// Binds symbols for the extent of a scope (function parameters, locals, foreach
// variables) and restores their previous values on exit, including on errors.
class DynamicBinding {
public:
    explicit DynamicBinding(Interpreter& interpreter) : interpreter_(interpreter) {}
    ~DynamicBinding();
    DynamicBinding(const DynamicBinding&) = delete;
    DynamicBinding& operator=(const DynamicBinding&) = delete;

    void bind(const std::wstring& upperName, ValuePtr value);

private:
    Interpreter& interpreter_;
    std::vector<std::pair<std::wstring, ValuePtr>> saved_;
};

}  // namespace vexa::sim::lisp
