// A realistic entry register as the server sends it: the top block and every
// nested array and text from the COM task allocator, each field holding a
// plausible value derived from its place in the tree (the same shape and seed
// give the same bytes). Built from the layout descriptions, independently of
// the records' own conversions.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "tolvdata.h"

namespace re_arvore {

// How many elements each list carries, and the lengths of the texts.
struct Forma {
    // The register's own lists.
    unsigned produtos = 3;
    unsigned servicos = 2;
    unsigned parcelas = 3;
    unsigned titulos = 2;
    unsigned referidas = 2;
    unsigned notasCFOP = 2;
    unsigned ordens = 3; // purchase-order links
    // Lists of the items and of their children.
    unsigned rateios = 2; // product apportionments
    unsigned linhas = 2;  // management lines of every kind
    bool ativo = true;    // one fixed asset per product apportionment
    unsigned associacoes = 2;
    unsigned margens = 2;
    unsigned impostos = 2;
    unsigned deducoes = 2;
    unsigned estoques = 2;
    unsigned composicoes = 2;
    unsigned totais = 1;
    unsigned rateiosServico = 2;
    unsigned rateiosTitulo = 2;
    // Text lengths in characters (0: no text).
    unsigned obsGeral = 180;
    unsigned obsFisco = 60;
    unsigned notaCFOP = 40;
    unsigned armaFogo = 30;
    // Bad input: from this depth on (1 = the register's own lists) every
    // array and text keeps its count or size but gets a null pointer.
    unsigned nivelSemArrays = 0;
    uint32_t semente = 2026;
};

namespace detalhe {

inline uint32_t Mistura(uint32_t a, uint32_t b)
{
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u + (a << 6) + (a >> 2));
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

inline const tolv::CampoDesc* CampoEm(const tolv::EstruturaDesc& d, unsigned offset)
{
    for (unsigned i = 0; i < d.nCampos; ++i)
        if (d.campos[i].offset == offset)
            return &d.campos[i];
    return nullptr;
}

inline bool EhContagemOuPonteiro(const tolv::EstruturaDesc& d, unsigned offset)
{
    for (unsigned i = 0; i < d.nAninhados; ++i)
        if (d.aninhados[i].offsetContagem == offset || d.aninhados[i].offsetPonteiro == offset)
            return true;
    return false;
}

// A text of n characters that reads like one (no NUL inside).
inline std::string Frase(const std::string& nome, unsigned n, uint32_t v)
{
    static const char* const kPalavras[] = {"material", "entrega", "conforme", "pedido", "nota",  "fiscal",
                                            "lote",     "volume",  "servico",  "prazo",  "frete", "filial"};
    std::string s = nome + " " + std::to_string(v % 1000);
    for (uint32_t k = v; s.size() < n; k = Mistura(k, 7))
        s += std::string(" ") + kPalavras[k % 12];
    s.resize(n);
    return s;
}

inline void Data(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(1 + v % 28);        // day
    p[1] = static_cast<unsigned char>(1 + (v >> 5) % 12); // month
    p[2] = 0xEA;                                          // 2026
    p[3] = 0x07;
}

// One field at b + c.offset with a plausible value.
inline void Campo(const tolv::CampoDesc& c, unsigned char* b, uint32_t v)
{
    unsigned char* p = b + c.offset;
    std::memset(p, 0, c.tamanho);
    switch (c.tipo) {
    case tolv::Tipo::Moeda: {
        LONGLONG x = static_cast<LONGLONG>(v % 250000) * 100 + 10000; // 1.00 to 2,500.00
        std::memcpy(p, &x, 8);
        break;
    }
    case tolv::Tipo::Data:
    case tolv::Tipo::Data4:
    case tolv::Tipo::DataPS: Data(p, v); break;
    case tolv::Tipo::DataHora:
        Data(p, v);
        p[4] = static_cast<unsigned char>(v % 24);
        p[5] = static_cast<unsigned char>(v % 60);
        break;
    case tolv::Tipo::Chave:
    case tolv::Tipo::ChavePS: {
        REG_JQDMC k = JQDMC_Monta(100000 + v % 900000, static_cast<unsigned short>(1 + v % 34440));
        std::memcpy(p, &k, 8);
        break;
    }
    case tolv::Tipo::NFe:
        for (unsigned k = 0; k < c.tamanho; ++k)
            p[k] = static_cast<unsigned char>(Mistura(v, k));
        break;
    case tolv::Tipo::Posicao: {
        _REG_POSICAO_PRODUTOPS pos{};
        pos.PonteiroProduto = static_cast<long>(1000 + v % 90000);
        pos.PonteiroItemGrade1 = static_cast<unsigned short>(v % 7);
        pos.PonteiroItemGrade2 = static_cast<unsigned short>(v % 5);
        std::memcpy(p, &pos, sizeof pos);
        break;
    }
    case tolv::Tipo::Inteiro:
    case tolv::Tipo::Natural: {
        ULONGLONG x = c.tamanho == 1 ? v % 3 : c.tamanho == 2 ? 1 + v % 9000 : 1 + v % 900000;
        if (c.tamanho == 8)
            x = 100000000000ull + v;
        std::memcpy(p, &x, c.tamanho);
        break;
    }
    case tolv::Tipo::Texto:
    case tolv::Tipo::TextoFixo: {
        unsigned n = c.capacidade < 12 ? c.capacidade : c.capacidade / 2 + v % (c.capacidade / 2);
        std::string s = Frase(c.nome, n, v);
        std::memcpy(p, s.data(), s.size());
        break;
    }
    case tolv::Tipo::Bloco: {
        // A bar code: 24 digits and its code byte; the slot's tail stays zero.
        unsigned n = c.tamanho < 24 ? c.tamanho : 24;
        for (unsigned k = 0; k < n; ++k)
            p[k] = static_cast<unsigned char>('0' + Mistura(v, k) % 10);
        if (c.tamanho > 24)
            p[24] = 1;
        break;
    }
    case tolv::Tipo::Reservado:
    case tolv::Tipo::Array:
    case tolv::Tipo::TextoVar: break;
    }
}

inline unsigned Quantos(const tolv::EstruturaDesc& pai, const char* campo, const Forma& f)
{
    // Structure, pointer field (null: any other of that structure), elements.
    const struct {
        const char* estrutura;
        const char* campo;
        unsigned n;
    } tabela[] = {
        {"tagREG_ENTRADAPS", "pTituloImposto", f.titulos},
        {"tagREG_ENTRADAPS", "pAssociacaoREOC", f.ordens},
        {"tagREG_ENTRADAPS", "pProduto", f.produtos},
        {"tagREG_ENTRADAPS", "pServico", f.servicos},
        {"tagREG_ENTRADAPS", "pParcela", f.parcelas},
        {"tagREG_ENTRADAPS", "pReferidas", f.referidas},
        {"tagREG_ENTRADAPS", "pObservacoesCFOP", f.notasCFOP},
        {"tagREG_ENTRADAPS", "pObservacaoGeral", f.obsGeral},
        {"tagREG_ENTRADAPS", "pObservacaoFisco", f.obsFisco},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pRateio", f.rateios},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pItemAssociacao", f.associacoes},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pMargemLucro", f.margens},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pImposto", f.impostos},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pEntradaEstoque", f.estoques},
        {"tagREG_ITEM_ENTRADA_PRODUTOPS", "pTotais", f.totais},
        {"tagREG_ITEM_ENTRADA_SERVICOPS", "pRateio", f.rateiosServico},
        {"tagREG_ITEM_ENTRADA_SERVICOPS", "pItemAssociacao", f.associacoes},
        {"tagREG_ITEM_ENTRADA_SERVICOPS", "pImposto", f.impostos},
        {"tagREG_RATEIOPRODUTO_ENTRADAPS", "pAtivoImobilizado", f.ativo ? 1u : 0u},
        {"tagREG_RATEIOPRODUTO_ENTRADAPS", nullptr, f.linhas},
        {"_REG_ENTRADA_ESTOQUE_ENTRADAPS", "pComposicao", f.composicoes},
        {"_REG_ENTRADA_ESTOQUE_ENTRADAPS", "pArmaFogo_Descricao", f.armaFogo},
        {"_REG_ENTRADA_ESTOQUE_ENTRADAPS", nullptr, f.linhas},
        {"tagREG_ITEM_IMPOSTOPS", nullptr, f.deducoes},
        {"tagREG_TITULO_IMPOSTOS_ENTRADAPS", nullptr, f.rateiosTitulo},
        {"tagREG_RATEIOSERVICO_ENTRADAPS", nullptr, f.linhas},
        {"tagREG_TITULO_RATEIO_ENTRADAPS", nullptr, f.linhas},
        {"tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS", nullptr, f.notaCFOP},
    };
    for (const auto& t : tabela)
        if (std::strcmp(pai.nome, t.estrutura) == 0 && (!t.campo || std::strcmp(campo, t.campo) == 0))
            return t.n;
    return 0;
}

