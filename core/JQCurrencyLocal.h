// Currency addition used by the management-line merge.
#pragma once

#include "platform/wintypes.h"

namespace tolv {

// Exact sum; wraps on overflow of the currency range.
inline tagCY SomaCY(tagCY a, tagCY b)
{
    tagCY r;
    r.int64 = static_cast<LONGLONG>(static_cast<ULONGLONG>(a.int64) + static_cast<ULONGLONG>(b.int64));
    return r;
}

} // namespace tolv
