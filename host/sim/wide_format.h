// printf-style formatting in which %s and %c take wide arguments, as the host's wide printf does.
#pragma once

#include <cstdarg>
#include <string>

namespace vexa::sim {
std::wstring formatWide(const wchar_t* format, std::va_list arguments);
}
