// VexaOrdo's AutoLISP functions; a function's position is its function code.
#pragma once

#include <span>

#include "frame/plugin_tables.h"

namespace vexa::ordo {

enum FunctionCode : int { kSelLayToolTip = 20, kSwLayBand = 21 };

std::span<const frame::LispFunction> functionTable();

}  // namespace vexa::ordo
