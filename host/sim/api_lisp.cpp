// The host's AutoLISP boundary functions, acting on the current simulated host.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>

#include "acad/aced.h"
#include "sim/fault_points.h"
#include "sim/host.h"
#include "sim/lisp_bridge.h"
#include "sim/wide_format.h"

using vexa::sim::Host;

namespace {

ACHAR* copyString(const ACHAR* text) {
    if (text == nullptr) return nullptr;
    const std::size_t length = std::wcslen(text);
    auto* copy = static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
    std::wmemcpy(copy, text, length + 1);
    return copy;
}

int setResult(vexa::sim::lisp::ValuePtr value) {
    Host* host = Host::current();
    if (host == nullptr) return RTERROR;
    host->setResult(std::move(value));
    return RTNORM;
}

bool isPointType(int type) { return type == RTPOINT || type == RT3DPOINT || (type >= 10 && type <= 17) || (type >= 1010 && type <= 1013); }
bool isRealType(int type) { return type == RTREAL || type == RTANG || type == RTORINT || (type >= 38 && type <= 59) || (type >= 1014 && type <= 1042); }
bool isShortType(int type) { return type == RTSHORT || (type >= 60 && type <= 79) || (type >= 270 && type <= 289) || type == 1070; }
bool isLongType(int type) { return type == RTLONG || (type >= 90 && type <= 99) || type == 1071; }
bool takesNoValue(int type) { return type == RTLB || type == RTLE || type == RTDOTE || type == RTNIL || type == RTT || type == RTVOID; }

}  // namespace

resbuf* acutNewRb(int type) {
    Host* host = Host::current();
    return host ? host->resbufs().newPluginNode(type) : nullptr;
}

int acutRelRb(resbuf* rb) {
    if (Host* host = Host::current()) host->resbufs().releasePluginChain(rb);
    return RTNORM;
}

ACHAR* acutNewString(const ACHAR* text) { return copyString(text ? text : L""); }

void acutDelString(ACHAR*& text) {
    std::free(text);
    text = nullptr;
}

resbuf* acutBuildList(int type, ...) {
    std::va_list arguments;
    va_start(arguments, type);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    bool failed = false;
    for (; type != 0 && type != RTNONE; type = va_arg(arguments, int)) {
        resbuf* node = acutNewRb(type == 0 ? RTDXF0 : type);
        if (node == nullptr) {
            failed = true;
            break;
        }
        (tail ? tail->rbnext : head) = node;
        tail = node;
        if (takesNoValue(type)) continue;
        if (vexa::sim::holdsString(type)) {
            node->resval.rstring = copyString(va_arg(arguments, const ACHAR*));
        } else if (isPointType(type)) {
            const ads_real* point = va_arg(arguments, const ads_real*);
            if (point != nullptr) std::memcpy(node->resval.rpoint, point, sizeof(ads_point));
        } else if (isRealType(type)) {
            node->resval.rreal = va_arg(arguments, double);
        } else if (isShortType(type)) {
            node->resval.rint = static_cast<short>(va_arg(arguments, int));
        } else if (isLongType(type)) {
            node->resval.rlong = va_arg(arguments, Adesk_Int32);
        } else if (type == RTENAME || type == RTPICKS || (type >= 330 && type <= 369)) {
            const Adesk_Int64* name = va_arg(arguments, const Adesk_Int64*);
            if (name != nullptr) std::memcpy(node->resval.rlname, name, sizeof(ads_name));
        } else {
            failed = true;  // an unknown code: its value's size cannot be known
            break;
        }
    }
    va_end(arguments);
    if (failed) {
        acutRelRb(head);
        return nullptr;
    }
    return head;
}

int acedCommand(int type, ...) {
    Host* host = Host::current();
    if (host == nullptr) return RTERROR;
    std::va_list arguments;
    va_start(arguments, type);
    std::optional<std::wstring> name;
    std::vector<vexa::sim::PromptAnswer> inputs;
    bool failed = false;
    for (; type != 0 && type != RTNONE; type = va_arg(arguments, int)) {
        std::wstring text;
        if (type == RTSTR) {
            const ACHAR* value = va_arg(arguments, const ACHAR*);
            text = value ? value : L"";
        } else if (type == RTSHORT) {
            text = std::to_wstring(static_cast<short>(va_arg(arguments, int)));
        } else if (type == RTLONG) {
            text = std::to_wstring(va_arg(arguments, Adesk_Int32));
        } else if (type == RTREAL) {
            text = std::to_wstring(va_arg(arguments, double));
        } else {
            failed = true;  // a value of unknown size ends the reading
            break;
        }
        if (!name) name = (type == RTSTR) ? text : std::wstring();
        else inputs.push_back(text.empty() ? vexa::sim::PromptAnswer::enter() : vexa::sim::PromptAnswer::typed(text));
    }
    va_end(arguments);
    if (failed || !name || name->empty()) return RTERROR;
    host->runScriptedCommand(*name, inputs);
    return RTNORM;
}

