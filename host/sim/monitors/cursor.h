// The cursor of the drawing view: each move of the scripted user calls the monitors of the
// current drawing and logs what they show.
#pragma once

#include <optional>
#include <string>

#include "monitors/transient_graphics.h"
#include "sim/user/user_input.h"
#include "win/winuser.h"

namespace vexa::sim {

class Host;

namespace monitors {

class Cursor {
public:
    explicit Cursor(Host& host) : host_(host) {}
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // One input event as the host hands it to the monitors; point is valid when computed.
    struct InputPoint {
        bool computed = true;
        int history = 0;
        db::Point3 point;
    };

    // The mouse moves to a world point of the current viewport.
    void moveTo(const db::Point3& world);
    // To a client pixel of the drawing view; outside every viewport the host computes no point.
    void moveToPixel(POINT pixel);
    // SetCursorPos: the mouse goes to a screen point; over the drawing view the monitors see a
    // move at that pixel.
    void place(POINT screen);
    // The cursor as the `cursor` act prints it: its pixel in the drawing view and its world point.
    std::wstring describePlace() const;
    // Calls every monitor attached in the current drawing, in the order they were added, and
    // logs the frame; with forced picking on they get the entities under the pick box.
    void report(InputPoint input);

    // The scripted user's cursor acts at a prompt: a move, or printing the last frame on the
    // command line.
    void perform(const PromptAnswer& act);

    GraphicsLog& log() { return log_; }

private:
    std::optional<db::Point3> worldAt(POINT pixel) const;
    POINT viewPixel() const;
    std::wstring describeHighlighted() const;

    Host& host_;
    GraphicsLog log_;
};

}  // namespace monitors
}  // namespace vexa::sim
