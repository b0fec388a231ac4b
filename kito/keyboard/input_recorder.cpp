#include "kito/keyboard/input_recorder.h"

#include "acad/aced.h"
#include "acad/acedwinmsg.h"

namespace vexa::kito {

namespace {

struct RecorderState {
    bool registered = false;
    int message = 0;
    int wParam = 0;
    int lParam = 0;
};

RecorderState state;

BOOL recordMessage(MSG* message) {
    switch (message->message) {
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        state.message = static_cast<int>(message->message);
        state.wParam = static_cast<int>(message->wParam);
        state.lParam = static_cast<int>(message->lParam);
        break;
    default: break;
    }
    return FALSE;
}

}  // namespace

void startRecording() {
    state.message = 0;
    state.wParam = 0;
    if (state.registered) return;
    state.registered = acedRegisterFilterWinMsg(recordMessage) != FALSE;
    if (!state.registered) acutPrintf(L"\nCan't register Windows Msg hook.");
}

void stopRecording() {
    if (!state.registered) return;
    acedRemoveFilterWinMsg(recordMessage);
    state.registered = false;
}

RecordedMessage lastRecorded() { return {state.message, state.wParam, state.lParam}; }

void resetRecorder() {
    stopRecording();
    state = RecorderState{};
}

}  // namespace vexa::kito
