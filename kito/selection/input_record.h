// The input record of "Vexa-SSGet": the key presses and the clicks in the current viewport made
// while its selection prompt was open, read back by "Vexa-ssgetRec".
#pragma once

namespace vexa::kito {

// Forgets the previous record, starts a new one and registers the recorder.
void startInputRecord();
// Removes the recorder; the record stays until the next start.
void finishInputRecord();
// The record as a list of (256 key) and (message point) sublists; nil before any record.
void returnInputRecord();
// Removes the recorder and forgets the record, as at load.
void resetInputRecord();

}  // namespace vexa::kito
