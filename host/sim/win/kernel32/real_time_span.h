// GetTickCount's clock is the simulated one, except while a call blocks on the network: then
// real time passes, and what passed is added to the simulated clock when the call ends.
#pragma once

#include "win/handles.h"

namespace vexa::sim::win {

class WindowSystem;

class RealTimeSpan {
public:
    explicit RealTimeSpan(WindowSystem& windows);
    ~RealTimeSpan();
    RealTimeSpan(const RealTimeSpan&) = delete;
    RealTimeSpan& operator=(const RealTimeSpan&) = delete;

    // Real milliseconds passed in the span open now; 0 when none is.
    static DWORD passed();

private:
    WindowSystem& windows_;
    bool outermost_;
};

}  // namespace vexa::sim::win
