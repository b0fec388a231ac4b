// The SDK's get functions: acedInitGet, acedGetPoint, acedGetDist, acedGetInt, acedGetReal,
// acedGetKword and acedGetInput, all reading through the host's prompts.
#include <algorithm>
#include <cwchar>

#include "acad/aced.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace {

using vexa::sim::Host;
using vexa::sim::InputAnswer;
using vexa::sim::InputRequest;

// Valid bits: those the host knows (8 limits, 256 to 2048 distance and tracking kinds included).
constexpr int kKnownBits = 0xFFF;

std::optional<InputAnswer> ask(InputRequest::Kind kind, const ads_point base, const ACHAR* prompt) {
    Host* host = Host::current();
    if (host == nullptr) return std::nullopt;
    InputRequest request{kind, prompt};
    if (base != nullptr) request.base = vexa::sim::db::Point3{base[0], base[1], base[2]};
    request.options = host->inputOptions().take();
    return vexa::sim::readInput(*host, request);
}

int copyText(const std::wstring& text, ACHAR* result, std::size_t bufferSize) {
    if (result == nullptr || bufferSize == 0) return RTERROR;
    const std::size_t length = std::min(text.size(), bufferSize - 1);
    std::wmemcpy(result, text.c_str(), length);
    result[length] = L'\0';
    return length < text.size() ? RTINPUTTRUNCATED : RTNORM;
}

}  // namespace

int acedInitGet(int val, const ACHAR* kwl) {
    Host* host = Host::current();
    if (host == nullptr || val < 0 || (val & ~kKnownBits) != 0) return RTERROR;
    host->inputOptions().set(val, kwl != nullptr ? kwl : L"");
    return RTNORM;
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
    if (result == nullptr) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Point, pt, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNORM) {
        result[0] = answer->point.x;
        result[1] = answer->point.y;
        result[2] = answer->point.z;
    }
    return answer->status;
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    if (result == nullptr) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Distance, pt, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNORM) *result = answer->real;
    return answer->status;
}

int acedGetInt(const ACHAR* prompt, int* result) {
    if (result == nullptr) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Integer, nullptr, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNORM) *result = answer->integer;
    return answer->status;
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    if (result == nullptr) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Real, nullptr, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNORM) *result = answer->real;
    return answer->status;
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufferSize) {
    if (result == nullptr || bufferSize == 0) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Keyword, nullptr, prompt);
    if (!answer) return RTERROR;
    if (answer->status != RTNORM) return answer->status;
    return copyText(answer->keyword, result, bufferSize);
}

int acedGetInput(ACHAR* result, std::size_t bufferSize) {
    Host* host = Host::current();
    if (host == nullptr) return RTERROR;
    return copyText(host->inputOptions().lastKeyword(), result, bufferSize);
}
