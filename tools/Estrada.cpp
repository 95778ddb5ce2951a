// `tolvdata road`: one document through the library, step by step.
#include <cstdio>
#include <cstring>

#include "tolvdata.h"
#include "tools/Comandos.h"

namespace ferramenta {

int Estrada(const Args&)
{
    TCMGerencial a;
    a.SetValor(JQCY(12345600));
    a.SetQuantidade(JQCY(20000));
    a.SetPonteiroGerencial(7);
    a.SetPonteiroClassificacao(3);

    tagREG_CM_GERENCIALPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    a.CopiarPara(&ps);
    TCMGerencial b;
    b.CopiarDe(&ps);
    const bool iguais = a == b;
    std::printf("gerencial: %u bytes, CRC %08lX, %s\n", unsigned(sizeof ps), JQCRC32(&ps, sizeof ps),
                iguais ? "equal" : "DIFFERENT");
    return iguais ? 0 : 1;
}

} // namespace ferramenta
