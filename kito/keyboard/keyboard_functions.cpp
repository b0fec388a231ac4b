#include "kito/keyboard/keyboard_functions.h"

#include <optional>

#include "acad/aced.h"
#include "frame/resbuf_chain.h"
#include "kito/keyboard/esc_control.h"
#include "kito/keyboard/input_recorder.h"
#include "kito/usage_texts.h"
#include "win/winuser.h"

namespace vexa::kito {

namespace {

// The mode argument: only a 16-bit integer counts.
std::optional<int> modeOf(const resbuf* args) {
    if (args == nullptr || args->restype != RTSHORT) return std::nullopt;
    return args->resval.rint;
}

}  // namespace

int disableEsc(resbuf* args) {
    if (args == nullptr) {
        printUsage(disableEscUsage());
        acedRetVoid();
        return RTNORM;
    }
    const std::optional<int> mode = modeOf(args);
    if (!mode) {
        removeAllEscHooks();
        acedRetNil();
        return RTNORM;
    }
    if (*mode >= 0) storeEscMode(*mode);
    switch (*mode) {
    case -1: acedRetInt(storedEscMode()); return RTNORM;
    case -2: clearCapturedKey(); break;
    case 1: installEscFilter(); break;
    case 2: installThreadEscHook(); break;
    case 3:
    case 4:
    case 5: installLowLevelEscHook(); break;
    default: removeAllEscHooks(); break;
    }
    acedRetNil();
    return RTNORM;
}

int readKeyboard(resbuf*) {
    int key = 0;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The host's request to quit is not ours to take: it goes back for the host's loop.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_KEYDOWN) key = static_cast<int>(message.wParam);
        DispatchMessageW(&message);
    }
    if (capturedKey() != 0) {
        key = capturedKey();
        clearCapturedKey();
    }
    acedRetInt(key);
    return RTNORM;
}

int grRead(resbuf* args) {
    if (args == nullptr) {
        printUsage(grReadUsage());
        acedRetVoid();
        return RTNORM;
    }
    const std::optional<int> mode = modeOf(args);
    if (mode == 0) {
        stopRecording();
    } else if (mode == 1) {
        startRecording();
    } else if (mode == 2) {
        const RecordedMessage last = lastRecorded();
        frame::ListBuilder list;
        list.integer(static_cast<short>(last.message)).integer(static_cast<short>(last.wParam));
        list.returnResult();
        return RTNORM;
    }
    acedRetNil();
    return RTNORM;
}

}  // namespace vexa::kito
