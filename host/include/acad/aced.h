// AutoLISP boundary, command line and prompts of the host's editor.
#pragma once

#include <cstddef>

#include "acad/adscodes.h"

resbuf* acutNewRb(int type);
int acutRelRb(resbuf* rb);
// Type/value pairs ended by 0 or RTNONE; strings, points and names are copied.
resbuf* acutBuildList(int type, ...);
ACHAR* acutNewString(const ACHAR* text);
void acutDelString(ACHAR*& text);
// Formats like the host: %s and %c take wide arguments.
int acutPrintf(const ACHAR* format, ...);

int acedRetList(const resbuf* rb);
int acedRetVal(const resbuf* rb);
int acedRetStr(const ACHAR* text);
int acedRetInt(int value);
int acedRetReal(ads_real value);
int acedRetPoint(const ads_point point);
int acedRetName(const ads_name name, int type);
int acedRetT();
int acedRetNil();
int acedRetVoid();

int acedDefun(const ACHAR* name, short code);
int acedUndef(const ACHAR* name, short code);
int acedGetFunCode();
resbuf* acedGetArgs();
int acedInvoke(const resbuf* args, resbuf** result);

// Runs a host command: type/value pairs ended by 0 or RTNONE, the first an RTSTR naming the
// command, the rest its inputs (RTSTR, RTSHORT, RTLONG, RTREAL).
int acedCommand(int type, ...);

int acedGetStringB(int cronly, const ACHAR* prompt, ACHAR* result, std::size_t bufferSize);

// Control bits and keywords for the next get call only: 1 no Enter, 2 no zero, 4 no negative,
// 32 dashed rubber band, 64 plane distance, 128 arbitrary input. RTNORM or RTERROR.
int acedInitGet(int val, const ACHAR* kwl);
// Each answers RTNORM, RTNONE (Enter), RTCAN (ESC) or RTKWORD (acedGetInput gives the keyword).
// pt is the base point (nullptr: none).
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// The keyword's global name; RTINPUTTRUNCATED when it does not fit.
int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t bufferSize);
// The keyword or arbitrary text of the last get call that answered RTKWORD.
int acedGetInput(ACHAR* result, std::size_t bufferSize);
int acedGetVar(const ACHAR* name, resbuf* result);
int acedSetVar(const ACHAR* name, const resbuf* value);

void acdbFail(const ACHAR* message);
