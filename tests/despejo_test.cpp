// `tolvdata dump`, `diff` and `pack`, run as a program: the JSON notation
// gives back every byte, the comparison names the field, bad JSON is refused
// with the field's path.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ferramenta_teste.h"
#include "tolvdata.h"
#include "tools/AmostraDocumentos.h"

namespace {

using ferramenta_teste::Roda;
using ferramenta_teste::Saida;

using ferramenta_teste::Tem;

std::string Arquivo(const std::string& nome) { return testing::TempDir() + "despejo_" + nome; }

void Grava(const std::string& caminho, const void* p, size_t n)
{
    std::ofstream f(caminho, std::ios::binary);
    f.write(static_cast<const char*>(p), static_cast<std::streamsize>(n));
}

std::vector<unsigned char> Le(const std::string& caminho)
{
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Every document: the file the road saved, dumped to JSON and packed back,
// is the same file, and diff finds nothing between them.
TEST(Despejo, EveryDocumentComesBackByteForByte)
{
    for (const amostra::Documento& doc : amostra::Documentos()) {
        SCOPED_TRACE(doc.codigo);
        std::string salvo = Arquivo(std::string(doc.codigo) + ".doc"), js = Arquivo(std::string(doc.codigo) + ".json"),
                    volta = Arquivo(std::string(doc.codigo) + ".2.doc");
        ASSERT_EQ(Roda(std::string("road --doc ") + doc.codigo + " --save " + salvo).status, 0);
        Saida d = Roda(std::string("dump ") + doc.raiz->nome + " " + salvo + " --json > " + js);
        ASSERT_EQ(d.status, 0) << d.texto;
        Saida p = Roda(std::string("pack ") + doc.raiz->nome + " " + js + " -o " + volta);
        ASSERT_EQ(p.status, 0) << p.texto;
        EXPECT_TRUE(Le(salvo) == Le(volta));
        Saida c = Roda(std::string("diff ") + doc.raiz->nome + " " + salvo + " " + volta);
        EXPECT_EQ(c.status, 0) << c.texto;
        for (const std::string& f : {salvo, js, volta})
            std::remove(f.c_str());
    }
}

// Raw blocks of every registered structure, filled with arbitrary bytes: every
// kind (currency, 64-bit integers and keys, dates and the bytes after them,
// texts with bytes after their NUL, reserved bytes, raw pointers) survives.
TEST(Despejo, EveryStructureAsARawBlockSurvivesTheNotation)
{
    unsigned n = 0;
    const tolv::EstruturaDesc* const* todas = tolv::Estruturas(n);
    uint32_t x = 0x2545F491u;
    std::string bin = Arquivo("bloco.bin"), js = Arquivo("bloco.json"), volta = Arquivo("bloco.2.bin");
    for (unsigned i = 0; i < n; ++i) {
        const tolv::EstruturaDesc& d = *todas[i];
        SCOPED_TRACE(d.nome);
        std::vector<unsigned char> b(d.tamanho);
        for (auto& c : b) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            c = static_cast<unsigned char>(x);
        }
        Grava(bin, b.data(), b.size());
        ASSERT_EQ(Roda(std::string("dump ") + d.nome + " " + bin + " --json > " + js).status, 0);
        Saida p = Roda(std::string("pack ") + d.nome + " - -o " + volta + " < " + js);
        ASSERT_EQ(p.status, 0) << p.texto;
        EXPECT_TRUE(Le(volta) == b);
    }
    for (const std::string& f : {bin, js, volta})
        std::remove(f.c_str());
}

TEST(Despejo, JsonShowsDatesAndTextsAsTheyRead)
{
    tagREG_CM_LEIAUTEOCMESTREPS l{};
    const char texto[] = "Pre\xe7o \x80 1";
    std::memcpy(l.Leiaute, texto, sizeof texto);
    l.Leiaute[20] = 'x'; // after the NUL
    std::string bin = Arquivo("leiaute.bin");
    Grava(bin, &l, sizeof l);
    Saida s = Roda("dump tagREG_CM_LEIAUTEOCMESTREPS " + bin + " --json");
    EXPECT_TRUE(Tem(s, "\"Leiaute\": {\"text\": \"Pre\xc3\xa7o \xe2\x82\xac 1\", \"tail\": \"000000000000000000000078"))
        << s.texto;

    tagREG_ITEM_ENTRADA_PRODUTOPS p{};
    const unsigned char data[8] = {8, 12, 0xEA, 0x07, 0, 0, 1, 0};
    std::memcpy(&p.DI_DataRegistro, data, 8);
    std::string pbin = Arquivo("produto.bin");
    Grava(pbin, &p, sizeof p);
    Saida d = Roda("dump tagREG_ITEM_ENTRADA_PRODUTOPS " + pbin + " --json");
    EXPECT_TRUE(Tem(d, "\"DI_DataRegistro\": {\"raw\": 132779016, \"iso\": \"2026-12-08\", \"after\": \"00000100\"}"))
        << d.texto;
    for (const std::string& f : {bin, pbin})
        std::remove(f.c_str());
}

// One deep field, one reserved byte and one list's length changed: diff
// names exactly those.
TEST(Despejo, DiffNamesTheDeepField)
{
    const amostra::Documento& doc = *amostra::DocumentoPorCodigo("RE");
    amostra::Enviada e(doc);
    doc.envia(amostra::OpcoesEstrada{}, e);
    auto* ps = static_cast<tagREG_ENTRADAPS*>(e.Raiz());
    ASSERT_GE(ps->QtdProduto, 4);
    std::string a = Arquivo("a.doc"), b = Arquivo("b.doc");
    std::vector<unsigned char> va = e.Arquivo();
    Grava(a, va.data(), va.size());

    tagREG_CM_GERENCIALPS& g = ps->pProduto[3].pRateio[0].pGerencial[1];
    g.Valor.Lo += 1;
    ps->pProduto[1].pRateio[0].Reservado25[6] ^= 1;
    --ps->QtdServico;
    std::vector<unsigned char> vb = e.Arquivo();
    ++ps->QtdServico;
    g.Valor.Lo -= 1;
    ps->pProduto[1].pRateio[0].Reservado25[6] ^= 1;
    Grava(b, vb.data(), vb.size());

    Saida s = Roda("diff tagREG_ENTRADAPS " + a + " " + b);
    EXPECT_EQ(s.status, 1) << s.texto;
    EXPECT_TRUE(Tem(s, "     0  pProduto[3].pRateio[0].pGerencial[1].Valor ")) << s.texto;
    EXPECT_TRUE(Tem(s, "reserved bytes:\n    25  pProduto[1].pRateio[0].Reservado25 ")) << s.texto;
    EXPECT_TRUE(Tem(s, "pServico                         3 elements | 2 elements")) << s.texto;
    EXPECT_TRUE(Tem(s, "2 field, 1 reserved and 1 length differences")) << s.texto; // and QtdServico
    Saida j = Roda("diff tagREG_ENTRADAPS " + a + " " + b + " --json");
    EXPECT_TRUE(Tem(j, "\"format\": \"tolvdata/1\"")) << j.texto;
    EXPECT_TRUE(Tem(j, "{\"path\": \"pServico\", \"offset\": 1208, \"a\": 3, \"b\": 2}")) << j.texto;
    EXPECT_EQ(Roda("diff tagREG_ENTRADAPS " + a + " " + a).status, 0);
    EXPECT_EQ(Roda("diff tagREG_ENTRADAPS " + a).status, 2);
    EXPECT_EQ(Roda("diff tagREG_ENTRADAPS " + a + " /nonexistent").status, 3);
    std::remove(a.c_str());
    std::remove(b.c_str());
}

// Each refusal: a small crafted input, one line naming the path, exit 3,
// nothing written.
TEST(Despejo, PackRefusesBadJsonNamingThePath)
{
    const std::string cabeca = "{\"format\": \"tolvdata/1\", \"content\": \"document\", "
                               "\"structure\": \"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS\", \"root\": ";
    auto doc = [&](const std::string& qtd, const std::string& elemento) {
        return cabeca + "{\"Reservado0\": \"00000000\", \"QtdRecebimento\": " + qtd + ", \"pRecebimento\": [" +
               elemento + "]}}";
    };
    auto elemento = [](const std::string& horaAte) {
        return "\"PonteiroFilial\": 1, \"HoraDe\": 2, \"HoraAte\": " + horaAte +
               ", \"DiaSemanaDe\": 1, \"DiaSemanaAte\": 5, \"ExcetoFeriados\": 0, \"Reservado9\": \"00000000000000\"";
    };
    const std::string bom = elemento("3");
    auto leiaute = [](const std::string& texto) {
        return "{\"format\": \"tolvdata/1\", \"content\": \"block\", \"structure\": \"tagREG_CM_LEIAUTEOCMESTREPS\", "
               "\"root\": {\"PonteiroFilial\": 1, \"Leiaute\": " +
               texto + ", \"Reservado302\": \"0000\"}}";
    };
    struct Caso {
        const char* estrutura;
        std::string json;
        const char* mensagem; // empty: accepted
    } casos[] = {
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + bom + "}"), ""},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", "[1, 2]", "(root): expected an object"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + bom + "}").substr(5), "JSON line 1 column 1"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", std::string(100000, '['), "nested too deep"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + bom + "}").substr(0, 150), "JSON line 1 column"},
        {"tagREG_CM_LEIAUTEOCMESTREPS", doc("1", "{" + bom + "}"),
         "structure: expected \"tagREG_CM_LEIAUTEOCMESTREPS\""},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + bom + ", \"Hora\": 1}"),
         "pRecebimento[0].Hora: no such field in tagREG_CM_RECEBIMENTOPS"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{\"PonteiroFilial\": 1}"),
         "pRecebimento[0].HoraDe: missing field"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + elemento("65536") + "}"),
         "pRecebimento[0].HoraAte: 65536 is out of range for an unsigned 16-bit integer"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + elemento("-1") + "}"),
         "pRecebimento[0].HoraAte: -1 is out of range"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + elemento("1.5") + "}"),
         "pRecebimento[0].HoraAte: \"1.5\" is not an integer"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + elemento("\"3\"") + "}"),
         "pRecebimento[0].HoraAte: expected a number, found a string"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("2", "{" + bom + "}"),
         "pRecebimento: 1 elements, but QtdRecebimento says 2"},
        {"tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", doc("1", "{" + bom.substr(0, bom.size() - 5) + "\"}"),
         "pRecebimento[0].Reservado9: expected 7 bytes as 14 hex digits"},
        {"tagREG_CM_GERENCIALPS",
         "{\"format\": \"tolvdata/1\", \"content\": \"block\", \"structure\": \"tagREG_CM_GERENCIALPS\", \"root\": "
         "{\"Valor\": \"1.23456\", \"Quantidade\": \"1\", \"PonteiroClassificacao\": 1, \"PonteiroGerencial\": 2}}",
         "Valor: \"1.23456\" is not an amount"},
        {"tagREG_CM_GERENCIALPS",
         "{\"format\": \"tolvdata/1\", \"content\": \"block\", \"structure\": \"tagREG_CM_GERENCIALPS\", \"root\": "
         "{\"Valor\": \"922337203685477.5808\", \"Quantidade\": \"1\", \"PonteiroClassificacao\": 1, "
         "\"PonteiroGerencial\": 2}}",
         "Valor: 922337203685477.5808 is out of range for a currency amount"},
        {"tagREG_CM_LEIAUTEOCMESTREPS", leiaute("\"" + std::string(300, 'a') + "\""),
         "Leiaute: text of 300 bytes too long for its field of 299"},
        {"tagREG_CM_LEIAUTEOCMESTREPS", leiaute("\"\\u4e00\""), "Leiaute: character U+4E00 has no Windows-1252 byte"},
        {"tagREG_CM_LEIAUTEOCMESTREPS", leiaute("{\"text\": \"a\", \"tail\": \"00\"}"),
         "Leiaute.tail: expected 299 bytes"},
    };
    std::string js = Arquivo("recusa.json"), saida = Arquivo("recusa.out");
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.json.substr(0, 300));
        Grava(js, c.json.data(), c.json.size());
        std::remove(saida.c_str());
        Saida s = Roda(std::string("pack ") + c.estrutura + " " + js + " -o " + saida);
        if (!*c.mensagem) {
            EXPECT_EQ(s.status, 0) << s.texto;
            continue;
        }
        EXPECT_EQ(s.status, 3) << s.texto;
        EXPECT_TRUE(Tem(s, c.mensagem)) << s.texto;
        EXPECT_TRUE(Tem(s, "tolvdata pack: ")) << s.texto;
        EXPECT_EQ(std::count(s.texto.begin(), s.texto.end(), '\n'), 1) << s.texto;
        EXPECT_FALSE(std::ifstream(saida).good());
    }
    std::remove(js.c_str());
}

} // namespace
