#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/interpreter.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/wildcard.h"

namespace vexa::sim::lisp {
namespace {

std::int32_t wrap32(long long v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

// 1-based position and optional length, as substr takes them.
ValuePtr substring(const Args& args) {
    requireArgCount(args, 2, 3);
    const std::wstring& text = stringArg(args, 0);
    const std::int32_t start = integerArg(args, 1);
    if (start < 1) {
        throwBadArgumentValue(L"positive", args[1]);
    }
    std::size_t length = std::wstring::npos;
    if (args.size() == 3) {
        const std::int32_t requested = integerArg(args, 2);
        if (requested < 0) {
            throwBadArgumentValue(L"non-negative", args[2]);
        }
        length = static_cast<std::size_t>(requested);
    }
    const auto offset = static_cast<std::size_t>(start - 1);
    return makeString(offset >= text.size() ? std::wstring() : text.substr(offset, length));
}

// rtos modes 1 (scientific) and 2 (decimal); precision is the number of decimals.
ValuePtr realToString(const Args& args) {
    requireArgCount(args, 1, 3);
    const double value = numberArg(args, 0);
    const std::int32_t mode = args.size() > 1 ? integerArg(args, 1) : 2;
    const std::int32_t precision = args.size() > 2 ? integerArg(args, 2) : 4;
    if (precision < 0 || precision > 15) {
        throwBadArgumentValue(L"precision", args[2]);
    }
    if (mode != 1 && mode != 2) {
        throwBadArgumentValue(L"unit mode", args[1]);
    }
    wchar_t buffer[400];
    std::swprintf(buffer, 400, mode == 1 ? L"%.*E" : L"%.*f", static_cast<int>(precision), value);
    return makeString(buffer);
}

// Index of pattern in text at or after start, or nil.
ValuePtr searchString(const Args& args) {
    requireArgCount(args, 2, 3);
    const std::wstring& pattern = stringArg(args, 0);
    const std::wstring& text = stringArg(args, 1);
    const std::int32_t start = args.size() == 3 ? integerArg(args, 2) : 0;
    const auto found = text.find(pattern, static_cast<std::size_t>(std::max(start, 0)));
    return found == std::wstring::npos ? nullptr : makeInteger(static_cast<std::int32_t>(found));
}

// Replaces the first occurrence only, as vl-string-subst does.
ValuePtr substituteString(const Args& args) {
    requireArgCount(args, 3, 4);
    const std::wstring& replacement = stringArg(args, 0);
    const std::wstring& pattern = stringArg(args, 1);
    std::wstring text = stringArg(args, 2);
    const std::int32_t start = args.size() == 4 ? integerArg(args, 3) : 0;
    const auto found = text.find(pattern, static_cast<std::size_t>(std::max(start, 0)));
    if (found != std::wstring::npos) {
        text.replace(found, pattern.size(), replacement);
    }
    return makeString(std::move(text));
}

void defineTrim(Interpreter& lisp, std::wstring_view name, bool left, bool right) {
    lisp.defineBuiltin(name, [left, right](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        const std::wstring& characters = stringArg(args, 0);
        const std::wstring& text = stringArg(args, 1);
        std::size_t first = 0;
        std::size_t end = text.size();
        if (left) {
            first = std::min(text.find_first_not_of(characters), end);
        }
        if (right) {
            const std::size_t last = text.find_last_not_of(characters);
            end = last == std::wstring::npos ? 0 : last + 1;
        }
        return makeString(first < end ? text.substr(first, end - first) : std::wstring());
    });
}

void defineToString(Interpreter& lisp, std::wstring_view name, bool prin1) {
    lisp.defineBuiltin(name, [prin1](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeString(print(args[0], prin1));
    });
}

}  // namespace

void registerStringBuiltins(Interpreter& lisp) {
    lisp.defineBuiltin(L"strcat", [](Interpreter&, const Args& args) {
        std::wstring result;
        for (std::size_t i = 0; i < args.size(); ++i) {
            result += stringArg(args, i);
        }
        return makeString(std::move(result));
    });
    lisp.defineBuiltin(L"strlen", [](Interpreter&, const Args& args) {
        std::size_t length = 0;
        for (std::size_t i = 0; i < args.size(); ++i) {
            length += stringArg(args, i).size();
        }
        return makeInteger(static_cast<std::int32_t>(length));
    });
    lisp.defineBuiltin(L"substr", [](Interpreter&, const Args& args) { return substring(args); });
    lisp.defineBuiltin(L"strcase", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 2);
        std::wstring text = stringArg(args, 0);
        const bool lower = optionalArg(args, 1) != nullptr;
        for (wchar_t& c : text) {
            const auto wc = static_cast<wint_t>(c);
            c = static_cast<wchar_t>(lower ? std::towlower(wc) : std::towupper(wc));
        }
        return makeString(std::move(text));
    });
    lisp.defineBuiltin(L"itoa", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeString(std::to_wstring(integerArg(args, 0)));
    });
    lisp.defineBuiltin(L"atoi", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeInteger(wrap32(std::wcstoll(stringArg(args, 0).c_str(), nullptr, 10)));
    });
    lisp.defineBuiltin(L"atof", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        return makeReal(std::wcstod(stringArg(args, 0).c_str(), nullptr));
    });
    lisp.defineBuiltin(L"rtos", [](Interpreter&, const Args& args) { return realToString(args); });
    lisp.defineBuiltin(L"read", [](Interpreter&, const Args& args) {
        requireArgCount(args, 0, 1);
        return args.empty() ? nullptr : readFirst(stringArg(args, 0));
    });
    lisp.defineBuiltin(L"chr", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        const std::int32_t code = integerArg(args, 0);
        return makeString(code > 0 ? std::wstring(1, static_cast<wchar_t>(code)) : std::wstring());
    });
    lisp.defineBuiltin(L"ascii", [](Interpreter&, const Args& args) {
        requireArgCount(args, 1, 1);
        const std::wstring& text = stringArg(args, 0);
        return makeInteger(text.empty() ? 0 : static_cast<std::int32_t>(text[0]));
    });
    lisp.defineBuiltin(L"wcmatch", [](Interpreter&, const Args& args) {
        requireArgCount(args, 2, 2);
        return boolValue(wildcardMatch(stringArg(args, 0), stringArg(args, 1)));
    });
    lisp.defineBuiltin(L"vl-string-search", [](Interpreter&, const Args& args) { return searchString(args); });
    lisp.defineBuiltin(L"vl-string-subst", [](Interpreter&, const Args& args) { return substituteString(args); });
    defineTrim(lisp, L"vl-string-left-trim", true, false);
    defineTrim(lisp, L"vl-string-right-trim", false, true);
    defineTrim(lisp, L"vl-string-trim", true, true);
    defineToString(lisp, L"vl-princ-to-string", false);
    defineToString(lisp, L"vl-prin1-to-string", true);
}

}  // namespace vexa::sim::lisp
