// How the drawing shows locked layers: the host's fading ("LayLockFadeCTL") and the opacity of
// the product's material for locked layers' 3D objects, read once and written as they change.
#pragma once

namespace vexa::frame {

class LockedLayerDisplay {
public:
    // Reads the drawing: the fading as the host keeps it (negative when fading is off, the
    // amount kept) and the material's opacity in per cent, 50 without the material.
    static LockedLayerDisplay read();

    int initialFading() const { return initialFading_; }
    int initialOpacity() const { return initialOpacity_; }

    // Puts the values into effect where they differ from those written last: the fading into
    // the variable; the opacity into the material (when it exists), then the host redraws.
    void write(int fading, int opacity);

private:
    LockedLayerDisplay(int fading, int opacity);

    int initialFading_;
    int initialOpacity_;
    int fadingWritten_;
    int opacityWritten_;
};

}  // namespace vexa::frame
