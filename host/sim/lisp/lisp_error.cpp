#include "lisp/lisp_error.h"

#include <utility>

namespace vexa::sim::lisp {

LispError::LispError(std::wstring message) : message_(std::move(message)) {
    narrowMessage_.reserve(message_.size());
    for (wchar_t c : message_) {
        narrowMessage_.push_back(c >= 0 && c < 0x80 ? static_cast<char>(c) : '?');
    }
}

}  // namespace vexa::sim::lisp
