// The targets of every document, each a ratio to the document's own floor in
// the same run (bench/Documentos.h names the benchmarks).
#include "bench/Metas.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "bench/Documentos.h"

namespace tolvbench {

namespace {

// A conversion within `limite` times its floor at every size.
struct Meta {
    const char* medida;
    const char* rotulo;
    const char* piso;
    double limite;
};

constexpr Meta kMetas[] = {
    {"CopiarParaZerarDelete", "CopiarPara + ZerarDelete", "PisoBlocos", 1.3},
    {"CopiarDe", "CopiarDe", "PisoBlocos", 2.0},
    {"CopiaConstrucao", "copy construction", "PisoBlocos", 2.0},
    {"Igualdade", "operator==", "PisoMemcmp", 2.0},
};

// A document held to a tighter target than the others.
struct MetaPropria {
    const char* doc;
    const char* medida;
    double limite;
};

constexpr MetaPropria kMetasProprias[] = {
    {"RE", "Igualdade", 1.5},
};

double Limite(const std::string& doc, const Meta& m)
{
    for (const MetaPropria& p : kMetasProprias)
        if (doc == p.doc && std::strcmp(m.medida, p.medida) == 0)
            return p.limite;
    return m.limite;
}

// From 100 to 1,000 items a conversion grows at most this much more than its
// floor.
constexpr int kDe = 100;
constexpr int kAte = 1000;
constexpr double kCrescimentoMaximo = 1.2;

// Targets outside the documents, each against its baseline in the same run:
// at most `limite` times the baseline's time, or (vezesMaisRapida) at least
// `limite` times as fast as it.
struct Aceleracao {
    const char* rotulo;
    const char* medida;
    const char* base;
    double limite;
    bool vezesMaisRapida;
};

constexpr Aceleracao kAceleracoes[] = {
    {"JQCRC32 of 64 KiB <= 4x memcpy", "BM_JQCRC32_64K", "BM_Memcpy64K", 4.0, false},
    {"JQCRC32 of 64 KiB >= 15x the byte loop", "BM_JQCRC32_64K", "BM_CRC32ByteLoop_64K", 15.0, true},
    {"CalculaCRC of a product item <= 10x memcpy", "BM_CalculaCRCProduto", "BM_MemcpyProduto", 10.0, false},
};

// The processor's model, as the figures depend on it.
std::string Processador()
{
    std::ifstream in("/proc/cpuinfo");
    std::string linha;
    while (std::getline(in, linha))
        if (linha.rfind("model name", 0) == 0) {
            size_t k = linha.find(':');
            return k == std::string::npos ? linha : linha.substr(linha.find_first_not_of(' ', k + 1));
        }
    return "unknown processor";
}

std::string Nome(const std::string& doc, const char* oque, int n) { return doc + "/" + oque + "/" + std::to_string(n); }

const double* Acha(const Resultados& r, const std::string& nome)
{
    auto it = r.melhores.find(nome);
    return it == r.melhores.end() || it->second <= 0 ? nullptr : &it->second;
}

bool Presente(const Resultados& r, const std::string& nome)
{
    return r.melhores.count(nome) != 0 || r.pulados.count(nome) != 0;
}

// One cell of a line: the ratio and the verdict, or why there is none.
struct Celula {
    double razao = 0;
    bool medida = false;
    bool cumprida = false;
    const char* falta = "-"; // "skipped" when a benchmark of the line was
};

class Tabela {
public:
    Tabela(const PorAjuste& r, std::ostream& os) : m_r(r), m_os(os), m_cumpridas(r.size()), m_medidas(r.size()) {}

    // Written before the first line, so that a run with no target writes nothing.
    void Cabecalho()
    {
        if (m_cabecalho)
            return;
        m_cabecalho = true;
        char b[256];
        m_os << "\nprocessor: " << Processador() << '\n';
        int k = std::snprintf(b, sizeof b, "%-4s %-48s %6s", "doc", "target (best CPU time in this run)", "N");
        for (const auto& [ajuste, _] : m_r)
            k += std::snprintf(b + k, sizeof b - static_cast<size_t>(k), "   %-22s", ajuste.c_str());
        Escreve(b);
    }

