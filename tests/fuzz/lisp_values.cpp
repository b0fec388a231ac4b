#include "fuzz/lisp_values.h"

#include <array>
#include <cstdio>

namespace vexa::fuzz {

namespace {

Value atomOf(std::wstring text) { return Value{std::move(text), {}, false, false}; }

Value listOf(std::vector<Value> items, bool dotted = false) { return Value{{}, std::move(items), true, dotted}; }

bool plainData(const Value& value) {
    if (!value.list) return !value.atom.starts_with(L"*fuzz-");
    for (const Value& item : value.items) {
        if (!plainData(item)) return false;
    }
    return true;
}

std::wstring quotedData(const Value& value) {
    if (!value.list) return value.atom;
    std::wstring text = L"(";
    for (std::size_t i = 0; i < value.items.size(); ++i) {
        if (i > 0) text += value.dotted && i + 1 == value.items.size() ? L" . " : L" ";
        text += quotedData(value.items[i]);
    }
    return text + L")";
}

std::wstring escapedString(std::wstring_view text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') out += L'\\';
        out += c;
    }
    return out + L"\"";
}

}  // namespace

std::vector<Value> ValueMaker::arguments() {
    std::vector<Value> arguments;
    const int count = chance(0.05) ? 8 + below(24) : below(6);
    for (int i = 0; i < count; ++i) arguments.push_back(value(4));
    return arguments;
}

Value ValueMaker::value(int depth) {
    if (depth > 0 && chance(0.45)) return chance(0.01) ? deepNesting() : list(depth - 1);
    return atom();
}

Value ValueMaker::atom() {
    switch (below(9)) {
    case 0: return atomOf(L"nil");
    case 1: return atomOf(L"T");
    case 2:
    case 3: return integer();
    case 4: return real();
    case 5:
    case 6: return string();
    case 7: return atomOf(chance(0.5) ? kLiveEntity : kDeletedEntity);
    default: return atomOf(chance(0.5) ? kNotANumber : kInfinity);
    }
}

Value ValueMaker::integer() {
    static constexpr std::array<long long, 16> boundaries = {0,     1,      -1,     2,          5,          7,
                                                             255,   256,    32767,  32768,      -32768,     -32769,
                                                             65535, 65536,  2147483647, -2147483647};
    if (chance(0.6)) return atomOf(std::to_wstring(boundaries[below(boundaries.size())]));
    return atomOf(std::to_wstring(below(2000) - 200));
}

Value ValueMaker::real() {
    static constexpr std::array<const wchar_t*, 12> texts = {L"0.0",    L"-0.0",  L"0.5",    L"1.0",
                                                            L"-2.5",   L"1e308", L"-1e308", L"1e-320",
                                                            L"1e400",  L"3.4e39", L"65536.7", L"-32768.9"};
    if (chance(0.6)) return atomOf(texts[below(texts.size())]);
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%.3f", std::uniform_real_distribution<double>(-1e4, 1e4)(random_));
    return atomOf(buffer);
}

Value ValueMaker::string() {
    static constexpr std::array<const wchar_t*, 14> texts = {
        L"",       L"A",     L"0",      L"LANGTEXT", L"cht",   L"CHT",    L"L001",
        L"^HID",   L"*",     L"a,b;c",  L"Vexa-",   L"C:\\Vexa\\x.txt", L"http://127.0.0.1:1/", L"%s%n%d"};
    switch (below(6)) {
    case 0: return atomOf(escapedString(std::wstring(chance(0.05) ? 1 << 20 : 200 + below(2000), L'x')));
    case 1: {
        std::wstring odd;
        const int length = 1 + below(12);
        for (int i = 0; i < length; ++i) {
            static constexpr std::array<wchar_t, 8> characters = {0xD800, 0xDFFF, 0x4E2D, 0x00E9, L'\t', 0x0001, 0xFFFF, L'\n'};
            odd += characters[below(characters.size())];
        }
        return atomOf(escapedString(odd));
    }
    default: return atomOf(escapedString(texts[below(texts.size())]));
    }
}

Value ValueMaker::list(int depth) {
    if (chance(0.1)) return listOf({value(depth), value(depth)}, true);
    if (chance(0.1)) return listOf({real(), real(), chance(0.5) ? real() : integer()});
    std::vector<Value> items;
    const int count = chance(0.02) ? 5000 : below(7);
    for (int i = 0; i < count; ++i) items.push_back(count > 100 ? integer() : value(depth));
    return listOf(std::move(items));
}

Value ValueMaker::deepNesting() {
    Value inner = atomOf(L"1");
    const int depth = 100 + below(1800);
    for (int i = 0; i < depth; ++i) inner = listOf({std::move(inner)});
    return inner;
}

std::wstring expression(const Value& value) {
    if (!value.list) return value.atom;
    if (value.items.empty()) return L"nil";
    if (plainData(value)) return L"'" + quotedData(value);
    if (value.dotted) return L"(cons " + expression(value.items[0]) + L" " + expression(value.items[1]) + L")";
    std::wstring text = L"(list";
    for (const Value& item : value.items) text += L" " + expression(item);
    return text + L")";
}

std::wstring callText(const std::wstring& function, const std::vector<Value>& arguments) {
    std::wstring text = L"(" + function;
    for (const Value& argument : arguments) text += L" " + expression(argument);
    return text + L")";
}

namespace {

// The lists left by taking out part of items: a half at a time when there are many.
std::vector<std::vector<Value>> withParts(const std::vector<Value>& items) {
    std::vector<std::vector<Value>> lists;
    if (items.size() > 8) {
        const auto middle = items.begin() + static_cast<std::ptrdiff_t>(items.size() / 2);
        lists.emplace_back(items.begin(), middle);
        lists.emplace_back(middle, items.end());
        return lists;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::vector<Value> without = items;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        lists.push_back(std::move(without));
    }
    return lists;
}

// A chain of one-item lists with half its levels taken off.
Value halfUnwrapped(const Value& value) {
    int depth = 0;
    for (const Value* v = &value; v->list && v->items.size() == 1; v = &v->items.front()) ++depth;
    const Value* inner = &value;
    for (int i = 0; i < (depth + 1) / 2; ++i) inner = &inner->items.front();
    return *inner;
}

}  // namespace

std::vector<std::vector<Value>> simplerLists(const std::vector<Value>& arguments) {
    std::vector<std::vector<Value>> lists = withParts(arguments);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Value& argument = arguments[i];
        auto replaced = [&](Value simpler) {
            std::vector<Value> list = arguments;
            list[i] = std::move(simpler);
            lists.push_back(std::move(list));
        };
        if (!argument.list) {
            if (argument.atom.size() > 8) replaced(atomOf(argument.atom.front() == L'"' ? L"\"x\"" : L"0"));
            continue;
        }
        if (argument.items.size() == 1) {
            replaced(halfUnwrapped(argument));
            continue;
        }
        if (argument.dotted) {
            for (const Value& item : argument.items) replaced(item);
            continue;
        }
        for (std::vector<Value>& items : withParts(argument.items)) replaced(listOf(std::move(items)));
        for (std::size_t k = 0; k < argument.items.size() && argument.items.size() <= 8; ++k) {
            for (std::vector<Value>& inner : simplerLists({argument.items[k]})) {
                if (inner.size() != 1) continue;
                Value simpler = argument;
                simpler.items[k] = std::move(inner.front());
                replaced(std::move(simpler));
            }
        }
    }
    return lists;
}

}  // namespace vexa::fuzz
