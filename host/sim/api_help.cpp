// The host's help call: the viewer is not shown; each request is kept for tests and the transcript.
#include "acad/acedhelp.h"
#include "sim/host.h"

int acedHelp(const ACHAR* helpFile, const ACHAR* topic, int command) {
    vexa::sim::Host* host = vexa::sim::Host::current();
    if (host == nullptr) return RTERROR;
    const std::wstring file = helpFile != nullptr && *helpFile != L'\0' ? helpFile : L"acad.chm";
    const std::wstring shown = topic != nullptr ? topic : L"";
    host->helpRequests().push_back({file, shown, command});
    host->commandLine().print(L"\n[help \"" + file + L"\" at \"" + shown + L"\"]\n");
    return RTNORM;
}
