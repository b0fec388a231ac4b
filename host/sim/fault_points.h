// Where a host service asks whether an armed fault makes this call of it fail.
#pragma once

#include <string>
#include <string_view>

namespace vexa::sim {

class Host;

// Counts one call of the service on the current host; true when the call is to fail.
bool serviceFails(const wchar_t* service);

// Arms a failure as a user file or the command line names it: "acedInvoke" or "acedInvoke:3"
// (the third call fails). Throws std::invalid_argument for a service no call asks about.
void armFault(Host& host, std::wstring_view service, int nth = 1);
void armFaultFromText(Host& host, std::wstring_view serviceAndCall);

}  // namespace vexa::sim
