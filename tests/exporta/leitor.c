/* A peer in C: reads a whole-document file through tolvdata_layouts.h alone
   and prints a few fields of it, one per line as "path value", in the
   notation of `tolvdata dump --json` (currency with 4 places, texts in UTF-8).

     leitor CODE FILE */
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tolvdata_layouts.h"

static unsigned char* g_arq;
static size_t g_tam;

static _Noreturn void falha(const char* m)
{
    fprintf(stderr, "leitor: %s\n", m);
    exit(1);
}

/* The block at a file offset, wholly inside the file. */
static const void* bloco(uint32_t ofs, size_t n)
{
    if (ofs == 0 || ofs > g_tam || n > g_tam - ofs)
        falha("a block lies outside the file");
    return g_arq + ofs;
}
#define ELEMENTO(T, ofs, i) ((const T*)bloco((ofs) + (uint32_t)(i) * sizeof(T), sizeof(T)))

static void moeda(const char* p, int64_t v)
{
    uint64_t a = v < 0 ? 0 - (uint64_t)v : (uint64_t)v;
    printf("%s %s%" PRIu64 ".%04u\n", p, v < 0 ? "-" : "", a / 10000, (unsigned)(a % 10000));
}
static void inteiro(const char* p, int64_t v) { printf("%s %" PRId64 "\n", p, v); }

