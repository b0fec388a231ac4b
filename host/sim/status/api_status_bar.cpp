// The host's status-bar calls, acting on the current host's status bar.
#include "acad/acedstatus.h"
#include "sim/host.h"

using vexa::sim::Host;

int acedSetStatusBarProgressMeter(const ACHAR* label, int minimum, int maximum) {
    Host* host = Host::current();
    return host != nullptr && host->statusBar().setMeter(label != nullptr ? label : L"", minimum, maximum) ? 0 : -1;
}

int acedSetStatusBarProgressMeterPos(int position) {
    Host* host = Host::current();
    return host != nullptr && host->statusBar().setPosition(position) ? 0 : -1;
}

void acedRestoreStatusBar() {
    if (Host* host = Host::current()) host->statusBar().restore();
}
