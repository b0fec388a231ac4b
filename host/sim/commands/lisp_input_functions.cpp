#include "sim/commands/lisp_input_functions.h"

#include "lisp/arguments.h"
#include "lisp/interpreter.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

using lisp::Args;
using lisp::ValueKind;
using lisp::ValuePtr;

// A 2D or 3D point written as a list of numbers.
db::Point3 pointArg(const ValuePtr& value) {
    if (!lisp::isCons(value)) lisp::throwBadArgumentType(L"2D/3D point", value);
    double coordinates[3] = {0.0, 0.0, 0.0};
    std::size_t count = 0;
    for (ValuePtr rest = value; rest; rest = rest->cons().cdr) {
        if (!rest->is(ValueKind::Cons) || count == 3 || !lisp::isNumber(rest->cons().car)) {
            lisp::throwBadArgumentType(L"2D/3D point", value);
        }
        const ValuePtr& item = rest->cons().car;
        coordinates[count++] = item->is(ValueKind::Integer) ? item->integer() : item->real();
    }
    if (count < 2) lisp::throwBadArgumentType(L"2D/3D point", value);
    return {coordinates[0], coordinates[1], coordinates[2]};
}

ValuePtr pointValue(const db::Point3& point) {
    return lisp::makeList({lisp::makeReal(point.x), lisp::makeReal(point.y), lisp::makeReal(point.z)});
}

// Reads through the host's prompts; ESC ends the evaluation as the host's functions do.
InputAnswer ask(Host& host, InputRequest request, const std::wstring& prompt) {
    request.prompt = prompt.c_str();
    request.options = host.inputOptions().take();
    const InputAnswer answer = readInput(host, request);
    if (answer.status == RTCAN) throw lisp::LispError(L"Function cancelled");
    return answer;
}

// (getpoint [pt] [msg]) and (getdist [pt] [msg]): a point first, the message last.
InputAnswer askFromBase(Host& host, InputRequest::Kind kind, const Args& args) {
    lisp::requireArgCount(args, 0, 2);
    InputRequest request{kind};
    std::wstring prompt;
    std::size_t next = 0;
    if (!args.empty() && !(args[0] && args[0]->is(ValueKind::String) && args.size() == 1)) {
        if (args[0]) request.base = pointArg(args[0]);
        next = 1;
    }
    if (next < args.size() && args[next]) prompt = lisp::stringArg(args, next);
    return ask(host, request, prompt);
}

// (getint [msg]), (getreal [msg]), (getkword [msg]).
InputAnswer askPlain(Host& host, InputRequest::Kind kind, const Args& args) {
    lisp::requireArgCount(args, 0, 1);
    const std::wstring prompt = !args.empty() && args[0] ? lisp::stringArg(args, 0) : std::wstring();
    return ask(host, {kind}, prompt);
}

ValuePtr keywordOr(const InputAnswer& answer, ValuePtr value) {
    if (answer.status == RTKWORD) return lisp::makeString(answer.keyword);
    return answer.status == RTNORM ? std::move(value) : nullptr;
}

}  // namespace

void defineInputFunctions(lisp::Interpreter& lisp, Host& host) {
    Host* const at = &host;
    lisp.defineExternal(L"initget", [host = at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 2);
        // (initget bits keywords), (initget bits) or (initget keywords).
        const bool keywordsOnly = args.size() == 1 && args[0] && args[0]->is(ValueKind::String);
        const int bits = args.empty() || keywordsOnly || !args[0] ? 0 : lisp::integerArg(args, 0);
        const std::size_t index = keywordsOnly ? 0 : 1;
        const std::wstring keywords = index < args.size() && args[index] ? lisp::stringArg(args, index) : std::wstring();
        if (bits < 0 || bits > 0xFFF) lisp::throwBadArgumentValue(L"AutoCAD initget bits", args[0]);
        host->inputOptions().set(bits, keywords);
        return nullptr;
    });
    lisp.defineExternal(L"getpoint", [at](const Args& args) -> ValuePtr {
        const InputAnswer answer = askFromBase(*at, InputRequest::Kind::Point, args);
        return keywordOr(answer, pointValue(answer.point));
    });
    lisp.defineExternal(L"getdist", [at](const Args& args) -> ValuePtr {
        const InputAnswer answer = askFromBase(*at, InputRequest::Kind::Distance, args);
        return keywordOr(answer, lisp::makeReal(answer.real));
    });
    lisp.defineExternal(L"getint", [at](const Args& args) -> ValuePtr {
        const InputAnswer answer = askPlain(*at, InputRequest::Kind::Integer, args);
        return keywordOr(answer, lisp::makeInteger(answer.integer));
    });
    lisp.defineExternal(L"getreal", [at](const Args& args) -> ValuePtr {
        const InputAnswer answer = askPlain(*at, InputRequest::Kind::Real, args);
        return keywordOr(answer, lisp::makeReal(answer.real));
    });
    lisp.defineExternal(L"getkword", [at](const Args& args) -> ValuePtr {
        const InputAnswer answer = askPlain(*at, InputRequest::Kind::Keyword, args);
        return answer.status == RTNORM ? lisp::makeString(answer.keyword) : nullptr;
    });
}

}  // namespace vexa::sim