/* Windows-1252 to UTF-8; the five undefined bytes as the C1 controls. */
static void texto(const char* p, const char* s, size_t n)
{
    static const uint16_t c1[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    size_t i;
    printf("%s ", p);
    for (i = 0; i < n && s[i]; ++i) {
        unsigned c = (unsigned char)s[i];
        if (c >= 0x80 && c < 0xA0)
            c = c1[c - 0x80];
        if (c < 0x80)
            putchar((int)c);
        else if (c < 0x800)
            printf("%c%c", 0xC0 | (c >> 6), 0x80 | (c & 0x3F));
        else
            printf("%c%c%c", 0xE0 | (c >> 12), 0x80 | ((c >> 6) & 0x3F), 0x80 | (c & 0x3F));
    }
    putchar('\n');
}

static char g_caminho[256];
static const char* em(const char* lista, unsigned i, const char* campo)
{
    snprintf(g_caminho, sizeof g_caminho, "%s[%u].%s", lista, i, campo);
    return g_caminho;
}

#define MOEDA(s, c) moeda(#c, (s)->c)
#define INTEIRO(s, c) inteiro(#c, (int64_t)(s)->c)
#define TEXTO(s, c) texto(#c, (s)->c, sizeof(s)->c)

/* The first and the last element of a nested array of the root. */
#define EXTREMOS(raiz, T, lista, qtd, corpo)                                                                           \
    do {                                                                                                               \
        unsigned n_ = (unsigned)(raiz)->qtd, ix_[2], k_;                                                               \
        INTEIRO(raiz, qtd);                                                                                            \
        if (n_ == 0)                                                                                                   \
            falha(#lista " is empty");                                                                                 \
        ix_[0] = 0;                                                                                                    \
        ix_[1] = n_ - 1;                                                                                               \
        for (k_ = 0; k_ < (n_ > 1 ? 2u : 1u); ++k_) {                                                                  \
            unsigned i = ix_[k_];                                                                                      \
            const T* e = ELEMENTO(T, (raiz)->lista, i);                                                                \
            const char* l = #lista;                                                                                    \
            corpo;                                                                                                     \
        }                                                                                                              \
    } while (0)

int main(int argc, char** argv)
{
    FILE* f;
    long tam;
    const tolv_file_header* h;
    const char* doc;
    if (argc != 3)
        falha("usage: leitor CODE FILE");
    doc = argv[1];
    f = fopen(argv[2], "rb");
    if (!f || fseek(f, 0, SEEK_END) != 0 || (tam = ftell(f)) < 32 || fseek(f, 0, SEEK_SET) != 0)
        falha("cannot read the file");
    g_tam = (size_t)tam;
    g_arq = malloc(g_tam);
    if (!g_arq || fread(g_arq, 1, g_tam, f) != g_tam)
        falha("cannot read the file");
    fclose(f);
    h = (const tolv_file_header*)g_arq;
    if (memcmp(h->magic, TOLV_LAYOUTS_FILE_MAGIC, 8) != 0 || h->version != TOLV_LAYOUTS_FILE_FORMAT || h->size != g_tam)
        falha("not a whole-document file of this format");

    if (strcmp(doc, "RE") == 0) {
        const tolv_tagREG_ENTRADAPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorTotalProdutos);
        TEXTO(r, ComplementoHistorico);
        EXTREMOS(r, tolv_tagREG_ITEM_ENTRADA_PRODUTOPS, pProduto, QtdProduto, {
            moeda(em(l, i, "ValorTotal"), e->ValorTotal);
            inteiro(em(l, i, "QtdRateio"), e->QtdRateio);
        });
    } else if (strcmp(doc, "OC") == 0) {
        const tolv_tagREG_ORDEMPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorTotalProdutos);
        TEXTO(r, LocalEntrega);
        EXTREMOS(r, tolv_tagREG_ITENS_ORDEMPS, pItem, QtdItem, {
            moeda(em(l, i, "ValorUnitarioV8"), e->ValorUnitarioV8);
            texto(em(l, i, "Complemento"), e->Complemento, sizeof e->Complemento);
        });
    } else if (strcmp(doc, "OCAutorizacao") == 0) {
        const tolv_tagREG_LISTAAUTORIZACAO_COMPRAPS* r = bloco(h->root, sizeof *r);
        EXTREMOS(r, tolv_tagREG_AUTORIZACAO_COMPRAPS, pAutorizacao, QtdAutorizacao, {
            inteiro(em(l, i, "Usuario"), e->Usuario);
            inteiro(em(l, i, "Autorizado"), e->Autorizado);
        });
    } else if (strcmp(doc, "SC") == 0) {
        const tolv_tagREG_SOLICITACAO_COMPRAPS* r = bloco(h->root, sizeof *r);
        TEXTO(r, CodigoSolicitacao);
        INTEIRO(r, PonteiroComprador);
        EXTREMOS(r, tolv_tagREG_SOLICITACAO_COMPRA_ITEMPS, pItem, QtdItem,
                 { inteiro(em(l, i, "QtdRateio"), e->QtdRateio); });
    } else if (strcmp(doc, "CP") == 0) {
        const tolv_tagREG_COTACAOPS* r = bloco(h->root, sizeof *r);
        TEXTO(r, CodigoCotacao);
        EXTREMOS(r, tolv_tagREG_COTACAOITEMFORNECEDORPS, pItemFornecedor, QtdItemFornecedor, {
            moeda(em(l, i, "Frete"), e->Frete);
            texto(em(l, i, "Moeda"), e->Moeda, sizeof e->Moeda);
        });
    } else if (strcmp(doc, "CC") == 0) {
        const tolv_tagREG_CM_CONTRATO_COMPRAPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorContrato);
        TEXTO(r, NumeroContrato);
        EXTREMOS(r, tolv_tagREG_CM_PARCELA_CONTRATO_COMPRAPS, pParcela, QtdParcela,
                 { moeda(em(l, i, "ValorParcela"), e->ValorParcela); });
    } else if (strcmp(doc, "CC2") == 0) {
        const tolv_tagREG_CONTRATO_COMPRAPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorOriginalContrato);
        TEXTO(r, NomeIndice);
        EXTREMOS(r, tolv_tagREG_REAJUSTE_CONTRATO_COMPRAPS, pReajuste, QtdReajuste,
                 { moeda(em(l, i, "SaldoAnterior"), e->SaldoAnterior); });
    } else if (strcmp(doc, "CT") == 0) {
        const tolv_tagREG_CONHECIMENTOPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorConhecimentoTransporte);
        EXTREMOS(r, tolv_tagREG_RATEIO_CONHECIMENTOPS, pRateio, QtdRateio, {
            moeda(em(l, i, "Valor"), e->Valor);
            inteiro(em(l, i, "QtdGerencial"), e->QtdGerencial);
        });
    } else if (strcmp(doc, "EF") == 0) {
        const tolv__REG_ESCRITAFISCALPS* r = bloco(h->root, sizeof *r);
        unsigned i;
        MOEDA(r, ValorTotal);
        INTEIRO(r, NumeroDocumentoInicial);
        EXTREMOS(r, tolv__REG_EF_NF_REFERIDA_PS, pReferida, QtdNotasReferidas,
                 { moeda(em(l, i, "ValorNotaFiscalOrigem"), e->ValorNotaFiscalOrigem); });
        /* The caller's ICMS rates beside the root. */
        for (i = 0; i < h->second_count; ++i) {
            const tolv__REG_ALIQUOTASICMSPS* a = ELEMENTO(tolv__REG_ALIQUOTASICMSPS, h->second_root, i);
            moeda(em("second", i, "ValorICMS"), a->ValorICMS);
        }
    } else if (strcmp(doc, "ES") == 0) {
        const tolv__REG_ES_MOVIMENTOPS* r = bloco(h->root, sizeof *r);
        MOEDA(r, ValorICMS);
        EXTREMOS(r, tolv__REG_ES_CONTABILIZACAOPS, pContabil, QtdContabil, {
            moeda(em(l, i, "Valor"), e->Valor);
            inteiro(em(l, i, "QtdGerencial"), e->QtdGerencial);
        });
    } else if (strcmp(doc, "OP") == 0) {
        const tolv_tagREG_CM_OPERACAO_OPPS* r = bloco(h->root, sizeof *r);
        TEXTO(r, Codigo);
        TEXTO(r, Descricao);
        EXTREMOS(r, tolv_tagREG_CM_RELACIONAMENTO_OPPS, pRelacionamento, QtdRelacionamento,
                 { inteiro(em(l, i, "QtdRateio"), e->QtdRateio); });
    } else if (strcmp(doc, "MestreAutorizacoes") == 0) {
        const tolv_tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* r = bloco(h->root, sizeof *r);
        EXTREMOS(r, tolv_tagREG_CM_AUTORIZACOESPS, pAutorizacoes, QtdAutorizacoes, {
            moeda(em(l, i, "FaixaValorFinal"), e->FaixaValorFinal);
            inteiro(em(l, i, "QtdUsuarios"), e->QtdUsuarios);
        });
    } else if (strcmp(doc, "MestreRecebimento") == 0) {
        const tolv_tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* r = bloco(h->root, sizeof *r);
        EXTREMOS(r, tolv_tagREG_CM_RECEBIMENTOPS, pRecebimento, QtdRecebimento,
                 { inteiro(em(l, i, "HoraAte"), e->HoraAte); });
    } else if (strcmp(doc, "MestreLeiauteOC") == 0) {
        const tolv_tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* r = bloco(h->root, sizeof *r);
        EXTREMOS(r, tolv_tagREG_CM_LEIAUTEOCMESTREPS, pLeiauteOC, QtdLeiauteOC,
                 { texto(em(l, i, "Leiaute"), e->Leiaute, sizeof e->Leiaute); });
    } else {
        falha("unknown document code");
    }
    free(g_arq);
    return 0;
}