    // A line, unless none of its benchmarks ran.
    void Linha(const std::string& doc, const std::string& meta, const std::string& n, const std::vector<Celula>& c)
    {
        bool algo = false;
        for (const Celula& x : c)
            algo = algo || x.medida || std::strcmp(x.falta, "-") != 0;
        if (!algo)
            return;
        Cabecalho();
        char b[256];
        int k = std::snprintf(b, sizeof b, "%-4s %-48s %6s", doc.c_str(), meta.c_str(), n.c_str());
        for (size_t i = 0; i < c.size(); ++i) {
            char v[32];
            if (c[i].medida) {
                std::snprintf(v, sizeof v, "%6.2fx  %s", c[i].razao, c[i].cumprida ? "met" : "not met");
                ++m_medidas[i];
                m_cumpridas[i] += c[i].cumprida;
            } else {
                std::snprintf(v, sizeof v, "%7s", c[i].falta);
            }
            k += std::snprintf(b + k, sizeof b - static_cast<size_t>(k), "   %-22s", v);
        }
        Escreve(b);
    }

    void Resumo()
    {
        if (!m_cabecalho)
            return;
        char b[256];
        int k = std::snprintf(b, sizeof b, "%-4s %-48s %6s", "", "targets met", "");
        for (size_t i = 0; i < m_r.size(); ++i) {
            char v[32];
            std::snprintf(v, sizeof v, "%d of %d", m_cumpridas[i], m_medidas[i]);
            k += std::snprintf(b + k, sizeof b - static_cast<size_t>(k), "   %-22s", v);
        }
        Escreve(b);
    }

private:
    // A line without the spaces its last column leaves.
    void Escreve(const char* b)
    {
        std::string s(b);
        s.erase(s.find_last_not_of(' ') + 1);
        m_os << s << '\n';
    }

