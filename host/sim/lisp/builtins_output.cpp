#include <string>

#include "lisp/arguments.h"
#include "lisp/builtins.h"
#include "lisp/file_stream.h"
#include "lisp/interpreter.h"
#include "lisp/printer.h"

namespace vexa::sim::lisp {
namespace {

// A file opened for reading takes nothing.
FileStream& writableFile(const ValuePtr& value) {
    if (!isKind(value, ValueKind::File) || !value->file().isOpen()) {
        throwBadArgumentType(L"filep", value);
    }
    return value->file();
}

// princ, prin1 and print differ only in quoting and the text around the value.
void definePrinter(Interpreter& lisp, std::wstring_view name, bool prin1, std::wstring before, std::wstring after) {
    lisp.defineBuiltin(name, [prin1, before, after](Interpreter& in, const Args& args) {
        requireArgCount(args, 0, 2);
        if (args.empty()) {
            return makeSymbol(L"");  // the empty symbol: the command line echoes nothing
        }
        const std::wstring text = before + print(args[0], prin1) + after;
        if (args.size() == 2 && args[1]) {
            writableFile(args[1]).write(text);
        } else {
            in.write(text);
        }
        return args[0];
    });
}

}  // namespace

void registerOutputBuiltins(Interpreter& lisp) {
    definePrinter(lisp, L"princ", false, L"", L"");
    definePrinter(lisp, L"prin1", true, L"", L"");
    definePrinter(lisp, L"print", true, L"\n", L" ");
    lisp.defineBuiltin(L"terpri", [](Interpreter& in, const Args& args) {
        requireArgCount(args, 0, 0);
        in.write(L"\n");
        return ValuePtr();
    });
}

}  // namespace vexa::sim::lisp
