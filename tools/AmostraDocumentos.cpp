#include "tools/AmostraDocumentos.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "tolvdata.h"
#include "tools/AmostraCC.h"
#include "tools/AmostraCP.h"
#include "tools/AmostraCT.h"
#include "tools/AmostraEF.h"
#include "tools/AmostraES.h"
#include "tools/AmostraMestre.h"
#include "tools/AmostraOC.h"
#include "tools/AmostraOP.h"
#include "tools/AmostraRE.h"
#include "tools/AmostraSC.h"
#include "tools/Amostras.h"

namespace amostra {

namespace {

using Relogio = std::chrono::steady_clock;
using Aliquotas = CArray<_REG_ALIQUOTASICMSPS, const _REG_ALIQUOTASICMSPS&>;

class Passos {
public:
    template <class F> bool Passo(const char* nome, F f)
    {
        ++m_n;
        auto t0 = Relogio::now();
        std::string detalhe;
        bool ok = f(detalhe);
        double ms = std::chrono::duration<double, std::milli>(Relogio::now() - t0).count();
        std::printf("%2d. %-34s %8.3f ms  %s  %s\n", m_n, nome, ms, ok ? "ok  " : "FAIL", detalhe.c_str());
        m_falhas += ok ? 0 : 1;
        return ok;
    }
    int Falhas() const { return m_falhas; }

private:
    int m_n = 0;
    int m_falhas = 0;
};

std::string Fmt(const char* f, ...) __attribute__((format(printf, 1, 2)));
std::string Fmt(const char* f, ...)
{
    char b[512];
    va_list a;
    va_start(a, f);
    std::vsnprintf(b, sizeof b, f, a);
    va_end(a);
    return b;
}

void ImprimeListas(const tolv::EstruturaDesc& d, const void* ps)
{
    MedidaPorLista m;
    MedePorLista(d, ps, m);
    for (const auto& [nome, medida] : m)
        if (medida.blocos)
            std::printf("      %-50s %7zu elements %10zu bytes\n", nome.c_str(), medida.blocos, medida.bytes);
}

// --- What each record offers ----------------------------------------------------

template <class R, class S> constexpr bool TemZerarDelete = requires(S* p) { R::ZerarDelete(p); };
template <class R, class S> constexpr bool TemZerarGlobalAlloc = requires(S* p) { R::ZerarGlobalAlloc(p); };
template <class R> constexpr bool TemIgualdade = requires(const R& a) { a == a; };

template <class R, class S> void LiberaEnviada(void* ps)
{
    if constexpr (TemZerarDelete<R, S>)
        R::ZerarDelete(static_cast<S*>(ps));
    else
        tolv::LiberaArvore(tolv::Layout<S>::desc, ps, tolv::AlocadorDocumento::ArrayNew);
}

template <class R, class S> void LiberaServidor(void* ps)
{
    if constexpr (TemZerarGlobalAlloc<R, S>)
        R::ZerarGlobalAlloc(static_cast<S*>(ps));
    else
        tolv::LiberaArvore(tolv::Layout<S>::desc, ps, tolv::AlocadorDocumento::TaskMem);
}

// A block about to be written by CopiarPara: filled with a pattern, its top
// reserved bytes (the caller's, which the partial structures leave as they
// are) taken from ref, or zero.
void Prepara(const tolv::EstruturaDesc& d, void* ps, const void* ref, unsigned char padrao)
{
    unsigned char* b = static_cast<unsigned char*>(ps);
    std::memset(b, padrao, d.tamanho);
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        if (c.tipo != tolv::Tipo::Reservado)
            continue;
        if (ref)
            std::memcpy(b + c.offset, static_cast<const unsigned char*>(ref) + c.offset, c.tamanho);
        else
            std::memset(b + c.offset, 0, c.tamanho);
    }
}

// r written back into a block like ref, and the tree compared with ref
// pointers aside.
template <class R, class S> bool EscritaConfere(R& r, const S* ref, std::string& onde)
{
    S s;
    Prepara(tolv::Layout<S>::desc, &s, ref, 0xA5);
    r.CopiarPara(&s);
    bool ok = Iguais(tolv::Layout<S>::desc, &s, ref, onde);
    LiberaEnviada<R, S>(&s);
    return ok;
}

// Whether r equals ref: by operator== where the record has one, otherwise by
// the trees they write.
template <class R, class S> bool Confere(R& r, R& ref, std::string& onde)
{
    if constexpr (TemIgualdade<R>) {
        (void)onde;
        return r == ref;
    } else {
        S s;
        Prepara(tolv::Layout<S>::desc, &s, nullptr, 0x5A);
        ref.CopiarPara(&s);
        bool ok = EscritaConfere<R, S>(r, &s, onde);
        LiberaEnviada<R, S>(&s);
        return ok;
    }
}

template <class R, class S> std::string IdaEVolta(void* p)
{
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    R r1;
    r1.CopiarDe(static_cast<S*>(p));
    S s1;
    Prepara(d, &s1, p, 0xA5);
    r1.CopiarPara(&s1);
    R r2;
    r2.CopiarDe(&s1);
    S s2;
    Prepara(d, &s2, &s1, 0x5A);
    r2.CopiarPara(&s2);
    std::string onde;
    std::string achado;
    if (!Iguais(d, &s1, &s2, onde))
        achado = "the second written tree differs from the first at " + onde;
    if constexpr (TemIgualdade<R>) {
        if (achado.empty() && !(r1 == r2))
            achado = "the record read back compares unequal";
        if (achado.empty() && r1 != r2)
            achado = "operator!= disagrees with operator==";
    }
    LiberaEnviada<R, S>(&s1);
    LiberaEnviada<R, S>(&s2);
    return achado;
}

// The file of the tree at ps (and second root) read back with both allocators:
// each rebuilt tree agrees with the one sent, and writes the same file again.
bool ArquivoConfere(const tolv::EstruturaDesc& d, const void* ps, const tolv::EstruturaDesc* d2, const void* seg,
                    unsigned long n2, std::vector<unsigned char>& arq, std::string& detalhe)
{
    arq = tolv::EscreveDocumento(d, ps, d2, seg, n2);
    for (auto al : {tolv::AlocadorDocumento::ArrayNew, tolv::AlocadorDocumento::TaskMem}) {
        tolv::OpcoesDocumento o;
        o.alocador = al;
        tolv::DocumentoLido doc;
        std::string erro;
        if (!tolv::LeDocumento(arq.data(), arq.size(), doc, erro, &d, o)) {
            detalhe = "refused: " + erro;
            return false;
        }
        std::string onde;
        if (!Iguais(d, ps, doc.Raiz(), onde)) {
            detalhe = "read back differs at " + onde;
            return false;
        }
        for (unsigned long k = 0; k < n2; ++k)
            if (!Iguais(*d2, static_cast<const unsigned char*>(seg) + k * d2->tamanho,
                        static_cast<const unsigned char*>(doc.Segunda()) + k * d2->tamanho, onde)) {
                detalhe = "second root read back differs at " + onde;
                return false;
            }
        if (tolv::EscreveDocumento(d, doc.Raiz(), doc.EstruturaSegunda(), doc.Segunda(), doc.QtdSegunda()) != arq) {
            detalhe = "written again, the file differs";
            return false;
        }
    }
    Medida m = Mede(d, ps);
    detalhe =
        Fmt("%zu bytes, %zu blocks; read back with new[] and the task allocator", arq.size(), m.blocos + (n2 ? 1 : 0));
    return true;
}

int Resumo(const Passos& p)
{
    if (p.Falhas()) {
        std::printf("road: %d step(s) did not give the expected result\n", p.Falhas());
        return p.Falhas();
    }
    std::printf("road: every step as expected\n");
    return 0;
}

// --- The road of a two-way document ---------------------------------------------

template <class R, class S, void (*Constroi)(R&, Gerador&, long)>
int EstradaDuasVias(const Documento& doc, const OpcoesEstrada& o)
{
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    const char* libServidor = TemZerarGlobalAlloc<R, S> ? "ZerarGlobalAlloc" : "release by the layout walk";
    const char* libEnviada = TemZerarDelete<R, S> ? "ZerarDelete" : "release by the layout walk";
    const char* modo = TemIgualdade<R> ? "operator==" : "the written structure, byte for byte";
    std::printf("tolvdata road: %s, %s (seed %u; compared by %s)\n", doc.codigo, doc.descricao, o.semente, modo);

    Gerador g(o.semente);
    R original;
    Constroi(original, g, o.itens);

    Passos p;
    S* servidor = nullptr;
    p.Passo("server builds its structure", [&](std::string& det) {
        S feito;
        original.CopiarPara(&feito);
        servidor = static_cast<S*>(CoTaskMemAlloc(sizeof(S)));
        ClonaComTaskMem(d, &feito, servidor);
        LiberaEnviada<R, S>(&feito);
        Medida m = Mede(d, servidor);
        det = Fmt("%zu structures, %zu bytes from the task allocator", m.blocos, m.bytes);
        return true;
    });
    ImprimeListas(d, servidor);

    R r;
    p.Passo("CopiarDe", [&](std::string& det) {
        r.CopiarDe(servidor);
        std::string onde;
        bool ok = TemIgualdade<R> ? Confere<R, S>(r, original, onde) : EscritaConfere<R, S>(r, servidor, onde);
        det = ok ? "equal to the server's document" : "differs from the server's document " + onde;
        return ok;
    });
    p.Passo(libServidor, [&](std::string& det) {
        LiberaServidor<R, S>(servidor);
        CoTaskMemFree(servidor);
        servidor = nullptr;
        det = "every nested block released with CoTaskMemFree";
        return true;
    });
    p.Passo("keep a copy", [&](std::string& det) {
        R guardado(r);
        std::string onde;
        bool ok = Confere<R, S>(guardado, r, onde);
        det = ok ? "copy compares equal" : "copy differs " + onde;
        return ok;
    });

    S enviado;
    p.Passo("CopiarPara", [&](std::string& det) {
        // (clang's analyzer loses the references the steps' lambdas capture.)
        Prepara(d, &enviado, nullptr, 0xFF); // NOLINT(clang-analyzer-core.CallAndMessage)
        r.CopiarPara(&enviado);
        Medida m = Mede(d, &enviado);
        det = Fmt("%zu structures, %zu bytes from array new", m.blocos, m.bytes);
        return true;
    });
    p.Passo("read back what was sent", [&](std::string& det) {
        R volta;
        volta.CopiarDe(&enviado);
        std::string onde;
        bool ok = TemIgualdade<R> ? Confere<R, S>(volta, r, onde) : EscritaConfere<R, S>(volta, &enviado, onde);
        det = ok ? (TemIgualdade<R> ? "equal to the record sent" : "written back byte for byte as read, pointers aside")
                 : "differs " + onde;
        return ok;
    });
    std::vector<unsigned char> arq;
    p.Passo("whole-document file",
            [&](std::string& det) { return ArquivoConfere(d, &enviado, nullptr, nullptr, 0, arq, det); });
    if (o.arquivo)
        *o.arquivo = arq;
    p.Passo(libEnviada, [&](std::string& det) {
        LiberaEnviada<R, S>(&enviado);
        det = "every nested block released with delete[]";
        return true;
    });
    return Resumo(p);
}

// --- The fiscal movement: outwards only -----------------------------------------

void ConstroiEF(TEFMovimento& m, Gerador& g, long itens) { Movimento(m, g, itens > 0 ? static_cast<int>(itens) : 10); }

int EstradaEF(const Documento& doc, const OpcoesEstrada& o)
{
    const tolv::EstruturaDesc& d = tolv::Layout<_REG_ESCRITAFISCALPS>::desc;
    const tolv::EstruturaDesc& d2 = tolv::Layout<_REG_ALIQUOTASICMSPS>::desc;
    std::printf("tolvdata road: %s, %s (seed %u; outwards only)\n", doc.codigo, doc.descricao, o.semente);
    Gerador g(o.semente);
    TEFMovimento m;
    ConstroiEF(m, g, o.itens);

    Passos p;
    _REG_ESCRITAFISCALPS ps;
    Aliquotas aliquotas;
    p.Passo("CopiarPara with the rate array", [&](std::string& det) {
        std::memset(&ps, 0xFF, sizeof ps);
        m.CopiarPara(&ps, &aliquotas);
        Medida md = Mede(d, &ps);
        det = Fmt("%zu structures, %zu bytes from array new; %d rates, %d more in the caller's array", md.blocos,
                  md.bytes, ps.QtdAliquotasICMS, aliquotas.GetSize());
        return ps.QtdAliquotasICMS == m.GetQuantidadeAliquotaICMS() && aliquotas.GetSize() + 1 == ps.QtdAliquotasICMS;
    });
    ImprimeListas(d, &ps);
    std::vector<unsigned char> arq;
    p.Passo("whole-document file", [&](std::string& det) {
        // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): as above
        return ArquivoConfere(d, &ps, &d2, aliquotas.GetData(), static_cast<unsigned long>(aliquotas.GetSize()), arq,
                              det);
    });
    if (o.arquivo)
        *o.arquivo = arq;
    p.Passo("ZerarDelete", [&](std::string& det) {
        TEFMovimento::ZerarDelete(&ps);
        det = "every nested block released with delete[]";
        return ps.QtdAliquotasICMS == 0;
    });
    return Resumo(p);
}

void EnviaEF(const OpcoesEstrada& o, Enviada& e)
{
    Gerador g(o.semente);
    TEFMovimento m;
    ConstroiEF(m, g, o.itens);
    Aliquotas aliquotas;
    m.CopiarPara(static_cast<_REG_ESCRITAFISCALPS*>(e.Raiz()), &aliquotas);
    const size_t n = static_cast<size_t>(aliquotas.GetSize());
    e.segunda.resize(n * sizeof(_REG_ALIQUOTASICMSPS));
    if (n)
        std::memcpy(e.segunda.data(), aliquotas.GetData(), e.segunda.size());
    e.qtdSegunda = n;
}

// --- The entry register: its own road, as it has always been ----------------------

void ConstroiRE(TCMRERegistroEntrada& r, Gerador& g, long itens)
{
    FormaRegistro f;
    f.produtos = itens > 0 ? static_cast<int>(itens) : 25;
    Registro(r, g, f);
}

int EstradaRE(const Documento&, const OpcoesEstrada& o)
{
    const tolv::EstruturaDesc& d = tolv::Layout<tagREG_ENTRADAPS>::desc;
    const long itens = o.itens > 0 ? o.itens : 25;
    std::printf("tolvdata road: one entry register with %ld product items (seed %u)\n", itens, o.semente);

    Gerador g(o.semente);
    TCMRERegistroEntrada original;
    ConstroiRE(original, g, itens);

    Passos p;
    tagREG_ENTRADAPS* servidor = nullptr;
    p.Passo("server builds its structure", [&](std::string& det) {
        tagREG_ENTRADAPS feito;
        original.CopiarPara(&feito);
        servidor = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof *servidor));
        ClonaComTaskMem(d, &feito, servidor);
        TCMRERegistroEntrada::ZerarDelete(&feito);
        Medida m = Mede(d, servidor);
        det = Fmt("%zu structures, %zu bytes from the task allocator", m.blocos, m.bytes);
        return true;
    });
    ImprimeListas(d, servidor);

    TCMRERegistroEntrada r;
    p.Passo("CopiarDe", [&](std::string& det) {
        r.CopiarDe(servidor);
        det =
            Fmt("%d products, %d services, %d instalments, %d tax titles", r.GetQuantidadeProduto(),
                r.GetQuantidadeServico(), r.CondicaoPgto.GetQuantidadeParcela(), r.CondicaoPgto.GetQuantidadeTitulo());
        return r == original;
    });
    p.Passo("ZerarGlobalAlloc", [&](std::string& det) {
        TCMRERegistroEntrada::ZerarGlobalAlloc(servidor);
        CoTaskMemFree(servidor);
        servidor = nullptr;
        det = "every nested block released with CoTaskMemFree";
        return true;
    });

    TCMRERegistroEntrada guardado;
    p.Passo("keep a copy", [&](std::string& det) {
        guardado = r;
        det = guardado == r ? "copy compares equal" : "copy differs";
        return guardado == r;
    });
    std::vector<unsigned long> crcs;
    p.Passo("item checksums (Set_CRC)", [&](std::string& det) {
        unsigned long todos = 0;
        for (int i = 0; i < r.GetQuantidadeProduto(); ++i) {
            TCMREItemProduto& it = r.GetRefProduto(i);
            it.Set_CRC(it.CalculaCRC());
            crcs.push_back(it.Get_CRC());
            todos = JQCRC32(&crcs.back(), sizeof(unsigned long), &todos);
        }
        for (int i = 0; i < r.GetQuantidadeServico(); ++i) {
            TCMREItemServico& it = r.GetRefServico(i);
            it.Set_CRC(it.CalculaCRC());
        }
        det = Fmt("%zu product CRCs, first %08lX, combined %08lX", crcs.size(), crcs.empty() ? 0ul : crcs[0], todos);
        return !crcs.empty();
    });

    const int alvo = r.GetQuantidadeProduto() / 2;
    p.Passo("edit through accessors and lists", [&](std::string& det) {
        TCMREItemProduto& it = r.GetRefProduto(alvo);
        it.SetQuantidade(JQCY(it.GetQuantidade().int64 + 10000));
        r.TrocaProduto(0, r.GetQuantidadeProduto() - 1);
        r.TrocaProduto(0, r.GetQuantidadeProduto() - 1);
        r.AdicionaServico(Servico(g, r.GetQuantidadeServico()));
        r.DeletarServico(r.GetQuantidadeServico() - 1);
        r.AdicionaLogs("quantity of one item changed");
        det = Fmt("quantity of product %d raised by 1", alvo);
        return true;
    });
    p.Passo("compare with the kept copy", [&](std::string& det) {
        bool igual = r == guardado;
        std::vector<int> mudados;
        for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
            if (r.GetProduto(i).CalculaCRC() != r.GetProduto(i).Get_CRC())
                mudados.push_back(i);
        det = Fmt("%s; changed items by CRC:", igual ? "equal" : "not equal");
        for (int i : mudados)
            det += Fmt(" %d", i);
        return !igual && mudados.size() == 1 && mudados[0] == alvo;
    });

    tagREG_ENTRADAPS enviado;
    p.Passo("CopiarPara", [&](std::string& det) {
        std::memset(&enviado, 0xFF, sizeof enviado);
        r.CopiarPara(&enviado);
        Medida m = Mede(d, &enviado);
        det = Fmt("%zu structures, %zu bytes from array new", m.blocos, m.bytes);
        return true;
    });
    ImprimeListas(d, &enviado);
    p.Passo("read back what was sent", [&](std::string& det) {
        TCMRERegistroEntrada volta;
        volta.CopiarDe(&enviado);
        det = volta == r ? "equal to the edited register" : "differs from the edited register";
        return volta == r;
    });
    if (o.arquivo)
        *o.arquivo = tolv::EscreveDocumento(d, &enviado);
    p.Passo("ZerarDelete", [&](std::string& det) {
        TCMRERegistroEntrada::ZerarDelete(&enviado);
        det = "every nested block released with delete[]";
        return true;
    });
    return Resumo(p);
}

