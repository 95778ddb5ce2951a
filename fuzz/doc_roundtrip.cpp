// A tree of any two-way document from the other side, through its file, read,
// written and read back: both directions must agree on every transferred byte.
#include <cstdint>

#include "fuzz/doc_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    amostra::Fonte f(dados, tamanho);
    amostra::Opcoes o;
    o.maxElementos = 3;
    o.maxTexto = 200;
    fuzz::ArvoreDoServidor(f, o);
    return 0;
}
