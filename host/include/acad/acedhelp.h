// The host's help viewer.
#pragma once

#include "acad/adscodes.h"

constexpr int HELP_CONTENTS = 0x0003;
constexpr int HELP_PARTIALKEY = 0x0105;

// Opens the help file at the topic; a null or empty file opens the host's own help. RTNORM,
// or RTERROR when the viewer cannot be opened.
int acedHelp(const ACHAR* helpFile, const ACHAR* topic, int command);
