// The maker's fiscal-document library: identity of an electronic document.
#pragma once

#include "platform/wintypes.h"

// Identification block of an electronic fiscal document, opaque to the records.
struct _JQ_NFE_ps {
    BYTE bytes[24];
};

// True when the two blocks identify different documents.
TOLV_API bool operator!=(const _JQ_NFE_ps& a, const _JQ_NFE_ps& b);
