// The host's object selection: selection sets and the selection prompt with its callbacks.
#pragma once

#include "acad/adscodes.h"

// Mode letters: ":$" prompts given (pt1 points to two strings, the select and the remove prompt),
// ":S" single selection, ":E" everything in the pick box, ":K" keyword callback (pt2 is the
// keyword string "local _ global"), ":?" other-input callback; "W" and "C" with two corner
// points, "WP", "CP" and "F" with a chain of point result buffers in pt1, "X" the whole
// drawing, "L" the last object, "P" the previous selection; a "_" prefix is allowed. No mode
// with pt1 picks at that point. RTNORM with the set in ss, RTCAN on ESC, RTERROR otherwise
// (the system variable ERRNO tells why).
int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSFree(const ads_name ss);
int acedSSLength(const ads_name ss, Adesk_Int32* length);
// The entity at a position of the set, from 0.
int acedSSName(const ads_name ss, Adesk_Int32 index, ads_name entity);

// Called with the keyword or the text the user typed at a selection prompt. A null result goes
// on with the prompt; a result the host takes and releases: RTPICKS adds that set's objects,
// RTSTR is printed, RTCAN ends the prompt as ESC does.
using AcedSSCallbackFn = resbuf* (*)(const ACHAR* text);
int acedSSSetKwordCallbackPtr(AcedSSCallbackFn callback);
int acedSSGetKwordCallbackPtr(AcedSSCallbackFn* callback);
int acedSSSetOtherCallbackPtr(AcedSSCallbackFn callback);
int acedSSGetOtherCallbackPtr(AcedSSCallbackFn* callback);
