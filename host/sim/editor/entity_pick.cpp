// acedEntSel and acedNEntSel: one pick at the host's prompt, answered with the entity under it.
#include "acad/acedentsel.h"
#include "sim/editor/editor.h"
#include "sim/editor/selection_scope.h"
#include "sim/host.h"

namespace vexa::sim::editor {

int Editor::pickEntity(const ACHAR* prompt, bool nested, ads_name entity, ads_point point) {
    Document* document = host_.documents().current();
    const std::optional<SelectionFilter> filter = SelectionFilter::read(nullptr);
    if (document == nullptr || !filter || entity == nullptr || point == nullptr) return RTERROR;
    const std::wstring asked = prompt != nullptr ? prompt : L"Select object: ";
    host_.commandLine().print(L"\n" + asked);
    listening_ = true;
    pending_.clear();
    struct Listening {
        Editor& editor;
        ~Listening() {
            editor.listening_ = false;
            editor.pending_.clear();
        }
    } listening{*this};
    for (;;) {
        const EditorInput input = nextInput(asked);
        switch (input.kind) {
        case EditorInput::Kind::Abandoned:
        case EditorInput::Kind::Escape: host_.commandLine().print(L"*Cancel*\n"); return RTCAN;
        case EditorInput::Kind::RightClick:
            // A right click is Enter unless the command-mode shortcut menu is on.
            if (const auto menu = host_.variable(L"SHORTCUTMENU");
                menu && std::holds_alternative<int>(*menu) && (std::get<int>(*menu) & 4) != 0) {
                break;
            }
            [[fallthrough]];
        case EditorInput::Kind::Enter: host_.commandLine().print(L"\n"); return fail(kNullResponse);
        case EditorInput::Kind::Pick: {
            const SelectionScope scope(document->database(), *filter, true);
            db::ObjectId found = scope.nearestPart(input.world, pickReach());
            if (found == db::kNullId) {
                host_.commandLine().print(L"\n");
                return fail(kFailedPick);
            }
            if (!nested) {
                if (const db::Entity* picked = document->database().findEntity(found)) {
                    if (const db::ObjectId owner = db::ownerOfSubEntity(*picked)) found = owner;
                }
            }
            entity[0] = found;
            entity[1] = 0;
            point[0] = input.world.x;
            point[1] = input.world.y;
            point[2] = 0.0;
            host_.commandLine().print(L"\n");
            return RTNORM;
        }
        // Typed characters name no object here; the host waits for a pick.
        case EditorInput::Kind::Backspace:
        case EditorInput::Kind::Character: break;
        }
    }
}

}  // namespace vexa::sim::editor

namespace {

vexa::sim::editor::Editor* editor() {
    vexa::sim::Host* host = vexa::sim::Host::current();
    return host != nullptr ? &host->editor() : nullptr;
}

}  // namespace

int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point point) {
    vexa::sim::editor::Editor* e = editor();
    return e != nullptr ? e->pickEntity(prompt, false, entity, point) : RTERROR;
}

int acedNEntSel(const ACHAR* prompt, ads_name entity, ads_point point, ads_point xform[4], resbuf** refstk) {
    vexa::sim::editor::Editor* e = editor();
    if (refstk != nullptr) *refstk = nullptr;
    if (e == nullptr) return RTERROR;
    const int status = e->pickEntity(prompt, true, entity, point);
    // Without block definitions every nested pick is an attribute or a top-level entity: neither
    // has a chain of references, and the matrix is the identity.
    if (status == RTNORM && xform != nullptr) {
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column) xform[row][column] = row == column ? 1.0 : 0.0;
        }
    }
    return status;
}
