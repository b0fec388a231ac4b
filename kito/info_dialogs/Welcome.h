// The splash window: the product's picture, without caption, while the product loads.
#pragma once

#include "kito/keep_focus_dialog.h"

namespace vexa::kito {

class Welcome : public KeepFocusDialog<1> {
public:
    Welcome();
};

// The one splash window of the process, from mode 1 to mode 0.
void openSplash();
void closeSplash();

}  // namespace vexa::kito
