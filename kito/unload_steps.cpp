#include "kito/unload_steps.h"

#include "kito/info_dialogs/Welcome.h"
#include "kito/keyboard/esc_control.h"
#include "kito/keyboard/input_recorder.h"
#include "kito/message_boxes/button_relabel_hook.h"
#include "kito/message_boxes/notice_window.h"
#include "kito/progress/RunningDlg.h"
#include "kito/progress/VideoHelpDlg.h"
#include "kito/selection/input_record.h"
#include "kito/viewports/viewport_watcher.h"

namespace vexa::kito {

// The state goes back to what a fresh load has, since the module may stay mapped after unloading.
void releaseProcessState() {
    resetEscControl();
    resetRecorder();
    removeRelabelHook();
    resetInputRecord();
    closeNotice();
    stopViewportWatch();
    // No window may outlive the code of its window procedure.
    closeRunning();
    closeSplash();
    destroyVideoHelp();
}

}  // namespace vexa::kito
