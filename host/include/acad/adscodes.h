// Result buffers and the type and status codes the host uses to pass AutoLISP values.
#pragma once

#include <cstdint>

using ACHAR = wchar_t;
using Adesk_Int32 = std::int32_t;
using Adesk_Int64 = std::int64_t;
using ads_real = double;
using ads_point = ads_real[3];
using ads_name = Adesk_Int64[2];
using ads_pointp = ads_real*;

enum : short {
    RTNONE = 5000, RTREAL = 5001, RTPOINT = 5002, RTSHORT = 5003, RTANG = 5004,
    RTSTR = 5005, RTENAME = 5006, RTPICKS = 5007, RTORINT = 5008, RT3DPOINT = 5009,
    RTLONG = 5010, RTVOID = 5014, RTLB = 5016, RTLE = 5017, RTDOTE = 5018,
    RTNIL = 5019, RTDXF0 = 5020, RTT = 5021,
};

enum : int {
    RTNORM = 5100, RTERROR = -5001, RTCAN = -5002, RTREJ = -5003, RTFAIL = -5004,
    RTKWORD = -5005, RTINPUTTRUNCATED = -5008,
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    Adesk_Int64 rlname[2];
    Adesk_Int32 rlong;
    Adesk_Int64 mnLongPtr;
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};
