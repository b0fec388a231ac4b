// The host's colour and linetype drop-down lists (AcUi), as the dialogs of the plug-ins use them.
#pragma once

#include <vector>

#include "acad/accmcolor.h"
#include "win/afxwin.h"

// Standard index colours 1 to 7, then the recently used colours; by-layer and by-block
// entries come first unless switched off before the list is subclassed.
class CAcUiTrueColorComboBox : public CComboBox {
public:
    void SetUseByLayer(BOOL use) { useByLayer_ = use != FALSE; }
    void SetUseByBlock(BOOL use) { useByBlock_ = use != FALSE; }
    // Adds the colour after the standard entries unless an entry shows it already; its index.
    int AddColorToMRU(const AcCmColor& color);
    // The entry that shows the colour, or -1.
    int FindItemByColor(const AcCmColor& color) const;
    // The colour of the selected entry (by layer when none is selected).
    void GetCurrentItemColor(AcCmColor& color) const;
    AcCmColor GetCurrentItemColor() const;
    // The colour an entry shows (by layer for an entry added as a plain string).
    AcCmColor GetItemColor(int index) const;

protected:
    void PreSubclassWindow() override;

private:
    int addEntry(const AcCmColor& color);
    // The colour an entry shows, or null for an entry added as a plain string.
    const AcCmColor* entryColour(int index) const;

    bool useByLayer_ = true;
    bool useByBlock_ = true;
    std::vector<AcCmColor> colors_;
};

// The current drawing's linetypes, with by-layer and by-block entries first and an entry for
// further linetypes last, each switchable before the list is subclassed.
class CAcUiLineTypeComboBox : public CComboBox {
public:
    void SetUseByLayer(BOOL use) { useByLayer_ = use != FALSE; }
    void SetUseByBlock(BOOL use) { useByBlock_ = use != FALSE; }
    void SetUseOther(BOOL use) { useOther_ = use != FALSE; }

protected:
    void PreSubclassWindow() override;

private:
    bool useByLayer_ = true;
    bool useByBlock_ = true;
    bool useOther_ = true;
};
