// `tolvdata road`: one entry register through the library, step by step, as
// the module's application does with a document from its server.
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tolvdata.h"
#include "tools/AmostraRE.h"
#include "tools/Amostras.h"
#include "tools/Comandos.h"

namespace ferramenta {

namespace {

using Relogio = std::chrono::steady_clock;

const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

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

void ImprimeListas(const tagREG_ENTRADAPS& ps)
{
    amostra::MedidaPorLista m;
    amostra::MedePorLista(DescRE(), &ps, m);
    for (const auto& [nome, medida] : m)
        if (medida.blocos)
            std::printf("      %-50s %7zu elements %10zu bytes\n", nome.c_str(), medida.blocos, medida.bytes);
}

bool LeNumero(const Args& a, const char* opcao, long& v)
{
    for (size_t i = 0; i + 1 < a.size(); ++i)
        if (a[i] == opcao) {
            char* fim = nullptr;
            v = std::strtol(a[i + 1].c_str(), &fim, 10);
            return fim && *fim == 0;
        }
    return true;
}

} // namespace

int Estrada(const Args& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::printf("usage: tolvdata road [--items N] [--seed S]\n"
                        "Builds an entry register with N product items (default 25) from seed S (default 1)\n"
                        "and walks it through the library as the module does, one line per step.\n");
            return 0;
        }
    long itens = 25;
    long semente = 1;
    if (!LeNumero(args, "--items", itens) || !LeNumero(args, "--seed", semente) || itens < 1 || itens > 65535) {
        std::fprintf(
            stderr,
            "tolvdata: --items takes 1 to 65535, --seed a number\nusage: tolvdata road [--items N] [--seed S]\n");
        return 2;
    }
    std::printf("tolvdata road: one entry register with %ld product items (seed %ld)\n", itens, semente);

    amostra::Gerador g(static_cast<uint32_t>(semente));
    amostra::FormaRegistro forma;
    forma.produtos = static_cast<int>(itens);
    TCMRERegistroEntrada original;
    amostra::Registro(original, g, forma);

    Passos p;
    tagREG_ENTRADAPS* servidor = nullptr;
    p.Passo("server builds its structure", [&](std::string& d) {
        tagREG_ENTRADAPS feito;
        original.CopiarPara(&feito);
        servidor = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof *servidor));
        amostra::ClonaComTaskMem(DescRE(), &feito, servidor);
        TCMRERegistroEntrada::ZerarDelete(&feito);
        amostra::Medida m = amostra::Mede(DescRE(), servidor);
        d = Fmt("%zu structures, %zu bytes from the task allocator", m.blocos, m.bytes);
        return true;
    });
    ImprimeListas(*servidor);

    TCMRERegistroEntrada r;
    p.Passo("CopiarDe", [&](std::string& d) {
        r.CopiarDe(servidor);
        d = Fmt("%d products, %d services, %d instalments, %d tax titles", r.GetQuantidadeProduto(),
                r.GetQuantidadeServico(), r.CondicaoPgto.GetQuantidadeParcela(), r.CondicaoPgto.GetQuantidadeTitulo());
        return r == original;
    });
    p.Passo("ZerarGlobalAlloc", [&](std::string& d) {
        TCMRERegistroEntrada::ZerarGlobalAlloc(servidor);
        CoTaskMemFree(servidor);
        servidor = nullptr;
        d = "every nested block released with CoTaskMemFree";
        return true;
    });

    TCMRERegistroEntrada guardado;
    p.Passo("keep a copy", [&](std::string& d) {
        guardado = r;
        d = guardado == r ? "copy compares equal" : "copy differs";
        return guardado == r;
    });
    std::vector<unsigned long> crcs;
    p.Passo("item checksums (Set_CRC)", [&](std::string& d) {
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
        d = Fmt("%zu product CRCs, first %08lX, combined %08lX", crcs.size(), crcs.empty() ? 0ul : crcs[0], todos);
        return !crcs.empty();
    });

    const int alvo = r.GetQuantidadeProduto() / 2;
    p.Passo("edit through accessors and lists", [&](std::string& d) {
        TCMREItemProduto& it = r.GetRefProduto(alvo);
        it.SetQuantidade(JQCY(it.GetQuantidade().int64 + 10000));
        r.TrocaProduto(0, r.GetQuantidadeProduto() - 1);
        r.TrocaProduto(0, r.GetQuantidadeProduto() - 1);
        r.AdicionaServico(amostra::Servico(g, r.GetQuantidadeServico()));
        r.DeletarServico(r.GetQuantidadeServico() - 1);
        r.AdicionaLogs("quantity of one item changed");
        d = Fmt("quantity of product %d raised by 1", alvo);
        return true;
    });
    p.Passo("compare with the kept copy", [&](std::string& d) {
        bool igual = r == guardado;
        std::vector<int> mudados;
        for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
            if (r.GetProduto(i).CalculaCRC() != r.GetProduto(i).Get_CRC())
                mudados.push_back(i);
        d = Fmt("%s; changed items by CRC:", igual ? "equal" : "not equal");
        for (int i : mudados)
            d += Fmt(" %d", i);
        return !igual && mudados.size() == 1 && mudados[0] == alvo;
    });

    tagREG_ENTRADAPS enviado;
    p.Passo("CopiarPara", [&](std::string& d) {
        std::memset(&enviado, 0xFF, sizeof enviado);
        r.CopiarPara(&enviado);
        amostra::Medida m = amostra::Mede(DescRE(), &enviado);
        d = Fmt("%zu structures, %zu bytes from array new", m.blocos, m.bytes);
        return true;
    });
    ImprimeListas(enviado);
    p.Passo("read back what was sent", [&](std::string& d) {
        TCMRERegistroEntrada volta;
        volta.CopiarDe(&enviado);
        d = volta == r ? "equal to the edited register" : "differs from the edited register";
        return volta == r;
    });
    p.Passo("ZerarDelete", [&](std::string& d) {
        TCMRERegistroEntrada::ZerarDelete(&enviado);
        d = "every nested block released with delete[]";
        return true;
    });

    if (p.Falhas()) {
        std::printf("road: %d step(s) did not give the expected result\n", p.Falhas());
        return 1;
    }
    std::printf("road: every step as expected\n");
    return 0;
}

} // namespace ferramenta
