#include "sim/editor/view_commands.h"

#include <cmath>
#include <optional>
#include <sstream>

#include "db/entity_geometry.h"
#include "sim/host.h"

namespace vexa::sim::editor {

namespace {

// What the user typed at a view prompt: a point, a number, or a word.
struct Answer {
    bool cancelled = true;
    std::wstring text;
};

Answer ask(const wchar_t* prompt) {
    const PromptResult result = Host::current()->promptString(false, prompt);
    return {result.status != RTNORM, upperCase(result.text)};
}

std::optional<db::Point2> pointOf(const std::wstring& text) {
    std::wistringstream in(text);
    double x = 0.0;
    double y = 0.0;
    wchar_t comma = 0;
    if (!(in >> x >> comma >> y) || comma != L',') return std::nullopt;
    double z = 0.0;
    if (in >> comma && comma == L',') in >> z;
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    return db::Point2{x, y};
}

std::optional<double> numberOf(const std::wstring& text, std::wstring_view suffix = {}) {
    std::wistringstream in(text);
    double value = 0.0;
    std::wstring rest;
    if (!(in >> value) || !std::isfinite(value) || value <= 0.0) return std::nullopt;
    std::getline(in, rest);
    if (rest != suffix) return std::nullopt;
    return value;
}

// The current viewport, to be changed in place.
std::optional<Viewport> currentView() {
    const Viewport* current = Host::current()->editor().currentViewport();
    return current != nullptr ? std::optional<Viewport>(*current) : std::nullopt;
}

void setView(const Viewport& view, db::Point2 center, double pixelsPerUnit) {
    Host::current()->editor().viewports().setView(view.number, center, pixelsPerUnit);
}

void zoomWindow(const Viewport& view, db::Point2 first, db::Point2 second) {
    const double width = std::abs(second.x - first.x);
    const double height = std::abs(second.y - first.y);
    if (width <= 0.0 && height <= 0.0) return;
    const double across = view.pixels.right - view.pixels.left;
    const double down = view.pixels.bottom - view.pixels.top;
    const double scale = std::min(width > 0.0 ? across / width : INFINITY, height > 0.0 ? down / height : INFINITY);
    setView(view, {(first.x + second.x) / 2.0, (first.y + second.y) / 2.0}, scale);
}

void zoomExtents(const Viewport& view) {
    const db::Database& database = Host::current()->documents().current()->database();
    std::optional<db::Box> extents;
    for (const db::Entity* entity = database.firstEntity(); entity != nullptr; entity = database.entityAfter(entity->id)) {
        if (entity->erased) continue;
        for (const db::Point2& point : db::outlineOf(*entity)) {
            if (!extents) extents = db::Box{point, point};
            extents->low = {std::min(extents->low.x, point.x), std::min(extents->low.y, point.y)};
            extents->high = {std::max(extents->high.x, point.x), std::max(extents->high.y, point.y)};
        }
    }
    if (!extents) return;
    // A little air around the drawing, as the host leaves it.
    const double airX = std::max((extents->high.x - extents->low.x) * 0.025, 0.5);
    const double airY = std::max((extents->high.y - extents->low.y) * 0.025, 0.5);
    zoomWindow(view, {extents->low.x - airX, extents->low.y - airY}, {extents->high.x + airX, extents->high.y + airY});
}

// "2X" magnifies the current view; a plain factor is relative to the first view's ten pixels a unit.
bool zoomScale(const Viewport& view, const std::wstring& text) {
    if (const std::optional<double> relative = numberOf(text, L"X")) {
        setView(view, view.center, view.pixelsPerUnit * *relative);
        return true;
    }
    if (const std::optional<double> absolute = numberOf(text)) {
        setView(view, view.center, 10.0 * *absolute);
        return true;
    }
    return false;
}

void zoomCenter(const Viewport& view) {
    Answer answer = ask(L"Specify center point: ");
    const std::optional<db::Point2> center = answer.cancelled ? std::nullopt : pointOf(answer.text);
    if (!center) return;
    answer = ask(L"Enter magnification or height: ");
    if (answer.cancelled) return;
    if (answer.text.empty()) {
        setView(view, *center, view.pixelsPerUnit);
    } else if (const std::optional<double> relative = numberOf(answer.text, L"X")) {
        setView(view, *center, view.pixelsPerUnit * *relative);
    } else if (const std::optional<double> height = numberOf(answer.text)) {
        setView(view, *center, (view.pixels.bottom - view.pixels.top) / *height);
    }
}

void zoomCommand() {
    const std::optional<Viewport> view = currentView();
    if (!view) return;
    const Answer answer = ask(L"Specify corner of window, enter a scale factor (nX or nXP), or\n"
                              L"[All/Center/Extents/Scale/Window] <real time>: ");
    if (answer.cancelled || answer.text.empty()) return;
    const std::wstring& option = answer.text;
    if (option == L"W" || option == L"WINDOW" || pointOf(option)) {
        std::optional<db::Point2> first = pointOf(option);
        if (!first) {
            const Answer corner = ask(L"Specify first corner: ");
            first = corner.cancelled ? std::nullopt : pointOf(corner.text);
        }
        const Answer opposite = first ? ask(L"Specify opposite corner: ") : Answer{};
        const std::optional<db::Point2> second = opposite.cancelled ? std::nullopt : pointOf(opposite.text);
        if (first && second) zoomWindow(*view, *first, *second);
    } else if (option == L"E" || option == L"EXTENTS" || option == L"A" || option == L"ALL") {
        zoomExtents(*view);
    } else if (option == L"C" || option == L"CENTER") {
        zoomCenter(*view);
    } else if (option == L"S" || option == L"SCALE") {
        const Answer factor = ask(L"Enter a scale factor (nX or nXP): ");
        if (!factor.cancelled && !zoomScale(*view, factor.text)) Host::current()->commandLine().print(L"Requires a positive number.\n");
    } else if (!zoomScale(*view, option)) {
        Host::current()->commandLine().print(L"Invalid option keyword.\n");
    }
}

void panCommand() {
    const std::optional<Viewport> view = currentView();
    if (!view) return;
    const Answer base = ask(L"Specify base point or displacement: ");
    const std::optional<db::Point2> from = base.cancelled ? std::nullopt : pointOf(base.text);
    if (!from) return;
    const Answer second = ask(L"Specify second point or <use first point as displacement>: ");
    if (second.cancelled) return;
    std::optional<db::Point2> to = second.text.empty() ? std::optional<db::Point2>(db::Point2{from->x * 2.0, from->y * 2.0})
                                                       : pointOf(second.text);
    if (!to) return;
    // The drawing moves by the displacement, so the view's centre moves the other way.
    setView(*view, {view->center.x - (to->x - from->x), view->center.y - (to->y - from->y)}, view->pixelsPerUnit);
}

void vportsCommand() {
    Host& host = *Host::current();
    Viewports& viewports = host.editor().viewports();
    if (viewports.inLayout()) {
        const Answer answer = ask(L"Specify corner of viewport or [Fit/2/3/4] <Fit>: ");
        if (answer.cancelled) return;
        const int count = answer.text.empty() || answer.text == L"F" || answer.text == L"FIT" ? 1
                          : answer.text == L"2" ? 2 : answer.text == L"3" ? 3 : answer.text == L"4" ? 4 : 0;
        if (count == 0) {
            host.commandLine().print(L"Invalid option keyword.\n");
            return;
        }
        viewports.makeFloating(count);
        host.sysvars().force(L"CVPORT", kPaperSpace);
        return;
    }
    const Answer answer = ask(L"Enter an option [SIngle/2/3/4] <3>: ");
    if (answer.cancelled) return;
    const int count = answer.text == L"SI" || answer.text == L"SINGLE" ? 1
                      : answer.text.empty() || answer.text == L"3" ? 3 : answer.text == L"2" ? 2 : answer.text == L"4" ? 4 : 0;
    if (count == 0) {
        host.commandLine().print(L"Invalid option keyword.\n");
        return;
    }
    viewports.tile(count);
    host.sysvars().force(L"CVPORT", viewports.all().front().number);
}

void modelSpaceCommand() {
    Host& host = *Host::current();
    const Viewports& viewports = host.editor().viewports();
    if (!viewports.inLayout()) {
        host.commandLine().print(L"** Command not allowed in Model Tab **\n");
    } else if (viewports.all().size() < 2) {
        host.commandLine().print(L"There are no active model space viewports.\n");
    } else {
        host.editor().setCurrentViewport(viewports.all()[1].number);
    }
}

void paperSpaceCommand() {
    Host& host = *Host::current();
    if (!host.editor().viewports().inLayout()) host.commandLine().print(L"** Command not allowed in Model Tab **\n");
    else host.editor().setCurrentViewport(kPaperSpace);
}

}  // namespace

void registerViewCommands(CommandStack& commands) {
    AcEdCommandStack& stack = commands;
    stack.addCommand(L"ACAD_MAIN", L"-VPORTS", L"-VPORTS", ACRX_CMD_MODAL, vportsCommand);
    stack.addCommand(L"ACAD_MAIN", L"ZOOM", L"ZOOM", ACRX_CMD_TRANSPARENT, zoomCommand);
    stack.addCommand(L"ACAD_MAIN", L"-PAN", L"-PAN", ACRX_CMD_TRANSPARENT, panCommand);
    stack.addCommand(L"ACAD_MAIN", L"MSPACE", L"MSPACE", ACRX_CMD_MODAL, modelSpaceCommand);
    stack.addCommand(L"ACAD_MAIN", L"PSPACE", L"PSPACE", ACRX_CMD_MODAL, paperSpaceCommand);
}

}  // namespace vexa::sim::editor
