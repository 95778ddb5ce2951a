// Hostile structures: counts with null arrays, sizes with null texts, and
// lists too long for their 16-bit counts. Nothing may crash or leak.
#include <cstdint>

#include "fuzz/re_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    amostra::Fonte f(dados, tamanho);
    amostra::Opcoes o;
    o.hostil = true;
    o.maxElementos = 2;
    o.maxTexto = 64;
    tagREG_ENTRADAPS* srv = fuzz::EstruturaDoServidor(f, o);
    TCMRERegistroEntrada r1;
    r1.CopiarDe(srv);
    fuzz::LiberaDoServidor(srv);

    uint8_t extra = f.Byte();
    if (extra & 1) {
        // One list more than a 16-bit count can carry: CopiarPara must refuse it
        // and the partly written structure must still be releasable.
        T_Lista<long>& l = r1.GetListaAssociacaoREOC();
        l.SetSize(65536 + (extra >> 1));
        tagREG_ENTRADAPS s;
        std::memset(&s, 0xEE, sizeof s);
        bool recusou = false;
        try {
            r1.CopiarPara(&s);
        } catch (CInvalidArgException* e) {
            recusou = true;
            e->Delete();
        }
        if (!recusou)
            fuzz::Achado("a list of more than 65535 entries was sent");
        TCMRERegistroEntrada::ZerarDelete(&s);
        l.RemoveAll();
    }
    fuzz::IdaEVolta(r1);
    return 0;
}
