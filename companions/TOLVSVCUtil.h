// The maker's service library: text comparisons shared by the documents.
#pragma once

#include "platform/wintypes.h"

class TOLV_API CTOLVSVCUtil {
public:
    // True when the two history complements count as the same text.
    static bool ComparaComplementoHistorico(const char* a, const char* b);
};
