#include "frame/doc_data.h"

// The plug-in's per-document data manager, alive while the module is loaded.
AcApDataManager<CDocData> DocVars;
