// The document harness: the tree kept between benchmarks, and the two floors.
#include "bench/Documentos.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <new>
#include <utility>

namespace tolvbench {

namespace {

// One tree at a time, the benchmarks of a size running one after another.
struct Vaga {
    const Documento* doc = nullptr;
    int itens = 0;
    std::unique_ptr<Arvore> arvore;
};

Vaga& AVaga()
{
    static Vaga v;
    return v;
}

// What failed at each document and size, so that the later benchmarks of that
// size skip at once. The messages live as long as the run.
std::map<std::pair<std::string, int>, std::string>& Falhas()
{
    static std::map<std::pair<std::string, int>, std::string> f;
    return f;
}

// The exception being handled, in a word.
const char* Motivo()
{
    try {
        throw;
    } catch (CMemoryException* e) {
        e->Delete();
        return "memory exception";
    } catch (CException* e) {
        e->Delete();
        return "exception";
    } catch (const std::bad_alloc&) {
        return "bad_alloc";
    } catch (...) {
        return "exception";
    }
}

std::map<std::string, std::string>& OsPulados()
{
    static std::map<std::string, std::string> p;
    return p;
}

// The reason the running benchmark was skipped.
std::string& UltimaFalha()
{
    static std::string f;
    return f;
}

void Pula(benchmark::State& st, const std::string& msg)
{
    if (st.error_occurred())
        return;
    UltimaFalha() = msg;
    st.SkipWithError(msg.c_str());
}

std::string Texto(const Documento& d, int itens, const char* oque, const char* motivo)
{
    // Only the memory exceptions say the address space ran out.
    const char* oqueHouve = std::strcmp(motivo, "exception") == 0 ? "failed in " : "out of address space in ";
    return d.sigla + ", " + std::to_string(itens) + " items: " + oqueHouve + oque + " (" + motivo + "), skipped";
}

} // namespace

Arvore* ArvoreDoDocumento(benchmark::State& st, const Documento& d, int itens)
{
    auto f = Falhas().find({d.sigla, itens});
    if (f != Falhas().end()) {
        Pula(st, f->second);
        return nullptr;
    }
    Vaga& v = AVaga();
    if (v.doc == &d && v.itens == itens && v.arvore)
        return v.arvore.get();
    v.arvore.reset();
    v.doc = &d;
    v.itens = itens;
    try {
        v.arvore = d.constroi(itens);
    } catch (...) {
        const char* motivo = Motivo();
        std::string& msg = Falhas()[{d.sigla, itens}];
        msg = Texto(d, itens, "building the tree", motivo);
        Pula(st, msg);
        return nullptr;
    }
    return v.arvore.get();
}

void Falha(benchmark::State& st, const Documento& d, int itens, const char* oque)
{
    const char* motivo = Motivo();
    Pula(st, Texto(d, itens, oque, motivo));
}

void Bytes(benchmark::State& st, const Arvore& a)
{
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * static_cast<int64_t>(a.bytes));
}

const std::map<std::string, std::string>& Pulados() { return OsPulados(); }

void Solta() { AVaga() = Vaga(); }

// The floor of writing on this format: every block of the tree taken from
// array new and filled by memcpy in the order a walk meets them (the top
// structure copied into the caller's), then released by delete[], each array
// after its elements' blocks. No record is behind it; the walk is made once,
// before the loop.
void PisoBlocos(benchmark::State& st, const Documento& d, int itens)
{
    Arvore* a = ArvoreDoDocumento(st, d, itens);
    if (!a)
        return;
    const std::vector<amostra::Bloco>& b = a->blocos.blocos;
    std::vector<unsigned char*> p(b.size());
    std::vector<unsigned char> topo(a->tamanhoTopo);
    size_t feitos = 0;
    try {
        for (auto _ : st) {
            std::memcpy(topo.data(), a->topo, a->tamanhoTopo);
            for (feitos = 0; feitos < b.size(); ++feitos) {
                p[feitos] = new unsigned char[b[feitos].tamanho];
                std::memcpy(p[feitos], b[feitos].origem, b[feitos].tamanho);
            }
            benchmark::DoNotOptimize(p.data());
            benchmark::DoNotOptimize(topo.data());
            for (size_t k : a->blocos.soltura)
                delete[] p[k];
        }
    } catch (...) {
        for (size_t k = 0; k < feitos; ++k)
            delete[] p[k];
        return Falha(st, d, itens, "taking the blocks");
    }
    Bytes(st, *a);
}

// The floor of the comparison: the top structure and every block of the tree
// compared by memcmp with a copy of each, the copies taken one after another.
void PisoMemcmp(benchmark::State& st, const Documento& d, int itens)
{
    Arvore* a = ArvoreDoDocumento(st, d, itens);
    if (!a)
        return;
    const std::vector<amostra::Bloco>& b = a->blocos.blocos;
    std::vector<std::unique_ptr<unsigned char[]>> copia(b.size());
    std::vector<unsigned char> topo(a->topo, a->topo + a->tamanhoTopo);
    try {
        for (size_t k = 0; k < b.size(); ++k) {
            copia[k].reset(new unsigned char[b[k].tamanho]);
            std::memcpy(copia[k].get(), b[k].origem, b[k].tamanho);
        }
    } catch (...) {
        return Falha(st, d, itens, "copying the blocks");
    }
    for (auto _ : st) {
        int r = std::memcmp(a->topo, topo.data(), a->tamanhoTopo);
        for (size_t k = 0; k < b.size() && r == 0; ++k)
            r = std::memcmp(b[k].origem, copia[k].get(), b[k].tamanho);
        benchmark::DoNotOptimize(r);
    }
    Bytes(st, *a);
}

void Adiciona(const Documento& d, const char* oque, int itens, Medida m)
{
    std::string nome = d.sigla + "/" + oque + "/" + std::to_string(itens);
    auto medida = [&d, itens, m, nome](benchmark::State& st) {
        // A repetition of a benchmark that ran out of address space fails
        // the same way: said again without trying.
        auto p = OsPulados().find(nome);
        if (p != OsPulados().end())
            return Pula(st, p->second);
        m(st, d, itens);
        if (st.error_occurred())
            OsPulados()[nome] = UltimaFalha();
    };
    benchmark::RegisterBenchmark(nome.c_str(), medida)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Minimo);
}

double Minimo(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

const Documento& Guarda(Documento d)
{
    static std::deque<Documento> documentos;
    documentos.push_back(std::move(d));
    return documentos.back();
}

} // namespace tolvbench
