// The text height the cursor's place asks for, and the feedback text that shows it.
#pragma once

#include <string>

namespace vexa::dim {

// dx is the cursor's world X less the base point's: to the right the height grows by dx / 20,
// to the left it shrinks as default / (1 - dx / 20), so it never reaches 0.
double heightAt(double defaultHeight, double dx);

// "%." + the units precision + "f", as the host's system variable LUPREC gives it (0 to 8).
std::wstring numberFormat(int unitsPrecision);

// "<- " + the height in the format + " +>".
std::wstring feedbackText(double height, const std::wstring& format);

}  // namespace vexa::dim
