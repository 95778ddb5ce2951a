// An entry register from the other side, read, released, written and read back:
// both directions must agree on every transferred byte.
#include <cstdint>

#include "fuzz/re_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    amostra::Fonte f(dados, tamanho);
    amostra::Opcoes o;
    o.maxElementos = 3;
    o.maxTexto = 200;
    tagREG_ENTRADAPS* srv = fuzz::EstruturaDoServidor(f, o);
    TCMRERegistroEntrada r1;
    r1.CopiarDe(srv);
    fuzz::LiberaDoServidor(srv);
    fuzz::IdaEVolta(r1);
    return 0;
}
