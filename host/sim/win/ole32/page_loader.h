// Where the web browser gets a page: res:// from a loaded module's HTML resources, file:// and
// local Windows paths from the simulated machine's drives, http:// and https:// over the network.
#pragma once

#include <string>

namespace vexa::sim {
class Host;
}

namespace vexa::sim::win {

struct LoadedPage {
    bool found = false;
    std::string bytes;
    std::wstring failure;  // why nothing was loaded
};

LoadedPage loadPage(Host& host, const std::wstring& address);

}  // namespace vexa::sim::win