inline void Escreve(unsigned char* b, unsigned offset, unsigned tamanho, unsigned long v)
{
    std::memcpy(b + offset, &v, tamanho);
}

inline void Constroi(const tolv::EstruturaDesc& d, unsigned char* b, const Forma& f, uint32_t semente, unsigned nivel)
{
    std::memset(b, 0, d.tamanho);
    for (unsigned i = 0; i < d.nCampos; ++i)
        if (!EhContagemOuPonteiro(d, d.campos[i].offset))
            Campo(d.campos[i], b, Mistura(semente, i));
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        const tolv::CampoDesc* c = CampoEm(d, a.offsetPonteiro);
        unsigned n = Quantos(d, c->nome, f);
        if (n == 0)
            continue;
        unsigned long contagem = a.elemento ? n : n + 1;
        Escreve(b, a.offsetContagem, a.tamanhoContagem, contagem);
        if (f.nivelSemArrays != 0 && nivel + 1 >= f.nivelSemArrays)
            continue;
        void* p;
        if (a.elemento) {
            auto* e = static_cast<unsigned char*>(CoTaskMemAlloc(static_cast<size_t>(n) * a.elemento->tamanho));
            for (unsigned k = 0; k < n; ++k)
                Constroi(*a.elemento, e + static_cast<size_t>(k) * a.elemento->tamanho, f,
                         Mistura(semente, 1000 + 37 * i + k), nivel + 1);
            p = e;
        } else {
            std::string s = Frase(c->nome, n, Mistura(semente, i));
            auto* t = static_cast<char*>(CoTaskMemAlloc(s.size() + 1));
            std::memcpy(t, s.c_str(), s.size() + 1);
            p = t;
        }
        std::memcpy(b + a.offsetPonteiro, &p, sizeof p);
    }
}

} // namespace detalhe

// The server's structure: top block and every nested block from the task
// allocator. Release it with Libera.
inline tagREG_ENTRADAPS* Constroi(const Forma& f = Forma())
{
    auto* ps = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof(tagREG_ENTRADAPS)));
    detalhe::Constroi(tolv::Layout<tagREG_ENTRADAPS>::desc, reinterpret_cast<unsigned char*>(ps), f, f.semente, 0);
    return ps;
}

// What the caller does with a received structure: its arrays, then the block.
inline void Libera(tagREG_ENTRADAPS* ps)
{
    TCMRERegistroEntrada::ZerarGlobalAlloc(ps);
    CoTaskMemFree(ps);
}

} // namespace re_arvore
