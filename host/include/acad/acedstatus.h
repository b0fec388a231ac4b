// The host's status bar: a progress meter that the application's long work shows in it.
#pragma once

#include "acad/adscodes.h"

// Replaces the status bar's text by a labelled meter from min to max; 0 on success, -1 when refused.
int acedSetStatusBarProgressMeter(const ACHAR* label, int minimum, int maximum);
// A positive position sets the meter, a negative one moves it on by that much; 0 on success.
int acedSetStatusBarProgressMeterPos(int position);
// Removes the meter and shows the status bar's own text again.
void acedRestoreStatusBar();
