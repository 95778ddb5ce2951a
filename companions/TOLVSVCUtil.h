// The maker's service library: text comparisons shared by the documents.
#pragma once

#include "platform/wintypes.h"

class TOLV_API CTOLVSVCUtil {
public:
    // True when the two history complements count as the same text.
    static bool ComparaComplementoHistorico(const char* a, const char* b);

    // Test seam: when set, sees the arguments of every comparison before it runs.
    using ObservadorComplemento = void (*)(const char* a, const char* b, void* contexto);
    static void SetObservadorComplemento(ObservadorComplemento f, void* contexto);
};
