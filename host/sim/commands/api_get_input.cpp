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

// Asks and, on RTNORM, stores what `store` takes from the answer.
template <typename T, typename Store>
int askInto(InputRequest::Kind kind, const ads_point base, const ACHAR* prompt, T* result, Store store) {
    if (result == nullptr) return RTERROR;
    const std::optional<InputAnswer> answer = ask(kind, base, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNORM) store(*answer, result);
    return answer->status;
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
    return askInto(InputRequest::Kind::Point, pt, prompt, result, [](const InputAnswer& answer, ads_real* point) {
        point[0] = answer.point.x;
        point[1] = answer.point.y;
        point[2] = answer.point.z;
    });
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    return askInto(InputRequest::Kind::Distance, pt, prompt, result,
                   [](const InputAnswer& answer, ads_real* distance) { *distance = answer.real; });
}

int acedGetInt(const ACHAR* prompt, int* result) {
    return askInto(InputRequest::Kind::Integer, nullptr, prompt, result,
                   [](const InputAnswer& answer, int* value) { *value = answer.integer; });
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    return askInto(InputRequest::Kind::Real, nullptr, prompt, result,
                   [](const InputAnswer& answer, ads_real* value) { *value = answer.real; });
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufferSize) {
    if (result == nullptr || bufferSize == 0) return RTERROR;
    const std::optional<InputAnswer> answer = ask(InputRequest::Kind::Keyword, nullptr, prompt);
    if (!answer) return RTERROR;
    if (answer->status == RTNONE) result[0] = L'\0';
    if (answer->status != RTNORM) return answer->status;
    return copyText(answer->keyword, result, bufferSize);
}

int acedGetInput(ACHAR* result, std::size_t bufferSize) {
    Host* host = Host::current();
    if (host == nullptr) return RTERROR;
    return copyText(host->inputOptions().lastKeyword(), result, bufferSize);
}
