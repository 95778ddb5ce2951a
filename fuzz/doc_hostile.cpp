// Hostile trees of any two-way document: counts with null arrays and sizes
// with null texts. Nothing may crash or leak, and the file and the
// conversions still agree.
#include <cstdint>

#include "fuzz/doc_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    amostra::Fonte f(dados, tamanho);
    amostra::Opcoes o;
    o.hostil = true;
    o.maxElementos = 2;
    o.maxTexto = 64;
    fuzz::ArvoreDoServidor(f, o);
    return 0;
}
