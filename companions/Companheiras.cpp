#include <cstring>

#include "companions/JQDFConx.h"
#include "companions/TOLVSVCUtil.h"

bool operator!=(const _JQ_NFE_ps& a, const _JQ_NFE_ps& b)
{
    return std::memcmp(&a, &b, sizeof a) != 0;
}

bool CTOLVSVCUtil::ComparaComplementoHistorico(const char* a, const char* b)
{
    if (!a || !b)
        return (a ? *a : 0) == (b ? *b : 0);
    return std::strcmp(a, b) == 0;
}
