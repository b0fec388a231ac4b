#include "lisp/dynamic_binding.h"

namespace vexa::sim::lisp {

DynamicBinding::~DynamicBinding() {
    // Reverse order so a name bound twice ends with its original value.
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        interpreter_.setSymbolValue(it->first, std::move(it->second));
    }
}

void DynamicBinding::bind(const std::wstring& upperName, ValuePtr value) {
    saved_.emplace_back(upperName, interpreter_.symbolValue(upperName));
    interpreter_.setSymbolValue(upperName, std::move(value));
}

}  // namespace vexa::sim::lisp
