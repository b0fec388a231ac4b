#include "frame/option_dialog.h"
#include "solid3d/SolidToViewsDlg.h"
#include "solid3d/views_functions.h"

namespace vexa::solid3d {

int viewsDlg(resbuf* args) {
    return frame::runOptionDialog<SolidToViewsDlg>(readViewsChoice(args),
                                                   [](const ViewsChoice& choice) { acedRetInt(viewsChoiceResult(choice)); });
}

}  // namespace vexa::solid3d
