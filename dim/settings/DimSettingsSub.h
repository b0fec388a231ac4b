// The second and third pages of the dimension settings.
#pragma once

#include "dim/settings/property_page.h"

namespace vexa::dim {

class DimSettingsSub : public PropertyPage {
public:
    DimSettingsSub(PageProperties& page, const std::vector<std::wstring>& texts);
};

}  // namespace vexa::dim
