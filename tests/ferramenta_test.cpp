// The tolvdata command, run as a program.
#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/ferramenta_teste.h"
#include "tolvdata.h"

namespace {

using ferramenta_teste::Roda;
using ferramenta_teste::Saida;

using ferramenta_teste::Tem;

TEST(Ferramenta, RoadWalksEveryStep)
{
    Saida s = Roda("road --items 7 --seed 3");
    EXPECT_EQ(s.status, 0) << s.texto;
    EXPECT_TRUE(Tem(s, "7 products, 3 services, 3 instalments, 2 tax titles")) << s.texto;
    EXPECT_TRUE(Tem(s, "changed items by CRC: 3")) << s.texto;
    EXPECT_TRUE(Tem(s, "pProduto.pRateio.pGerencial")) << s.texto;
    EXPECT_TRUE(Tem(s, "every step as expected")) << s.texto;
    EXPECT_EQ(Roda("road --items 0").status, 2);
}

TEST(Ferramenta, LayoutShowsTheCompiledDeclarations)
{
    Saida s = Roda("layout tagREG_ENTRADAPS");
    EXPECT_EQ(s.status, 0);
    EXPECT_TRUE(Tem(s, "tagREG_ENTRADAPS (1232 bytes)")) << s.texto;
    EXPECT_TRUE(
        Tem(s, "  1204     4  array        pProduto -> tagREG_ITEM_ENTRADA_PRODUTOPS[QtdProduto] (1664 bytes each)"))
        << s.texto;
    EXPECT_TRUE(Tem(s, "   468   512  text         ComplementoHistorico [511]")) << s.texto;
    Saida j = Roda("layout tagREG_CM_GERENCIALPS --json");
    EXPECT_TRUE(Tem(
        j, "{\"offset\": 20, \"size\": 4, \"kind\": \"int\", \"ctype\": \"LONG\", \"name\": \"PonteiroGerencial\"}"))
        << j.texto;
    Saida l = Roda("layout --list");
    EXPECT_TRUE(Tem(l, "tagREG_ITEM_ENTRADA_SERVICOPS")) << l.texto;
}

TEST(Ferramenta, DumpDecodesAnImageFromCopiarPara)
{
    TCMGerencial g;
    g.SetValor(JQCY(-15000));
    g.SetPonteiroGerencial(4321);
    tagREG_CM_GERENCIALPS ps;
    g.CopiarPara(&ps);
    std::string arquivo = testing::TempDir() + "gerencial.bin";
    FILE* f = std::fopen(arquivo.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(&ps, sizeof ps, 1, f);
    std::fclose(f);

    Saida s = Roda("dump tagREG_CM_GERENCIALPS " + arquivo);
    EXPECT_EQ(s.status, 0) << s.texto;
    EXPECT_TRUE(Tem(s, "Valor                            -1.5000")) << s.texto;
    EXPECT_TRUE(Tem(s, "PonteiroGerencial                4321")) << s.texto;

    Saida errado = Roda("dump _REG_ES_GERENCIALPS " + arquivo);
    EXPECT_EQ(errado.status, 3);
    EXPECT_TRUE(Tem(errado, "exactly 16 bytes")) << errado.texto;
    std::remove(arquivo.c_str());
}

TEST(Ferramenta, UnknownNamesSuggestTheClosest)
{
    Saida s = Roda("layout tagREG_ENTRADA");
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(Tem(s, "closest: tagREG_ENTRADAPS")) << s.texto;
    Saida c = Roda("frobnicate");
    EXPECT_EQ(c.status, 2);
    EXPECT_TRUE(Tem(c, "usage:")) << c.texto;
    EXPECT_TRUE(Tem(Roda("--version"), TOLVDATA_VERSAO_ESPERADA));
}

} // namespace
