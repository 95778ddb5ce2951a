// Builds a management line and an apportionment, sends the line through its
// transfer structure and back, and compares. Exit status 0 when all agree.
#include <tolvdata.h>

#include <cstdio>
#include <cstring>

int main()
{
    static_assert(sizeof(void*) == 4, "tolvdata is i386 only");
    static_assert(sizeof(tagREG_CM_GERENCIALPS) == 24, "management line layout");

    TCMGerencial linha;
    linha.SetValor(JQCY(12345600));
    linha.SetQuantidade(JQCY(20000));
    linha.SetPonteiroClassificacao(3);
    linha.SetPonteiroGerencial(7);

    tagREG_CM_GERENCIALPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    linha.CopiarPara(&ps);
    TCMGerencial volta;
    volta.CopiarDe(&ps);
    if (!(volta == linha) || volta != linha) {
        std::fprintf(stderr, "management line changed on the way back\n");
        return 1;
    }

    TCMRateioBase rateio;
    rateio.AdicionaGerencial(linha);
    rateio.AdicionaGerencial(volta);
    TCMRateioBase copia(rateio);
    if (copia.GetQuantidadeGerencial() != 2 || copia != &rateio) {
        std::fprintf(stderr, "apportionment copy differs\n");
        return 1;
    }
    std::printf("consumer: ok, CRC %08lX\n", JQCRC32(&ps, sizeof ps));
    return 0;
}
