// The series code dialog: group and serial-number lengths, refused when a group has no serial number.
#pragma once

#include "acad/acui.h"
#include "ordo/layers/series_code.h"

class OrdoMnSN : public CAdUiBaseDialog {
public:
    explicit OrdoMnSN(const vexa::ordo::SeriesCode& code);

    int groupLength() const { return groupLength_; }
    int serialLength() const { return serialLength_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    std::optional<std::vector<std::wstring>> captions_;
    int groupLength_;
    int serialLength_;
};

namespace vexa::ordo {
// Asks the product for the series code, shows the dialog and hands an accepted code back.
void editSeriesCode(CWnd* parent);
}  // namespace vexa::ordo
