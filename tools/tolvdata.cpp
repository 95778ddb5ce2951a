// tolvdata: builds, converts and compares records of the module.
#include "tolvdata.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tolvdata %s\n", TOLVDATA_VERSION);
        return 0;
    }
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
    std::printf("gerencial: %u bytes, CRC %08lX, %s\n", unsigned(sizeof ps),
                JQCRC32(&ps, sizeof ps), iguais ? "equal" : "DIFFERENT");
    return iguais ? 0 : 1;
}
