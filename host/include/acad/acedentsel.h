// Single picks of the host's editor: one entity at a prompt, or the innermost entity under it.
#pragma once

#include "acad/adscodes.h"

// Asks with the prompt (null: "Select object: ") for one pick. RTNORM with the entity and the
// picked point; RTCAN on ESC; RTERROR with ERRNO 7 for a pick on nothing and 52 for Enter.
// An attribute of a block reference picks the reference.
int acedEntSel(const ACHAR* prompt, ads_name entity, ads_point point);

// As acedEntSel, but answers the nested entity: an attribute of a block reference comes back
// itself (with no matrix and no references, *refstk null); any other entity with the identity
// matrix. refstk may be null; a list given back is the caller's to release.
int acedNEntSel(const ACHAR* prompt, ads_name entity, ads_point point, ads_point xform[4], resbuf** refstk);
