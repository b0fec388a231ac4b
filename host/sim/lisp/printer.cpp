#include "lisp/printer.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "lisp/file_stream.h"

namespace vexa::sim::lisp {
namespace {

void appendEscapedString(std::wstring& out, const std::wstring& text) {
    out += L'"';
    for (wchar_t c : text) {
        switch (c) {
            case L'"': out += L"\\\""; break;
            case L'\\': out += L"\\\\"; break;
            case L'\n': out += L"\\n"; break;
            case L'\r': out += L"\\r"; break;
            case L'\t': out += L"\\t"; break;
            case L'\x1b': out += L"\\e"; break;
            default:
                if (c >= 0 && c < 0x20) {
                    wchar_t octal[8];
                    std::swprintf(octal, 8, L"\\%03o", static_cast<unsigned>(c));
                    out += octal;
                } else {
                    out += c;
                }
        }
    }
    out += L'"';
}

void appendHex(std::wstring& out, std::int64_t id) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%llx", static_cast<unsigned long long>(id));
    out += buffer;
}

void appendAtom(std::wstring& out, const Value& value, bool prin1) {
    switch (value.kind()) {
        case ValueKind::Integer: out += std::to_wstring(value.integer()); break;
        case ValueKind::Real: out += formatReal(value.real()); break;
        case ValueKind::String:
            if (prin1) {
                appendEscapedString(out, value.string());
            } else {
                out += value.string();
            }
            break;
        case ValueKind::Symbol: out += value.symbolName(); break;
        case ValueKind::EntityName:
            out += L"<Entity name: ";
            appendHex(out, value.entityId());
            out += L'>';
            break;
        case ValueKind::Subr: out += L"<Subr: #" + value.subr().name + L'>'; break;
        case ValueKind::UserFunction: {
            const std::wstring& name = value.userFunction().name;
            out += L"<USubr: #" + (name.empty() ? std::wstring(L"LAMBDA") : name) + L'>';
            break;
        }
        case ValueKind::File: out += L"#<file \"" + value.file().name() + L"\">"; break;
        case ValueKind::Cons: break;  // lists are handled by print()
    }
}

}  // namespace

std::wstring formatReal(double value) {
    if (std::isnan(value)) {
        return L"-1.#IND";
    }
    if (std::isinf(value)) {
        return value > 0 ? L"1.#INF" : L"-1.#INF";
    }
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.6g", value);
    std::wstring text(buffer);
    const auto exponent = text.find(L'e');
    const auto mantissaEnd = exponent == std::wstring::npos ? text.size() : exponent;
    if (text.find(L'.') == std::wstring::npos) {
        text.insert(mantissaEnd, L".0");
    }
    return text;
}

// Iterative so that arbitrarily nested data can't exhaust the stack.
std::wstring print(const ValuePtr& value, bool prin1) {
    std::wstring out;
    std::vector<const Value*> openLists;  // the not-yet-printed tail of each open list
    const Value* next = value.get();
    bool haveNext = true;
    while (true) {
        if (haveNext) {
            haveNext = false;
            if (next == nullptr) {
                out += L"nil";
            } else if (next->is(ValueKind::Cons)) {
                out += L'(';
                openLists.push_back(next->cons().cdr.get());
                next = next->cons().car.get();
                haveNext = true;
                continue;
            } else {
                appendAtom(out, *next, prin1);
            }
        }
        if (openLists.empty()) {
            break;
        }
        const Value* rest = openLists.back();
        if (rest == nullptr) {
            out += L')';
            openLists.pop_back();
        } else if (rest->is(ValueKind::Cons)) {
            out += L' ';
            next = rest->cons().car.get();
            openLists.back() = rest->cons().cdr.get();
            haveNext = true;
        } else {
            out += L" . ";
            appendAtom(out, *rest, prin1);
            out += L')';
            openLists.pop_back();
        }
    }
    return out;
}

}  // namespace vexa::sim::lisp
