// Shared part of the entry-register fuzz targets.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tolvdata.h"
#include "tools/Amostras.h"

namespace fuzz {

inline const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

[[noreturn]] inline void Achado(const char* o_que, const std::string& onde = std::string())
{
    std::fprintf(stderr, "finding: %s %s\n", o_que, onde.c_str());
    std::abort();
}

// The server's structure: the top block and every nested array from the task
// allocator, built from the input.
inline tagREG_ENTRADAPS* EstruturaDoServidor(amostra::Fonte& f, const amostra::Opcoes& o)
{
    auto* ps = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof(tagREG_ENTRADAPS)));
    amostra::Constroi(DescRE(), ps, f, o);
    return ps;
}

inline void LiberaDoServidor(tagREG_ENTRADAPS* ps)
{
    TCMRERegistroEntrada::ZerarGlobalAlloc(ps);
    CoTaskMemFree(ps);
}

// Writes r, reads it back into a second record, and checks that the two
// records and the two structures agree.
inline void IdaEVolta(TCMRERegistroEntrada& r1)
{
    tagREG_ENTRADAPS s1;
    std::memset(&s1, 0xA5, sizeof s1);
    r1.CopiarPara(&s1);
    TCMRERegistroEntrada r2;
    r2.CopiarDe(&s1);
    if (!(r1 == r2))
        Achado("record read back from its own structure compares unequal");
    if (r1 != r2)
        Achado("operator!= disagrees with operator==");
    TCMRERegistroEntrada r3(r2);
    if (!(r3 == r1))
        Achado("copy compares unequal");
    tagREG_ENTRADAPS s2;
    std::memset(&s2, 0x5A, sizeof s2);
    r2.CopiarPara(&s2);
    std::string onde;
    if (!amostra::Iguais(DescRE(), &s1, &s2, onde))
        Achado("second structure differs from the first at", onde);
    TCMRERegistroEntrada::ZerarDelete(&s1);
    TCMRERegistroEntrada::ZerarDelete(&s2);
}

} // namespace fuzz
