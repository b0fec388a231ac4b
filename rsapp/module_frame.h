// The frame of a service / local COM server module that the restart program carries. It holds
// no COM classes and does no registry or service work: the product only ever runs the restart.
#pragma once

#include <string_view>

namespace vexa::rsapp {

enum class FrameAction { Run, RegisterServer, UnregisterServer, RegisterServerPerUser, UnregisterServerPerUser, InstallService };

// The first switch ("-" or "/" at the start of a blank-separated token, any case) that the
// frame knows; Run when there is none.
FrameAction frameAction(std::wstring_view processCommandLine);

class CVexaRsAppModule {
public:
    // The program's exit code.
    int WinMain(std::wstring_view processCommandLine) const;
};

}  // namespace vexa::rsapp
