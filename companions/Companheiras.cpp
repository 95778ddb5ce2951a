#include <cstring>

#include "companions/JQDFConx.h"
#include "companions/TOLVSVCUtil.h"

bool operator!=(const _JQ_NFE_ps& a, const _JQ_NFE_ps& b) { return std::memcmp(&a, &b, sizeof a) != 0; }

namespace {
CTOLVSVCUtil::ObservadorComplemento g_observador = nullptr;
void* g_contexto = nullptr;
} // namespace

void CTOLVSVCUtil::SetObservadorComplemento(ObservadorComplemento f, void* contexto)
{
    g_observador = f;
    g_contexto = contexto;
}

bool CTOLVSVCUtil::ComparaComplementoHistorico(const char* a, const char* b)
{
    if (g_observador)
        g_observador(a, b, g_contexto);
    if (!a || !b)
        return (a ? *a : 0) == (b ? *b : 0);
    return std::strcmp(a, b) == 0;
}
