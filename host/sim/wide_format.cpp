#include "sim/wide_format.h"

#include <cwchar>
#include <vector>

namespace vexa::sim {

namespace {

// Rewrites %s/%c as %ls/%lc; explicit h/l size prefixes are left as written.
std::wstring portableFormat(const wchar_t* format) {
    std::wstring out;
    for (const wchar_t* p = format; *p != L'\0'; ++p) {
        out += *p;
        if (*p != L'%') continue;
        ++p;
        while (*p != L'\0' && std::wcschr(L"-+ #0123456789.*", *p) != nullptr) out += *p++;
        if (*p == L'\0') break;
        if (*p == L's' || *p == L'c') out += L'l';
        out += *p;
    }
    return out;
}

}  // namespace

std::wstring formatWide(const wchar_t* format, std::va_list arguments) {
    if (format == nullptr) return {};
    const std::wstring fixed = portableFormat(format);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        std::va_list copy;
        va_copy(copy, arguments);
        const int written = std::vswprintf(buffer.data(), buffer.size(), fixed.c_str(), copy);
        va_end(copy);
        if (written >= 0) return std::wstring(buffer.data(), static_cast<std::size_t>(written));
        if (buffer.size() > (1u << 24)) return {};
        buffer.resize(buffer.size() * 4);
    }
}

}  // namespace vexa::sim
