// The benchmarks of every document, each beside the format's floor measured
// in the same run.
//
// A document registers once, in a source file of its own in bench/ (the build
// picks up every bench/*.cpp):
//
//     #include "bench/Documentos.h"
//     #include "tools/AmostraXX.h"
//
//     namespace {
//     // A tree of `itens` items, built into a fresh record.
//     void Amostra(TXXRegistro& r, int itens) { ... }
//     } // namespace
//
//     TOLV_BENCH_DOCUMENTO(XX, TXXRegistro, tagREG_XXPS, Amostra);
//
// and gets, at 10, 100, 1,000 and 10,000 items, in this order for each size:
//   XX/PisoBlocos/N             the floor: the blocks CopiarPara writes for the
//                               tree, taken from array new, filled by memcpy
//                               and released by delete[]
//   XX/CopiarParaZerarDelete/N  CopiarPara into a structure, then ZerarDelete
//   XX/CopiarDe/N               a fresh record reading what CopiarPara wrote
//   XX/CopiaConstrucao/N        copy construction of the record (and its end)
//   XX/PisoMemcmp/N             the floor of the comparison: the same blocks
//                               compared by memcmp with a copy of each
//   XX/Igualdade/N              operator== of the record and a copy of it
// The last two only when the record has operator==. The blocks are found by
// walking the written tree through the layout description (tolv::Layout<S>),
// so nothing else is needed. A size whose tree cannot be built or copied in
// the address space is skipped with a message. bench/Metas.cpp reads the
// targets off these names for every document present.
//
// A document whose caller sends more than the structure (blocks of its own
// beside it, as the fiscal movement's items and further rates) gives R a
//     static void Acompanhantes(const R& r, std::vector<std::vector<unsigned char>>& blocos);
// with the images of those blocks; its CopiarPara(S*) sends them too, and
// releases them (the last taken first) before the structure's arrays. The
// floors take them after the tree's blocks and release them in that order.
//
// The record R needs a default constructor, CopiarPara(S*) and a copy
// constructor. A record without CopiarDe(S*) (a document that only goes out)
// has no reading benchmark; one without static ZerarDelete(S*) is released by
// the walk of its layout description, as the library's LiberaArvore does. The
// short name is an identifier; a subsystem with more than one top record
// registers each under a name of its own. Benchmarks of the document's own
// (a checksum, say) go in the same file, with BENCHMARK as usual.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "tolvdata.h"
#include "tools/Amostras.h"

