// What holds for every document that travels both ways: any tree read in,
// written, read back and written again gives identical structures and equal
// records, and so does a copy of the record; hostile trees (counts and
// lengths without their blocks) neither crash nor leak. The fuzzers' property,
// over fixed inputs.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tolvdata.h"
#include "tools/Amostras.h"

namespace {

template <class R, class S> struct Documento {
    using Registro = R;
    using Estrutura = S;
};

template <class P> class DocumentoTest : public testing::Test {
};

using Documentos = testing::Types<
    Documento<TCMRERegistroEntrada, tagREG_ENTRADAPS>, Documento<TCMOCOrdemCompra, tagREG_ORDEMPS>,
    Documento<TCMSCSolicitacaoCompra, tagREG_SOLICITACAO_COMPRAPS>, Documento<TCMCPCotacaoPreco, tagREG_COTACAOPS>,
    Documento<TCMCTConhecimentoTransporte, tagREG_CONHECIMENTOPS>, Documento<TCMCC2Contrato, tagREG_CONTRATO_COMPRAPS>,
    Documento<TCMCCContrato, tagREG_CM_CONTRATO_COMPRAPS>, Documento<TCMOPOperacao, tagREG_CM_OPERACAO_OPPS>,
    Documento<TESMovimento, _REG_ES_MOVIMENTOPS>>;
TYPED_TEST_SUITE(DocumentoTest, Documentos);

// The document's own freeing where it has one, the description's walk where
// it has none.
template <class R, class S> void Libera(S* ps, bool doServidor)
{
    if (doServidor) {
        if constexpr (requires { R::ZerarGlobalAlloc(ps); })
            R::ZerarGlobalAlloc(ps);
        else
            tolv::LiberaAninhados(tolv::Layout<S>::desc, ps, tolv::Liberacao::CoTaskMem);
    } else {
        if constexpr (requires { R::ZerarDelete(ps); })
            R::ZerarDelete(ps);
        else
            tolv::LiberaAninhados(tolv::Layout<S>::desc, ps, tolv::Liberacao::Delete);
    }
}

TYPED_TEST(DocumentoTest, ArbitraryTreesRoundTripAndHostileOnesNeverCrashOrLeak)
{
    using R = typename TypeParam::Registro;
    using S = typename TypeParam::Estrutura;
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    for (bool hostil : {false, true})
        for (uint32_t semente = 1; semente <= 30; ++semente) {
            std::mt19937 gen(semente);
            std::vector<uint8_t> bytes(20000);
            for (auto& b : bytes)
                b = static_cast<uint8_t>(gen());
            amostra::Fonte fonte(bytes.data(), bytes.size());
            amostra::Opcoes o;
            o.hostil = hostil;
            S srv;
            amostra::Constroi(d, &srv, fonte, o);
            R r1;
            r1.CopiarDe(&srv);
            Libera<R>(&srv, true);

            S s1, s2;
            r1.CopiarPara(&s1);
            R r2;
            r2.CopiarDe(&s1);
            if constexpr (requires { r1 == r2; }) {
                EXPECT_TRUE(r1 == r2) << d.nome << " seed " << semente << (hostil ? " (hostile)" : "");
            }
            r2.CopiarPara(&s2);
            std::string onde;
            EXPECT_TRUE(amostra::Iguais(d, &s1, &s2, onde))
                << d.nome << " seed " << semente << (hostil ? " (hostile)" : "") << ": " << onde;
            // A copy, whose storage comes back from earlier trees, is its
            // source byte for byte: nothing is left to what was there before.
            S s3;
            R r3(r1);
            r3.CopiarPara(&s3);
            if constexpr (requires { r1 == r3; }) {
                EXPECT_TRUE(r1 == r3) << d.nome << " copy, seed " << semente;
            }
            EXPECT_TRUE(amostra::Iguais(d, &s1, &s3, onde)) << d.nome << " copy, seed " << semente << ": " << onde;
            Libera<R>(&s1, false);
            Libera<R>(&s2, false);
            Libera<R>(&s3, false);
        }
}

} // namespace