// --- Sample trees of the other documents -------------------------------------------

int N(long itens, int padrao) { return itens > 0 ? static_cast<int>(itens) : padrao; }

void ConstroiOC(TCMOCOrdemCompra& r, Gerador& g, long itens)
{
    FormaOrdem f;
    f.itens = N(itens, f.itens);
    Ordem(r, g, f);
}
void ConstroiOCAut(TCMOCListaAutorizacao& r, Gerador& g, long itens) { ListaAutorizacao(r, g, N(itens, 5)); }
void ConstroiSC(TCMSCSolicitacaoCompra& r, Gerador& g, long itens)
{
    FormaSolicitacao f;
    f.itens = N(itens, f.itens);
    Solicitacao(r, g, f);
}
void ConstroiCP(TCMCPCotacaoPreco& r, Gerador& g, long itens)
{
    FormaCotacao f;
    f.produtos = N(itens, f.produtos);
    f.itensOrdemAuxiliar = 2; // each supplier's offer holds its working order
    Cotacao(r, g, f);
}
void ConstroiCC(TCMCCContrato& r, Gerador& g, long itens) { ContratoCC(r, g, N(itens, 3)); }
void ConstroiCC2(TCMCC2Contrato& r, Gerador& g, long itens) { ContratoCC2(r, g, N(itens, 3)); }
void ConstroiCT(TCMCTConhecimentoTransporte& r, Gerador& g, long itens) { Conhecimento(r, g, N(itens, 10)); }
void ConstroiES(TESMovimento& r, Gerador& g, long itens)
{
    FormaMovimento f;
    f.contabeis = f.composicoes = f.referencias = N(itens, 3);
    Movimento(r, g, f);
}
void ConstroiOP(TCMOPOperacao& r, Gerador& g, long itens)
{
    FormaOperacao f;
    f.relacionamentos = N(itens, f.relacionamentos);
    Operacao(r, g, f);
}
void ConstroiMestreAut(TCMMestreListaAutorizacoes& r, Gerador& g, long itens)
{
    FormaAutorizacoes f;
    f.regras = N(itens, f.regras);
    ListaAutorizacoes(r, g, f);
}
void ConstroiMestreRec(TCMMestreListaRecebimento& r, Gerador& g, long itens) { ListaRecebimento(r, g, N(itens, 10)); }
void ConstroiMestreLei(TCMMestreListaLeiauteOC& r, Gerador& g, long itens) { ListaLeiauteOC(r, g, N(itens, 10)); }

