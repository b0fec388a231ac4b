// The internet cache's calls, on the current host's machine.
#include "sim/host.h"
#include "sim/win/wininet/url_cache.h"
#include "win/wininet.h"

BOOL WINAPI DeleteUrlCacheEntryW(LPCWSTR url) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    if (host == nullptr || url == nullptr) return FALSE;
    return vexa::sim::win::UrlCache(host->drives()).remove(url) ? TRUE : FALSE;
}
