#include "lisp/wildcard.h"

#include <cwctype>
#include <string>
#include <utility>
#include <vector>

namespace vexa::sim::lisp {
namespace {

struct Token {
    enum class Kind { Star, AnyChar, Digit, Letter, NonAlphanumeric, Literal, Set };
    Kind kind;
    wchar_t literal = 0;
    std::vector<std::pair<wchar_t, wchar_t>> ranges;  // for Set
    bool negated = false;                             // for Set

    bool matches(wchar_t c) const {
        const auto wc = static_cast<wint_t>(c);
        switch (kind) {
            case Kind::AnyChar: return true;
            case Kind::Digit: return std::iswdigit(wc) != 0;
            case Kind::Letter: return std::iswalpha(wc) != 0;
            case Kind::NonAlphanumeric: return std::iswalnum(wc) == 0;
            case Kind::Literal: return c == literal;
            case Kind::Set: {
                bool inSet = false;
                for (const auto& [low, high] : ranges) {
                    inSet = inSet || (c >= low && c <= high);
                }
                return inSet != negated;
            }
            case Kind::Star: return false;
        }
        return false;
    }
};

// Parses "[...]" starting after the '['; returns false (leaving pos) if it is never closed.
bool parseSet(std::wstring_view pattern, std::size_t& pos, Token& token) {
    std::size_t p = pos;
    token.kind = Token::Kind::Set;
    if (p < pattern.size() && pattern[p] == L'~') {
        token.negated = true;
        ++p;
    }
    while (p < pattern.size() && pattern[p] != L']') {
        wchar_t low = pattern[p++];
        if (low == L'`' && p < pattern.size()) {
            low = pattern[p++];
        }
        wchar_t high = low;
        if (p + 1 < pattern.size() && pattern[p] == L'-' && pattern[p + 1] != L']') {
            high = pattern[p + 1];
            p += 2;
        }
        token.ranges.emplace_back(low, high);
    }
    if (p >= pattern.size()) {
        return false;
    }
    pos = p + 1;
    return true;
}

std::vector<Token> tokenize(std::wstring_view pattern) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const wchar_t c = pattern[pos++];
        Token token{Token::Kind::Literal, c, {}, false};
        switch (c) {
            case L'*': token.kind = Token::Kind::Star; break;
            case L'?': token.kind = Token::Kind::AnyChar; break;
            case L'#': token.kind = Token::Kind::Digit; break;
            case L'@': token.kind = Token::Kind::Letter; break;
            case L'.': token.kind = Token::Kind::NonAlphanumeric; break;
            case L'`':
                if (pos < pattern.size()) {
                    token.literal = pattern[pos++];
                }
                break;
            case L'[':
                if (!parseSet(pattern, pos, token)) {
                    token = Token{Token::Kind::Literal, c, {}, false};
                }
                break;
            default: break;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// Greedy matching with backtracking to the last star only: O(text * pattern), no recursion.
bool matchTokens(std::wstring_view text, const std::vector<Token>& tokens) {
    std::size_t t = 0;
    std::size_t p = 0;
    std::size_t starToken = std::wstring_view::npos;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p].kind == Token::Kind::Star) {
            starToken = p++;
            starText = t;
        } else if (p < tokens.size() && tokens[p].matches(text[t])) {
            ++p;
            ++t;
        } else if (starToken != std::wstring_view::npos) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == Token::Kind::Star) {
        ++p;
    }
    return p == tokens.size();
}

// Splits at commas that are neither escaped nor inside a character set.
std::vector<std::wstring_view> splitAlternatives(std::wstring_view patterns) {
    std::vector<std::wstring_view> parts;
    std::size_t start = 0;
    bool inSet = false;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const wchar_t c = patterns[i];
        if (c == L'`') {
            ++i;
        } else if (c == L'[') {
            inSet = true;
        } else if (c == L']') {
            inSet = false;
        } else if (c == L',' && !inSet) {
            parts.push_back(patterns.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(patterns.substr(start));
    return parts;
}

}  // namespace

bool wildcardMatch(std::wstring_view text, std::wstring_view patterns) {
    for (std::wstring_view pattern : splitAlternatives(patterns)) {
        const bool negated = !pattern.empty() && pattern[0] == L'~';
        if (negated) {
            pattern.remove_prefix(1);
        }
        if (matchTokens(text, tokenize(pattern)) != negated) {
            return true;
        }
    }
    return false;
}

}  // namespace vexa::sim::lisp
