#include "dim/settings/DimSettingsSub.h"

#include "dim/settings/settings_resource.h"

namespace vexa::dim {

DimSettingsSub::DimSettingsSub(PageProperties& page, const std::vector<std::wstring>& texts)
    : PropertyPage(page, texts,
                   {IDC_SUB_LAYER, IDC_SUB_COLOR, IDC_SUB_LINETYPE, IDC_SUB_LAYER_LABEL, IDC_SUB_COLOR_LABEL,
                    IDC_SUB_LINETYPE_LABEL}) {}

}  // namespace vexa::dim