    const PorAjuste& m_r;
    std::ostream& m_os;
    std::vector<int> m_cumpridas;
    std::vector<int> m_medidas;
    bool m_cabecalho = false;
};

// The ratio a / b of two benchmarks of one run, or why there is none.
Celula Razao(const Resultados& r, const std::string& a, const std::string& b, double limite)
{
    Celula c;
    const double* ta = Acha(r, a);
    const double* tb = Acha(r, b);
    if (ta && tb) {
        c.medida = true;
        c.razao = *ta / *tb;
        c.cumprida = c.razao <= limite;
    } else if (r.pulados.count(a) || r.pulados.count(b)) {
        c.falta = "skipped";
    }
    return c;
}

// The growth of a from kDe to kAte items over the growth of its floor p.
Celula Crescimento(const Resultados& r, const std::string& doc, const Meta& m)
{
    Celula c;
    const double* a0 = Acha(r, Nome(doc, m.medida, kDe));
    const double* a1 = Acha(r, Nome(doc, m.medida, kAte));
    const double* p0 = Acha(r, Nome(doc, m.piso, kDe));
    const double* p1 = Acha(r, Nome(doc, m.piso, kAte));
    if (a0 && a1 && p0 && p1) {
        c.medida = true;
        c.razao = (*a1 / *a0) / (*p1 / *p0);
        c.cumprida = c.razao <= kCrescimentoMaximo;
    }
    return c;
}

} // namespace

void EscreveMetas(const PorAjuste& r, std::ostream& os)
{
    // The documents present: every one has its floor of blocks.
    std::set<std::string> docs;
    for (const auto& [_, res] : r) {
        auto junta = [&](const std::string& nome) {
            size_t k = nome.find("/PisoBlocos/");
            if (k != std::string::npos)
                docs.insert(nome.substr(0, k));
        };
        for (const auto& [nome, _t] : res.melhores)
            junta(nome);
        for (const auto& [nome, _m] : res.pulados)
            junta(nome);
    }
    Tabela t(r, os);
    std::vector<Celula> c(r.size());
    for (const std::string& doc : docs) {
        for (const Meta& m : kMetas) {
            bool algum = false;
            for (int n : kItens)
                for (const auto& [_, res] : r)
                    algum = algum || Presente(res, Nome(doc, m.medida, n));
            if (!algum)
                continue;
            char rotulo[96];
            double limite = Limite(doc, m);
            std::snprintf(rotulo, sizeof rotulo, "%s <= %.1fx floor", m.rotulo, limite);
            for (int n : kItens) {
                for (size_t i = 0; i < r.size(); ++i)
                    c[i] = Razao(r[i].second, Nome(doc, m.medida, n), Nome(doc, m.piso, n), limite);
                t.Linha(doc, rotulo, std::to_string(n), c);
            }
            std::snprintf(rotulo, sizeof rotulo, "  its growth %d to %d <= %.1fx the floor's", kDe, kAte,
                          kCrescimentoMaximo);
            for (size_t i = 0; i < r.size(); ++i)
                c[i] = Crescimento(r[i].second, doc, m);
            t.Linha(doc, rotulo, "", c);
        }
    }
    for (const Aceleracao& a : kAceleracoes) {
        bool algum = false;
        for (size_t i = 0; i < r.size(); ++i) {
            const double* tm = Acha(r[i].second, a.medida);
            const double* tb = Acha(r[i].second, a.base);
            c[i] = Celula();
            if (tm && tb) {
                algum = true;
                c[i].medida = true;
                c[i].razao = a.vezesMaisRapida ? *tb / *tm : *tm / *tb;
                c[i].cumprida = a.vezesMaisRapida ? c[i].razao >= a.limite : c[i].razao <= a.limite;
            }
        }
        if (algum)
            t.Linha("", a.rotulo, "", c);
    }
    t.Resumo();
}

std::string Serializa(const Resultados& r)
{
    std::ostringstream s;
    s.precision(17);
    for (const auto& [nome, ns] : r.melhores)
        s << "T\t" << nome << '\t' << ns << '\n';
    for (const auto& [nome, msg] : r.pulados)
        s << "P\t" << nome << '\t' << msg << '\n';
    return s.str();
}

Resultados Desserializa(const std::string& s)
{
    Resultados r;
    std::istringstream in(s);
    std::string linha;
    while (std::getline(in, linha)) {
        size_t a = linha.find('\t');
        size_t b = a == std::string::npos ? a : linha.find('\t', a + 1);
        if (b == std::string::npos)
            continue;
        std::string nome = linha.substr(a + 1, b - a - 1);
        std::string resto = linha.substr(b + 1);
        if (linha[0] == 'T')
            r.melhores[nome] = std::stod(resto);
        else
            r.pulados[nome] = resto;
    }
    return r;
}

void ReporterComMetas::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& r : runs) {
        // Every repetition, or their minimum when only aggregates are shown.
        if (r.run_type != Run::RT_Iteration && r.aggregate_name != "min")
            continue;
        std::string nome = r.run_name.str();
        if (r.error_occurred) {
            m_resultados.pulados[nome] = r.error_message;
            continue;
        }
        double ns = r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e9;
        auto [it, novo] = m_resultados.melhores.emplace(nome, ns);
        if (!novo && ns < it->second)
            it->second = ns;
    }
    ConsoleReporter::ReportRuns(runs);
}

void ReporterComMetas::Finalize()
{
    for (const auto& [nome, msg] : Pulados())
        m_resultados.pulados.emplace(nome, msg);
    if (!m_ajuste.empty())
        EscreveMetas({{m_ajuste, m_resultados}}, GetOutputStream());
    ConsoleReporter::Finalize();
}

} // namespace tolvbench
