// The plug-ins' per-document record, kept by the SDK's data manager.
#pragma once

#include "acad/AcApDMgr.h"

// The plug-ins keep no per-document data; the record exists so a later need has a home.
struct CDocData {};
