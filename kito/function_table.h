// VexaKito's AutoLISP functions; a function's position is its function code.
#pragma once

#include <span>

#include "frame/plugin_tables.h"

namespace vexa::kito {
std::span<const frame::LispFunction> functionTable();
}
