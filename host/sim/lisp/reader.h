#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "lisp/value.h"

namespace vexa::sim::lisp {

// Reads AutoLISP forms one at a time from a text; throws LispError on malformed input.
class Reader {
public:
    explicit Reader(std::wstring_view text) : text_(text) {}

    // The next top-level form, or nullopt at end of input.
    std::optional<ValuePtr> next();

private:
    ValuePtr readForm(int depth);
    ValuePtr readList(int depth);
    ValuePtr readString();
    ValuePtr readAtom();
    void skipWhitespaceAndComments();
    bool atEnd() const { return pos_ >= text_.size(); }

    std::wstring_view text_;
    std::size_t pos_ = 0;
};

std::vector<ValuePtr> readAll(std::wstring_view text);

// The first form of the text, or nil when it holds none (as the read function does).
ValuePtr readFirst(std::wstring_view text);

}  // namespace vexa::sim::lisp
