// (load filename [onfailure]): reads an AutoLISP file, UTF-8 encoded, and evaluates its forms.
#include <fstream>
#include <sstream>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/interpreter.h"
#include "lisp/printer.h"
#include "lisp/utf8.h"

namespace vexa::sim::lisp {
namespace {

// The host adds ".lsp" to a name given without an extension.
std::string fileNameOf(const std::wstring& name) {
    std::string narrow;
    for (wchar_t c : name) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    const std::size_t slash = narrow.find_last_of("/\\");
    const std::size_t dot = narrow.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) narrow += ".lsp";
    return narrow;
}

}  // namespace

void registerLoadBuiltin(Interpreter& lisp) {
    lisp.defineBuiltin(L"load", [](Interpreter& in, const Args& args) -> ValuePtr {
        requireArgCount(args, 1, 2);
        const std::wstring& name = stringArg(args, 0);
        std::ifstream file(fileNameOf(name), std::ios::binary);
        if (!file) {
            if (args.size() == 2) return args[1];
            throw LispError(L"LOAD failed: " + print(args[0], true));
        }
        std::stringstream bytes;
        bytes << file.rdbuf();
        return in.evaluateText(decodeUtf8(bytes.str()));
    });
}

}  // namespace vexa::sim::lisp