template <class R, class S, void (*Constroi)(R&, Gerador&, long)> void Envia(const OpcoesEstrada& o, Enviada& e)
{
    Gerador g(o.semente);
    R r;
    Constroi(r, g, o.itens);
    r.CopiarPara(static_cast<S*>(e.Raiz()));
}

template <class R, class S, void (*Constroi)(R&, Gerador&, long)>
Documento DuasVias(const char* codigo, const char* descricao,
                   int (*estrada)(const Documento&, const OpcoesEstrada&) = &EstradaDuasVias<R, S, Constroi>)
{
    return Documento{codigo,
                     &tolv::Layout<S>::desc,
                     descricao,
                     true,
                     TemIgualdade<R>,
                     &Envia<R, S, Constroi>,
                     &LiberaEnviada<R, S>,
                     &LiberaServidor<R, S>,
                     &IdaEVolta<R, S>,
                     estrada};
}

} // namespace

const std::vector<Documento>& Documentos()
{
    static const std::vector<Documento> docs = {
        DuasVias<TCMRERegistroEntrada, tagREG_ENTRADAPS, ConstroiRE>("RE", "entry register", &EstradaRE),
        DuasVias<TCMOCOrdemCompra, tagREG_ORDEMPS, ConstroiOC>("OC", "purchase order"),
        DuasVias<TCMOCListaAutorizacao, tagREG_LISTAAUTORIZACAO_COMPRAPS, ConstroiOCAut>(
            "OCAutorizacao", "purchase order authorization list"),
        DuasVias<TCMSCSolicitacaoCompra, tagREG_SOLICITACAO_COMPRAPS, ConstroiSC>("SC", "purchase requisition"),
        DuasVias<TCMCPCotacaoPreco, tagREG_COTACAOPS, ConstroiCP>(
            "CP", "price quotation (supplier offers holding their working orders)"),
        DuasVias<TCMCCContrato, tagREG_CM_CONTRATO_COMPRAPS, ConstroiCC>("CC", "purchase contract, first generation"),
        DuasVias<TCMCC2Contrato, tagREG_CONTRATO_COMPRAPS, ConstroiCC2>("CC2", "purchase contract"),
        DuasVias<TCMCTConhecimentoTransporte, tagREG_CONHECIMENTOPS, ConstroiCT>("CT", "freight bill"),
        Documento{"EF", &tolv::Layout<_REG_ESCRITAFISCALPS>::desc, "fiscal movement, outwards only", false, false,
                  &EnviaEF, &LiberaEnviada<TEFMovimento, _REG_ESCRITAFISCALPS>,
                  &LiberaServidor<TEFMovimento, _REG_ESCRITAFISCALPS>, nullptr, &EstradaEF},
        DuasVias<TESMovimento, _REG_ES_MOVIMENTOPS, ConstroiES>("ES", "inventory movement"),
        DuasVias<TCMOPOperacao, tagREG_CM_OPERACAO_OPPS, ConstroiOP>("OP", "operation"),
        DuasVias<TCMMestreListaAutorizacoes, tagREG_CM_AUTORIZACOESMESTRE_LISTAPS, ConstroiMestreAut>(
            "MestreAutorizacoes", "master table of authorizations"),
        DuasVias<TCMMestreListaRecebimento, tagREG_CM_RECEBIMENTOMESTRE_LISTAPS, ConstroiMestreRec>(
            "MestreRecebimento", "master table of receipts"),
        DuasVias<TCMMestreListaLeiauteOC, tagREG_CM_LEIAUTEOCMESTRE_LISTAPS, ConstroiMestreLei>(
            "MestreLeiauteOC", "master table of purchase order layouts"),
    };
    return docs;
}

const Documento* DocumentoPorCodigo(const std::string& codigo)
{
    for (const Documento& d : Documentos())
        if (codigo == d.codigo)
            return &d;
    return nullptr;
}

const Documento* DocumentoPorEstrutura(const tolv::EstruturaDesc* e)
{
    for (const Documento& d : Documentos())
        if (e && std::strcmp(d.raiz->nome, e->nome) == 0)
            return &d;
    return nullptr;
}

Enviada::Enviada(const Documento& doc) : m_doc(doc), m_raiz(doc.raiz->tamanho, 0) {}

Enviada::~Enviada() { m_doc.liberaEnviada(m_raiz.data()); }

std::vector<unsigned char> Enviada::Arquivo()
{
    const tolv::EstruturaDesc* d2 = qtdSegunda ? tolv::SegundaRaizDe(*m_doc.raiz) : nullptr;
    return tolv::EscreveDocumento(*m_doc.raiz, m_raiz.data(), d2, segunda.data(), qtdSegunda);
}

} // namespace amostra
