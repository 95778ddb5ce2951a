// Whole-document files: every document saved, read with both allocators and
// written again byte for byte; every kind of bad file refused with its path
// and offset, nothing built; the road of every document through the binary.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ferramenta_teste.h"
#include "tolvdata.h"
#include "tools/AmostraDocumentos.h"
#include "tools/Amostras.h"

namespace {

using Arquivo = std::vector<unsigned char>;
using tolv::AlocadorDocumento;

uint32_t Le32(const Arquivo& a, size_t off)
{
    uint32_t v;
    std::memcpy(&v, a.data() + off, 4);
    return v;
}
void Grava32(Arquivo& a, size_t off, uint32_t v) { std::memcpy(a.data() + off, &v, 4); }

Arquivo ArquivoDe(const char* codigo, long itens = 2, uint32_t semente = 5)
{
    const amostra::Documento* d = amostra::DocumentoPorCodigo(codigo);
    amostra::Enviada e(*d);
    amostra::OpcoesEstrada o;
    o.semente = semente;
    o.itens = itens;
    d->envia(o, e);
    return e.Arquivo();
}

// A block of a file: its offset and structure, reached from the root by
// pointer fields.
struct Pos {
    size_t off;
    const tolv::EstruturaDesc* d;
};

const tolv::CampoDesc& Campo(const tolv::EstruturaDesc& d, const char* nome)
{
    for (unsigned i = 0; i < d.nCampos; ++i)
        if (std::strcmp(d.campos[i].nome, nome) == 0)
            return d.campos[i];
    ADD_FAILURE() << "no field " << nome << " in " << d.nome;
    return d.campos[0];
}

Pos Raiz(const Arquivo& a)
{
    return {Le32(a, 12), tolv::EstruturaPorNome(reinterpret_cast<const char*>(a.data() + 32))};
}

// Offset of field nome of the block at p.
size_t Em(const Pos& p, const char* nome) { return p.off + Campo(*p.d, nome).offset; }

// Element k of the array under pointer field nome.
Pos Segue(const Arquivo& a, const Pos& p, const char* nome, size_t k = 0)
{
    const tolv::CampoDesc& c = Campo(*p.d, nome);
    return {Le32(a, p.off + c.offset) + k * (c.elemento ? c.elemento->tamanho : 1), c.elemento};
}

// Writes v into the count field of pointer field nome.
void Conta(Arquivo& a, const Pos& p, const char* nome, uint32_t v)
{
    const tolv::CampoDesc& cont = Campo(*p.d, Campo(*p.d, nome).contagem);
    std::memcpy(a.data() + p.off + cont.offset, &v, cont.tamanho);
}

struct Recusa {
    const char* caso;
    const char* documento;
    std::function<void(Arquivo&, tolv::OpcoesDocumento&)> estraga;
    std::string esperado; // the whole message's start: path and offset
    const char* motivo;
    const char* estrutura = nullptr; // the structure the caller asks for
};

// The offset named in a message, from the pieces of the file.
std::string Onde(const std::string& caminho, size_t off) { return caminho + " at offset " + std::to_string(off); }

TEST(DocumentoArquivo, EveryBadFileIsRefusedWithItsPathAndOffset)
{
    // The text and nested arrays of a price quotation, the deep lists of a
    // purchase order, the second root of the fiscal movement.
    const Arquivo cp = ArquivoDe("CP");
    const Arquivo oc = ArquivoDe("OC");
    const Pos rcp = Raiz(cp);
    const Pos roc = Raiz(oc);
    const Pos item = Segue(oc, roc, "pItem");
    const Pos rateio1 = Segue(oc, item, "pRateio", 1);
    const size_t texto = Le32(cp, Em(rcp, "pObservacao"));
    const size_t gerencial = Le32(oc, Em(rateio1, "pGerencial"));
    const std::string g = "tagREG_ORDEMPS.pItem[0].pRateio[1].pGerencial";
    // A list with a 32-bit signed count: a master table.
    const Arquivo mr = ArquivoDe("MestreRecebimento");
    const Pos rmr = Raiz(mr);
    const std::string l = "tagREG_CM_RECEBIMENTOMESTRE_LISTAPS.pRecebimento";
    const size_t lista = Le32(mr, Em(rmr, "pRecebimento"));
    const size_t fim = (cp.size() + 7) & ~size_t(7);

    std::vector<Recusa> casos = {
        {"short file", "CP", [](Arquivo& a, auto&) { a.resize(20); }, "header at offset 0", "shorter than the 32-byte"},
        {"bad magic", "CP", [](Arquivo& a, auto&) { a[3] = 'X'; }, "header at offset 0", "bad magic"},
        {"version", "CP", [](Arquivo& a, auto&) { Grava32(a, 8, 2); }, "header at offset 8", "unknown format version"},
        {"truncated", "CP", [](Arquivo& a, auto&) { a.erase(a.begin() + 1000, a.end()); }, "header at offset 16",
         "file truncated"},
        {"size field", "CP", [](Arquivo& a, auto&) { a.insert(a.end(), 8, 0); }, "header at offset 16",
         "does not match"},
        {"size limit", "CP", [](Arquivo&, auto& o) { o.tamanhoMaximo = 1000; }, "header at offset 16",
         "larger than the size limit"},
        {"name unterminated", "CP", [](Arquivo& a, auto&) { std::memset(a.data() + 32, 'A', a.size() - 32); },
         "header at offset 32", "not terminated"},
        {"unknown structure", "CP", [](Arquivo& a, auto&) { a[32] = 'x'; }, "header at offset 32",
         "unknown structure xagREG_COTACAOPS"},
        {"another structure", "CP", [](Arquivo&, auto&) {}, "header at offset 32",
         "file of tagREG_COTACAOPS, not of tagREG_ORDEMPS", "tagREG_ORDEMPS"},
        {"root inside the header", "CP", [](Arquivo& a, auto&) { Grava32(a, 12, 8); }, "tagREG_COTACAOPS at offset 8",
         "block inside the header"},
        {"root past the end", "CP", [&](Arquivo& a, auto&) { Grava32(a, 12, static_cast<uint32_t>(fim)); },
         Onde("tagREG_COTACAOPS", fim), "block past the end of the file"},
        {"offset past the end", "OC", [&](Arquivo& a, auto&) { Grava32(a, Em(rateio1, "pGerencial"), 0x7FFFFFF8); },
         Onde(g, 0x7FFFFFF8), "block past the end of the file"},
        {"misaligned", "OC", [&](Arquivo& a, auto&) { Grava32(a, Em(rateio1, "pGerencial"), gerencial + 4); },
         Onde(g, gerencial + 4), "not aligned"},
        {"count overflows", "MR", [&](Arquivo& a, auto&) { Conta(a, rmr, "pRecebimento", 0x7FFFFFFF); }, Onde(l, lista),
         "count times element size overflows"},
        {"pointer with count 0", "OC", [&](Arquivo& a, auto&) { Conta(a, rateio1, "pGerencial", 0); },
         Onde(g, Em(rateio1, "pGerencial")), "count of 0 or less"},
        {"pointer with a negative count", "MR", [&](Arquivo& a, auto&) { Conta(a, rmr, "pRecebimento", 0xFFFFFFFF); },
         Onde(l, Em(rmr, "pRecebimento")), "count of 0 or less"},
        {"cycle", "OC", [&](Arquivo& a, auto&) { Grava32(a, Em(rateio1, "pGerencial"), roc.off); }, Onde(g, roc.off),
         "reached twice"},
        {"shared block", "OC",
         [&](Arquivo& a, auto&) {
             Grava32(a, Em(rateio1, "pGerencial"), Le32(a, Em(Segue(a, item, "pRateio", 0), "pGerencial")));
         },
         Onde(g, Le32(oc, Em(Segue(oc, item, "pRateio", 0), "pGerencial"))), "reached twice"},
        {"overlapping block", "OC", [&](Arquivo& a, auto&) { Grava32(a, Em(rateio1, "pGerencial"), item.off + 8); },
         Onde(g, item.off + 8), "overlapping"},
        {"text not terminated", "CP",
         [&](Arquivo& a, auto&) { a[texto + Le32(cp, Em(rcp, "TamObservacao")) % 65536 - 1] = 'z'; },
         Onde("tagREG_COTACAOPS.pObservacao", texto), "does not end in its NUL"},
        {"text length short of its NUL", "CP",
         [&](Arquivo& a, auto&) { Conta(a, rcp, "pObservacao", Le32(cp, Em(rcp, "TamObservacao")) % 65536 - 1); },
         Onde("tagREG_COTACAOPS.pObservacao", texto), "does not end in its NUL"},
        {"depth limit", "OC", [](Arquivo&, auto& o) { o.profundidadeMaxima = 2; },
         Onde("tagREG_ORDEMPS.pItem[0].pRateio[0].pGerencial",
              Le32(oc, Em(Segue(oc, item, "pRateio", 0), "pGerencial"))),
         "nesting deeper than the limit"},
        {"second root where none goes", "CP", [](Arquivo& a, auto&) { Grava32(a, 28, 1); }, "header at offset 24",
         "second root for a structure that has none"},
    };
    for (size_t i = 0; i < casos.size(); ++i) {
        const Recusa& r = casos[i];
        Arquivo a = std::string(r.documento) == "CP" ? cp : std::string(r.documento) == "OC" ? oc : mr;
        tolv::OpcoesDocumento o;
        r.estraga(a, o);
        for (auto al : {AlocadorDocumento::ArrayNew, AlocadorDocumento::TaskMem}) {
            o.alocador = al;
            tolv::DocumentoLido doc;
            std::string erro;
            const tolv::EstruturaDesc* esperada = r.estrutura ? tolv::EstruturaPorNome(r.estrutura) : nullptr;
            EXPECT_FALSE(tolv::LeDocumento(a.data(), a.size(), doc, erro, esperada, o)) << r.caso;
            EXPECT_TRUE(doc.Vazio()) << r.caso;
            EXPECT_EQ(erro.rfind(r.esperado + ": ", 0), 0u) << r.caso << ": " << erro;
            EXPECT_NE(erro.find(r.motivo), std::string::npos) << r.caso << ": " << erro;
        }
    }
}

TEST(DocumentoArquivo, SecondRootOfTheFiscalMovement)
{
    const amostra::Documento& d = *amostra::DocumentoPorCodigo("EF");
    const Arquivo a = ArquivoDe("EF", 4);
    ASSERT_NE(Le32(a, 24), 0u);
    EXPECT_EQ(Le32(a, 28), 3u); // the first kept rate travels in the root
    tolv::DocumentoLido doc;
    std::string erro;
    ASSERT_TRUE(tolv::LeDocumento(a.data(), a.size(), doc, erro, d.raiz)) << erro;
    ASSERT_EQ(doc.QtdSegunda(), 3u);
    EXPECT_STREQ(doc.EstruturaSegunda()->nome, "_REG_ALIQUOTASICMSPS");

    struct Caso {
        uint32_t off, n;
        const char* motivo;
    } casos[] = {{0, 3, "offset or a count of 0"},
                 {Le32(a, 24), 0, "offset or a count of 0"},
                 {Le32(a, 24), 1000, "past the end"},
                 {Le32(a, 12), 3, "reached twice"}};
    for (const Caso& c : casos) {
        Arquivo b = a;
        Grava32(b, 24, c.off);
        Grava32(b, 28, c.n);
        EXPECT_FALSE(tolv::LeDocumento(b.data(), b.size(), doc, erro)) << c.motivo;
        EXPECT_TRUE(doc.Vazio());
        EXPECT_NE(erro.find(c.motivo), std::string::npos) << erro;
    }
}

// Every document: the file read with each allocator gives back the tree that
// was sent, writes the same file again, and is released by the document's own
// release of that allocator (or the description's walk where it has none).
TEST(DocumentoArquivo, EveryDocumentSavesReadsAndWritesAgainByteForByte)
{
    for (const amostra::Documento& d : amostra::Documentos()) {
        amostra::Enviada e(d);
        amostra::OpcoesEstrada o;
        o.semente = 11;
        o.itens = 3;
        d.envia(o, e);
        const Arquivo a = e.Arquivo();
        ASSERT_TRUE(tolv::EhDocumento(a.data(), a.size()));
        for (auto al : {AlocadorDocumento::ArrayNew, AlocadorDocumento::TaskMem}) {
            SCOPED_TRACE(std::string(d.codigo) + (al == AlocadorDocumento::TaskMem ? " task allocator" : " new[]"));
            tolv::OpcoesDocumento op;
            op.alocador = al;
            tolv::DocumentoLido doc;
            std::string erro;
            ASSERT_TRUE(tolv::LeDocumento(a.data(), a.size(), doc, erro, d.raiz, op)) << erro;
            std::string onde;
            EXPECT_TRUE(amostra::Iguais(*d.raiz, e.Raiz(), doc.Raiz(), onde)) << onde;
            EXPECT_EQ(
                tolv::EscreveDocumento(*d.raiz, doc.Raiz(), doc.EstruturaSegunda(), doc.Segunda(), doc.QtdSegunda()),
                a);
            if (d.duasVias) {
                EXPECT_EQ(d.idaEVolta(doc.Raiz()), "");
            }
            // The document's own release of that allocator.
            if (al == AlocadorDocumento::ArrayNew)
                d.liberaEnviada(doc.Raiz());
            else
                d.liberaServidor(doc.Raiz());
            doc.AninhadosLiberados();
        }
    }
}

// The release walk over hostile trees: null arrays with counts, negative
// counts with arrays; nothing walked past them and nothing leaked.
TEST(DocumentoArquivo, ReleaseWalkSkipsNullArraysAndCountsOfZeroOrLess)
{
    for (const amostra::Documento& d : amostra::Documentos()) {
        for (uint8_t semente = 0; semente < 8; ++semente) {
            std::vector<uint8_t> bytes(4096);
            for (size_t k = 0; k < bytes.size(); ++k)
                bytes[k] = static_cast<uint8_t>(k * 131 + semente * 17);
            amostra::Fonte f(bytes.data(), bytes.size());
            amostra::Opcoes o;
            o.hostil = true;
            std::vector<unsigned char> raiz(d.raiz->tamanho);
            amostra::Constroi(*d.raiz, raiz.data(), f, o);
            const Arquivo a = tolv::EscreveDocumento(*d.raiz, raiz.data());
            tolv::LiberaArvore(*d.raiz, raiz.data(), AlocadorDocumento::TaskMem);
            tolv::DocumentoLido doc;
            std::string erro;
            EXPECT_TRUE(tolv::LeDocumento(a.data(), a.size(), doc, erro)) << d.codigo << ": " << erro;
        }
    }
}

// --- Through the binary ---------------------------------------------------------

using ferramenta_teste::Roda;
using ferramenta_teste::Saida;

TEST(DocumentoArquivo, RoadOfEveryDocumentAndItsSavedFile)
{
    Saida todos = Roda("road --doc all --items 2");
    EXPECT_EQ(todos.status, 0) << todos.texto;
    EXPECT_NE(todos.texto.find("road: 14 documents, 14 as expected, 0 with failed steps"), std::string::npos)
        << todos.texto;
    Saida lista = Roda("road --doc list");
    EXPECT_EQ(lista.status, 0);
    EXPECT_NE(lista.texto.find("MestreLeiauteOC      tagREG_CM_LEIAUTEOCMESTRE_LISTAPS"), std::string::npos)
        << lista.texto;
    EXPECT_EQ(Roda("road --doc XX").status, 2);
    EXPECT_EQ(Roda("road --doc all --save /tmp/x").status, 2);

    const std::string caminho = testing::TempDir() + "tolvdata_doc_arquivo.doc";
    for (const amostra::Documento& d : amostra::Documentos()) {
        Saida s = Roda(std::string("road --doc ") + d.codigo + " --items 3 --seed 0x0b --save " + caminho);
        EXPECT_EQ(s.status, 0) << s.texto;
        std::ifstream f(caminho, std::ios::binary);
        const Arquivo salvo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        // The road sends the record it read back from the server: the same
        // tree (the entry register's road edits it first).
        if (std::string(d.codigo) != "RE") {
            EXPECT_EQ(salvo, ArquivoDe(d.codigo, 3, 11)) << d.codigo;
        }
        tolv::DocumentoLido doc;
        std::string erro;
        EXPECT_TRUE(tolv::LeDocumento(salvo.data(), salvo.size(), doc, erro, d.raiz)) << erro;
    }
    std::remove(caminho.c_str());
}

} // namespace
