#include "lisp/reader.h"

#include <cwchar>
#include <cwctype>
#include <limits>

#include "lisp/lisp_error.h"
#include "lisp/stack_guard.h"

namespace vexa::sim::lisp {
namespace {

// Nesting beyond this is refused so that reading can't exhaust the stack.
constexpr int kMaxNesting = 2000;

bool isDelimiter(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) || c == L'(' || c == L')' || c == L'\'' || c == L'"' ||
           c == L';';
}

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t skipDigits(std::wstring_view token, std::size_t pos) {
    while (pos < token.size() && isDigit(token[pos])) {
        ++pos;
    }
    return pos;
}

bool looksLikeInteger(std::wstring_view token) {
    const std::size_t start = (!token.empty() && (token[0] == L'+' || token[0] == L'-')) ? 1 : 0;
    return token.size() > start && skipDigits(token, start) == token.size();
}

bool looksLikeReal(std::wstring_view token) {
    std::size_t pos = (!token.empty() && (token[0] == L'+' || token[0] == L'-')) ? 1 : 0;
    const std::size_t intStart = pos;
    pos = skipDigits(token, pos);
    std::size_t digits = pos - intStart;
    if (pos < token.size() && token[pos] == L'.') {
        const std::size_t fracStart = ++pos;
        pos = skipDigits(token, pos);
        digits += pos - fracStart;
    }
    if (digits == 0) {
        return false;
    }
    if (pos < token.size() && (token[pos] == L'e' || token[pos] == L'E')) {
        ++pos;
        if (pos < token.size() && (token[pos] == L'+' || token[pos] == L'-')) {
            ++pos;
        }
        const std::size_t expStart = pos;
        pos = skipDigits(token, pos);
        if (pos == expStart) {
            return false;
        }
    }
    return pos == token.size();
}

ValuePtr parseReal(std::wstring_view token) {
    const std::wstring text(token);
    return makeReal(std::wcstod(text.c_str(), nullptr));
}

ValuePtr parseInteger(std::wstring_view token) {
    const bool negative = token[0] == L'-';
    const std::size_t start = (token[0] == L'+' || token[0] == L'-') ? 1 : 0;
    constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (std::size_t i = start; i < token.size(); ++i) {
        magnitude = magnitude * 10 + (token[i] - L'0');
        if (magnitude > limit) {
            return parseReal(token);  // AutoLISP reads out-of-range integers as reals
        }
    }
    if (magnitude == limit && !negative) {
        return parseReal(token);
    }
    return makeInteger(static_cast<std::int32_t>(negative ? -magnitude : magnitude));
}

}  // namespace

void Reader::skipWhitespaceAndComments() {
    while (!atEnd()) {
        const wchar_t c = text_[pos_];
        if (std::iswspace(static_cast<wint_t>(c))) {
            ++pos_;
        } else if (c == L';' && pos_ + 1 < text_.size() && text_[pos_ + 1] == L'|') {
            const auto close = text_.find(L"|;", pos_ + 2);
            pos_ = close == std::wstring_view::npos ? text_.size() : close + 2;
        } else if (c == L';') {
            const auto eol = text_.find(L'\n', pos_);
            pos_ = eol == std::wstring_view::npos ? text_.size() : eol + 1;
        } else {
            return;
        }
    }
}

std::optional<ValuePtr> Reader::next() {
    skipWhitespaceAndComments();
    if (atEnd()) {
        return std::nullopt;
    }
    if (text_[pos_] == L')') {
        throw LispError(L"extra right paren on input");
    }
    return readForm(0);
}

ValuePtr Reader::readForm(int depth) {
    if (depth > kMaxNesting || stackNearlyExhausted()) {
        throw LispError(L"internal stack limit reached (simulated)");
    }
    skipWhitespaceAndComments();
    if (atEnd()) {
        throw LispError(L"malformed list on input");
    }
    switch (text_[pos_]) {
        case L'(':
            ++pos_;
            return readList(depth + 1);
        case L')': throw LispError(L"malformed list on input");
        case L'\'':
            ++pos_;
            return makeCons(makeSymbol(L"QUOTE"), makeCons(readForm(depth + 1), nullptr));
        case L'"': return readString();
        default: return readAtom();
    }
}

ValuePtr Reader::readList(int depth) {
    std::vector<ValuePtr> items;
    while (true) {
        skipWhitespaceAndComments();
        if (atEnd()) {
            throw LispError(L"malformed list on input");
        }
        const wchar_t c = text_[pos_];
        if (c == L')') {
            ++pos_;
            return makeList(items);
        }
        const bool loneDot = c == L'.' && (pos_ + 1 >= text_.size() || isDelimiter(text_[pos_ + 1]));
        if (loneDot) {
            ++pos_;
            if (items.empty()) {
                throw LispError(L"malformed list on input");
            }
            ValuePtr tail = readForm(depth);
            skipWhitespaceAndComments();
            if (atEnd() || text_[pos_] != L')') {
                throw LispError(L"malformed list on input");
            }
            ++pos_;
            return makeList(items, std::move(tail));
        }
        items.push_back(readForm(depth));
    }
}

ValuePtr Reader::readString() {
    ++pos_;  // opening quote
    std::wstring text;
    while (!atEnd()) {
        const wchar_t c = text_[pos_++];
        if (c == L'"') {
            return makeString(std::move(text));
        }
        if (c != L'\\') {
            text += c;
            continue;
        }
        if (atEnd()) {
            break;
        }
        const wchar_t escaped = text_[pos_++];
        switch (escaped) {
            case L'n': text += L'\n'; break;
            case L'r': text += L'\r'; break;
            case L't': text += L'\t'; break;
            case L'e': text += L'\x1b'; break;
            default:
                if (escaped >= L'0' && escaped <= L'7') {
                    unsigned code = static_cast<unsigned>(escaped - L'0');
                    for (int i = 0; i < 2 && !atEnd() && text_[pos_] >= L'0' && text_[pos_] <= L'7'; ++i) {
                        code = code * 8 + static_cast<unsigned>(text_[pos_++] - L'0');
                    }
                    text += static_cast<wchar_t>(code);
                } else {
                    text += escaped;  // \\, \" and unknown escapes stand for the character itself
                }
        }
    }
    throw LispError(L"malformed string on input");
}

ValuePtr Reader::readAtom() {
    const std::size_t start = pos_;
    while (!atEnd() && !isDelimiter(text_[pos_])) {
        ++pos_;
    }
    const std::wstring_view token = text_.substr(start, pos_ - start);
    if (looksLikeInteger(token)) {
        return parseInteger(token);
    }
    if (looksLikeReal(token)) {
        return parseReal(token);
    }
    const std::wstring name = toUpper(token);
    if (name == L"NIL") {
        return nullptr;
    }
    if (name == L"T") {
        return trueValue();
    }
    return makeSymbol(name);
}

std::vector<ValuePtr> readAll(std::wstring_view text) {
    Reader reader(text);
    std::vector<ValuePtr> forms;
    while (auto form = reader.next()) {
        forms.push_back(std::move(*form));
    }
    return forms;
}

ValuePtr readFirst(std::wstring_view text) {
    Reader reader(text);
    auto form = reader.next();
    return form ? *form : nullptr;
}

}  // namespace vexa::sim::lisp