namespace tolvbench {

// Item counts of every document benchmark.
inline constexpr int kItens[] = {10, 100, 1000, 10000};

// A written tree of one document at one size, as the floors see it: the top
// structure and the blocks CopiarPara took for it.
struct Arvore {
    virtual ~Arvore() = default;
    const unsigned char* topo = nullptr;
    size_t tamanhoTopo = 0;
    amostra::Blocos blocos;
    size_t bytes = 0; // everything written, the top structure included
    std::vector<std::vector<unsigned char>> acompanhantes;
};

// What R's CopiarPara allocated under ps, released by R's ZerarDelete, or by
// the description's walk where R has none.
template <class R, class S> void ZerarDelete(S* ps)
{
    if constexpr (requires { R::ZerarDelete(ps); })
        R::ZerarDelete(ps);
    else
        tolv::LiberaAninhados(tolv::Layout<S>::desc, ps, tolv::Liberacao::Delete);
}

// The record of n items and what its CopiarPara wrote, kept while the
// benchmarks of that size run.
template <class R, class S> struct ArvoreDe : Arvore {
    R registro;
    S ps{};
    ~ArvoreDe() override { ZerarDelete<R>(&ps); }
};

struct Documento {
    std::string sigla;
    const tolv::EstruturaDesc* desc;
    std::function<std::unique_ptr<Arvore>(int itens)> constroi;
};

using Medida = void (*)(benchmark::State& st, const Documento& d, int itens);

// The tree of d at n items: the one kept from the previous benchmark if it is
// the same, else a new one (the previous released first). Null, with the
// benchmark skipped and the reason said, when it cannot be built.
Arvore* ArvoreDoDocumento(benchmark::State& st, const Documento& d, int itens);

// Skips the running benchmark after an exception (the memory exception where
// the address space runs out), saying what failed.
void Falha(benchmark::State& st, const Documento& d, int itens, const char* oque);

// The benchmarks skipped so far, by name, with the reason (also when only
// aggregates are shown, which leave them out).
const std::map<std::string, std::string>& Pulados();

// Releases the tree kept (at the end of the run).
void Solta();

// Bytes processed by the benchmark, from the written tree.
void Bytes(benchmark::State& st, const Arvore& a);

// The two floors, over the blocks of any written tree.
void PisoBlocos(benchmark::State& st, const Documento& d, int itens);
void PisoMemcmp(benchmark::State& st, const Documento& d, int itens);

// Adds the benchmark sigla/oque/itens.
void Adiciona(const Documento& d, const char* oque, int itens, Medida m);

// The "min" statistic every benchmark of the table reports beside the mean
// and median: the table reads it when only aggregates are shown.
double Minimo(const std::vector<double>& v);

// Keeps d for the whole run (the benchmarks refer to it).
const Documento& Guarda(Documento d);

template <class R> using Amostra = void (*)(R& r, int itens);

template <class R, class S> ArvoreDe<R, S>* DoRegistro(benchmark::State& st, const Documento& d, int itens)
{
    return static_cast<ArvoreDe<R, S>*>(ArvoreDoDocumento(st, d, itens));
}

template <class R, class S> std::unique_ptr<Arvore> Constroi(Amostra<R> gera, int itens)
{
    const tolv::EstruturaDesc& desc = tolv::Layout<S>::desc;
    auto a = std::make_unique<ArvoreDe<R, S>>();
    gera(a->registro, itens);
    a->registro.CopiarPara(&a->ps);
    a->topo = reinterpret_cast<const unsigned char*>(&a->ps);
    a->tamanhoTopo = sizeof(S);
    amostra::ListaBlocos(desc, &a->ps, a->blocos);
    a->bytes = amostra::Mede(desc, &a->ps).bytes;
    if constexpr (requires(const R& r, std::vector<std::vector<unsigned char>>& v) { R::Acompanhantes(r, v); }) {
        R::Acompanhantes(a->registro, a->acompanhantes);
        std::vector<size_t> primeiro;
        for (const std::vector<unsigned char>& v : a->acompanhantes) {
            primeiro.push_back(a->blocos.blocos.size());
            a->blocos.blocos.push_back({v.data(), v.size()});
            a->bytes += v.size();
        }
        a->blocos.soltura.insert(a->blocos.soltura.begin(), primeiro.rbegin(), primeiro.rend());
    }
    return a;
}

template <class R, class S> void CopiarParaZerarDelete(benchmark::State& st, const Documento& d, int itens)
{
    ArvoreDe<R, S>* a = DoRegistro<R, S>(st, d, itens);
    if (!a)
        return;
    try {
        for (auto _ : st) {
            S ps;
            try {
                a->registro.CopiarPara(&ps);
            } catch (...) {
                ZerarDelete<R>(&ps); // what was written before the failure
                throw;
            }
            benchmark::DoNotOptimize(&ps);
            ZerarDelete<R>(&ps);
        }
    } catch (...) {
        return Falha(st, d, itens, "CopiarPara");
    }
    Bytes(st, *a);
}

template <class R, class S> void CopiarDe(benchmark::State& st, const Documento& d, int itens)
{
    ArvoreDe<R, S>* a = DoRegistro<R, S>(st, d, itens);
    if (!a)
        return;
    try {
        for (auto _ : st) {
            R r;
            r.CopiarDe(&a->ps);
            benchmark::DoNotOptimize(&r);
        }
    } catch (...) {
        return Falha(st, d, itens, "CopiarDe");
    }
    Bytes(st, *a);
}

template <class R, class S> void CopiaConstrucao(benchmark::State& st, const Documento& d, int itens)
{
    ArvoreDe<R, S>* a = DoRegistro<R, S>(st, d, itens);
    if (!a)
        return;
    try {
        for (auto _ : st) {
            R b(a->registro);
            benchmark::DoNotOptimize(&b);
        }
    } catch (...) {
        return Falha(st, d, itens, "copy construction");
    }
    Bytes(st, *a);
}

template <class R, class S> void Igualdade(benchmark::State& st, const Documento& d, int itens)
{
    ArvoreDe<R, S>* a = DoRegistro<R, S>(st, d, itens);
    if (!a)
        return;
    try {
        const R& x = a->registro;
        const R y(x);
        for (auto _ : st)
            benchmark::DoNotOptimize(x == y);
    } catch (...) {
        return Falha(st, d, itens, "the copy to compare with");
    }
    Bytes(st, *a);
}

template <class R, class S> bool Registra(const char* sigla, Amostra<R> gera)
{
    const Documento& d =
        Guarda({sigla, &tolv::Layout<S>::desc, [gera](int itens) { return Constroi<R, S>(gera, itens); }});
    for (int n : kItens) {
        Adiciona(d, "PisoBlocos", n, &PisoBlocos);
        Adiciona(d, "CopiarParaZerarDelete", n, &CopiarParaZerarDelete<R, S>);
        if constexpr (requires(R r, S * p) { r.CopiarDe(p); })
            Adiciona(d, "CopiarDe", n, &CopiarDe<R, S>);
        Adiciona(d, "CopiaConstrucao", n, &CopiaConstrucao<R, S>);
        if constexpr (requires(const R& x, const R& y) { static_cast<bool>(x == y); }) {
            Adiciona(d, "PisoMemcmp", n, &PisoMemcmp);
            Adiciona(d, "Igualdade", n, &Igualdade<R, S>);
        }
    }
    return true;
}

} // namespace tolvbench

// Registers the benchmarks of a document (see above): its short name, record
// class, transfer structure and builder of a tree of n items.
#define TOLV_BENCH_DOCUMENTO(Sigla, R, S, gera)                                                                        \
    [[maybe_unused]] static const bool tolvbenchDocumento##Sigla = tolvbench::Registra<R, S>(#Sigla, gera)