int acutPrintf(const ACHAR* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const std::wstring text = vexa::sim::formatWide(format, arguments);
    va_end(arguments);
    if (Host* host = Host::current()) host->commandLine().print(text);
    return static_cast<int>(text.size());
}

void acdbFail(const ACHAR* message) {
    if (Host* host = Host::current()) host->commandLine().fail(message ? message : L"");
}

// A chain that is one whole list is that list; loose items are gathered into a list.
int acedRetList(const resbuf* rb) {
    const auto values = vexa::sim::valuesFromChain(rb);
    const bool wholeList = rb != nullptr && rb->restype == RTLB && values.size() == 1;
    return setResult(wholeList ? values.front() : vexa::sim::lisp::makeList(values));
}
int acedRetVal(const resbuf* rb) {
    const auto values = vexa::sim::valuesFromChain(rb);
    return setResult(values.empty() ? nullptr : values.front());
}
int acedRetStr(const ACHAR* text) { return setResult(vexa::sim::lisp::makeString(text ? text : L"")); }
int acedRetInt(int value) { return setResult(vexa::sim::lisp::makeInteger(value)); }
int acedRetReal(ads_real value) { return setResult(vexa::sim::lisp::makeReal(value)); }
int acedRetPoint(const ads_point point) {
    using namespace vexa::sim::lisp;
    return setResult(makeList({makeReal(point[0]), makeReal(point[1]), makeReal(point[2])}));
}
int acedRetName(const ads_name name, int) { return setResult(vexa::sim::lisp::makeEntityName(name[0])); }
int acedRetT() { return setResult(vexa::sim::lisp::trueValue()); }
int acedRetNil() { return setResult(nullptr); }
int acedRetVoid() { return setResult(nullptr); }

int acedDefun(const ACHAR* name, short code) {
    Host* host = Host::current();
    if (host == nullptr || name == nullptr) return RTERROR;
    host->defineFunction(name, code);
    return RTNORM;
}

int acedUndef(const ACHAR* name, short) {
    Host* host = Host::current();
    if (host == nullptr || name == nullptr || host->documents().current() == nullptr) return RTERROR;
    host->documents().current()->lisp().undefine(name);
    return RTNORM;
}

int acedGetFunCode() {
    Host* host = Host::current();
    return host ? host->functionCode() : RTERROR;
}

resbuf* acedGetArgs() {
    Host* host = Host::current();
    return host ? host->functionArguments() : nullptr;
}

int acedInvoke(const resbuf* args, resbuf** result) {
    Host* host = Host::current();
    if (result != nullptr) *result = nullptr;
    if (vexa::sim::serviceFails(L"acedInvoke")) return RTERROR;
    return host ? host->invoke(args, result) : RTERROR;
}

int acedGetStringB(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufferSize) {
    Host* host = Host::current();
    if (host == nullptr || result == nullptr || bufferSize == 0) return RTERROR;
    const vexa::sim::PromptResult answer = host->promptString(cronly != 0, prompt);
    if (answer.status != RTNORM) return answer.status;
    const std::size_t length = std::min(answer.text.size(), bufferSize - 1);
    std::wmemcpy(result, answer.text.c_str(), length);
    result[length] = L'\0';
    return length < answer.text.size() ? RTINPUTTRUNCATED : RTNORM;
}

int acedGetVar(const ACHAR* name, resbuf* result) {
    Host* host = Host::current();
    if (host == nullptr || name == nullptr || result == nullptr) return RTERROR;
    const auto value = host->variable(name);
    if (!value) return RTERROR;
    if (const int* number = std::get_if<int>(&*value)) {
        result->restype = RTSHORT;
        result->resval.rint = static_cast<short>(*number);
    } else if (const double* real = std::get_if<double>(&*value)) {
        result->restype = RTREAL;
        result->resval.rreal = *real;
    } else {
        result->restype = RTSTR;
        result->resval.rstring = copyString(std::get<std::wstring>(*value).c_str());
    }
    return RTNORM;
}

int acedSetVar(const ACHAR* name, const resbuf* value) {
    Host* host = Host::current();
    if (host == nullptr || name == nullptr || value == nullptr) return RTERROR;
    vexa::sim::VariableValue converted;
    switch (value->restype) {
    case RTSHORT: converted = static_cast<int>(value->resval.rint); break;
    case RTLONG: converted = static_cast<int>(value->resval.rlong); break;
    case RTREAL: converted = value->resval.rreal; break;
    case RTSTR: converted = std::wstring(value->resval.rstring ? value->resval.rstring : L""); break;
    default: return RTERROR;
    }
    return host->sysvars().set(name, converted) ? RTNORM : RTERROR;
}
