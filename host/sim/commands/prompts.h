// The host's one way of reading points, distances, keywords and numbers at a prompt: its own
// commands, the SDK's get functions and AutoLISP's all ask through readInput.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "acad/adscodes.h"
#include "sim/commands/input_options.h"
#include "db/records.h"

namespace vexa::sim {

class Host;

struct InputRequest {
    // An angle is typed in degrees or shown by a point from the base; answered in radians.
    enum class Kind { Point, Distance, Angle, Keyword, Integer, Real };
    Kind kind = Kind::Point;
    const wchar_t* prompt = nullptr;
    // The distance's or angle's first point (a rubber band starts there); none: two points or a
    // number.
    std::optional<db::Point3> base{};
    InputOptions::Pending options{};
};

struct InputAnswer {
    // RTNORM, RTNONE (Enter), RTCAN (ESC), RTKWORD (a keyword or arbitrary text in `keyword`).
    int status = RTCAN;
    db::Point3 point{};
    double real = 0.0;
    int integer = 0;
    // The keyword's global name (also getkword's answer), or the text typed.
    std::wstring keyword{};
};

// Asks until the input is one the request takes: a refused one prints the host's message and the
// prompt again. A point typed at the keyboard or picked reaches the input-point monitors before
// the answer returns, as the host's final point.
InputAnswer readInput(Host& host, const InputRequest& request);

// "x,y" or "x,y,z". An object-snap override ("_none", "end" …) is taken and the prompt asked
// again; nothing on Enter or ESC.
std::optional<db::Point3> promptPoint(Host& host, const wchar_t* prompt);

// A positive number or the distance between two points; nothing on Enter or ESC.
std::optional<double> promptDistance(Host& host, const wchar_t* prompt);

// A file name as typed (spaces allowed) and the file it names, a Windows path of the machine or a
// host path; nothing on Enter or ESC.
struct TypedFile {
    std::wstring name;
    std::filesystem::path file;
};
std::optional<TypedFile> promptFileName(Host& host, const wchar_t* prompt);

}  // namespace vexa::sim
