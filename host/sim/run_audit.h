// The audit at the end of a run: what the scripted user or a test prepared and nothing used.
#pragma once

namespace vexa::sim {

class Host;

// Records as faults the user's acts still queued (a scenario expecting no dialog must not pass
// by accident), the armed failures no call reached, and the files AutoLISP left open (closed).
void auditRunEnd(Host& host);

}  // namespace vexa::sim
