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
int acedGetVar(const ACHAR* name, resbuf* result);
int acedSetVar(const ACHAR* name, const resbuf* value);

void acdbFail(const ACHAR* message);
