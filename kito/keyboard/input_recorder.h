// The recorder of "Vexa-grRead": a host message filter that keeps the last key-down or
// mouse-button-up of the host's own loop and never drops anything.
#pragma once

namespace vexa::kito {

struct RecordedMessage {
    int message = 0;
    int wParam = 0;
    int lParam = 0;
};

// Clears the last message and registers the recorder if it is not registered yet.
void startRecording();
void stopRecording();
RecordedMessage lastRecorded();

// Unregisters and forgets everything, as at load.
void resetRecorder();

}  // namespace vexa::kito
