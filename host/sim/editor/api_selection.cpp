// The host's selection calls, acting on the current host's editor.
#include "acad/acedsel.h"
#include "sim/fault_points.h"
#include "sim/host.h"

using vexa::sim::Host;
using vexa::sim::editor::Editor;

namespace {

Editor* editor() {
    Host* host = Host::current();
    return host != nullptr ? &host->editor() : nullptr;
}

const std::vector<vexa::sim::db::ObjectId>* membersOf(const ads_name set) {
    Editor* e = editor();
    return e != nullptr ? e->selectionSets().find(set) : nullptr;
}

}  // namespace

int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
    Editor* e = editor();
    if (vexa::sim::serviceFails(L"acedSSGet")) return RTERROR;
    return e != nullptr ? e->select(mode, pt1, pt2, filter, ss) : RTERROR;
}

int acedSSFree(const ads_name ss) {
    Editor* e = editor();
    return e != nullptr && e->selectionSets().free(ss) ? RTNORM : RTERROR;
}

int acedSSLength(const ads_name ss, Adesk_Int32* length) {
    const auto* members = membersOf(ss);
    if (members == nullptr || length == nullptr) return RTERROR;
    *length = static_cast<Adesk_Int32>(members->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, Adesk_Int32 index, ads_name entity) {
    const auto* members = membersOf(ss);
    if (members == nullptr || entity == nullptr || index < 0 || static_cast<std::size_t>(index) >= members->size()) return RTERROR;
    entity[0] = (*members)[static_cast<std::size_t>(index)];
    entity[1] = 0;
    return RTNORM;
}

int acedSSSetKwordCallbackPtr(AcedSSCallbackFn callback) {
    Editor* e = editor();
    if (e == nullptr) return RTERROR;
    e->keywordCallback = callback;
    return RTNORM;
}

int acedSSGetKwordCallbackPtr(AcedSSCallbackFn* callback) {
    Editor* e = editor();
    if (e == nullptr || callback == nullptr) return RTERROR;
    *callback = e->keywordCallback;
    return RTNORM;
}

int acedSSSetOtherCallbackPtr(AcedSSCallbackFn callback) {
    Editor* e = editor();
    if (e == nullptr) return RTERROR;
    e->otherCallback = callback;
    return RTNORM;
}

int acedSSGetOtherCallbackPtr(AcedSSCallbackFn* callback) {
    Editor* e = editor();
    if (e == nullptr || callback == nullptr) return RTERROR;
    *callback = e->otherCallback;
    return RTNORM;
}
