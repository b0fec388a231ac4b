// Command "VexaActivateDWG": brings an open drawing to the front by its full path.
#pragma once

namespace vexa::ordo {
void activateDwg();
}
