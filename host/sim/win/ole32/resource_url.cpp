#include "sim/win/ole32/resource_url.h"

#include <cwctype>

#include "sim/system_variables.h"

namespace vexa::sim::win {

namespace {

bool allDigits(std::wstring_view text) {
    if (text.empty() || text.size() > 5) return false;
    for (wchar_t c : text) {
        if (!std::iswdigit(static_cast<wint_t>(c))) return false;
    }
    return true;
}

ResourceId resourceIdOf(std::wstring_view text) {
    if (text.starts_with(L'#')) text.remove_prefix(1);
    if (allDigits(text)) {
        const unsigned long value = std::stoul(std::wstring(text));
        if (value <= 0xFFFF) return ResourceId::of(static_cast<WORD>(value));
    }
    return ResourceId::of(upperCase(text));
}

}  // namespace

std::optional<ResourceUrl> parseResourceUrl(std::wstring_view address) {
    constexpr std::wstring_view scheme = L"res://";
    if (address.size() < scheme.size() || upperCase(address.substr(0, scheme.size())) != L"RES://") return std::nullopt;
    address.remove_prefix(scheme.size());
    const std::size_t last = address.rfind(L'/');
    if (last == std::wstring_view::npos || last == 0 || last + 1 == address.size()) return std::nullopt;
    ResourceUrl url;
    url.name = resourceIdOf(address.substr(last + 1));
    std::wstring_view module = address.substr(0, last);
    // A type between the module and the name is a number ("23" or "#23"); module paths may
    // use either slash.
    const std::size_t typeSlash = module.rfind(L'/');
    const std::wstring_view typeText = typeSlash != std::wstring_view::npos ? module.substr(typeSlash + 1) : L"";
    if (typeSlash > 0 && typeSlash != std::wstring_view::npos && allDigits(typeText.starts_with(L'#') ? typeText.substr(1) : typeText)) {
        url.type = resourceIdOf(module.substr(typeSlash + 1));
        module = module.substr(0, typeSlash);
    }
    url.module = std::wstring(module);
    return url;
}

}  // namespace vexa::sim::win
