// The storage cache of the list container.
#include "platform/afxtempl.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>

#include "platform/CacheArmazenamento.h"

namespace {

#ifndef TOLV_SEM_CACHE

// Blocks of one size; list storage comes in few sizes per element type (step
// times element), but a process that handles many documents sees hundreds.
constexpr unsigned kClasses = 1024;
// Sizes a thread tracks at most (the table stays sparse for short probes).
constexpr unsigned kMaxClasses = 768;
// Bytes a thread keeps at most, and the largest block it keeps.
constexpr size_t kLimite = size_t(512) << 20;
constexpr size_t kMaiorBloco = size_t(16) << 20;
// Bytes all threads together keep at most: they share one address space, and
// a thread left idle after a large document must not starve the others. A
// thread takes its share of it in steps (one atomic operation a step, not a
// block) and gives back what it no longer keeps.
constexpr size_t kLimiteProcesso = kLimite;
constexpr size_t kPassoCota = size_t(8) << 20;
std::atomic<size_t> g_cotas{0};

// The free blocks of one size, as a stack of addresses kept apart from the
// blocks: handing one out does not read it, and the next one is prefetched.
// The bottom of the stack is kept in falling address order, so that a large
// list tree built from it lies in rising order, as fresh memory would.
struct Classe {
    size_t bytes;
    void** blocos;
    unsigned n;
    unsigned capacidade;
    unsigned uso;       // the thread's clock at the last take or release
    unsigned ordenados; // blocos[0, ordenados) in falling address order
};

// Blocks of one size released since the stack was last put in order, below
// which they are handed out as released, last first: short-lived storage and
// trees that fit the processor's caches stay warm. Past it the order of the
// addresses pays (a walk over a large tree streams from memory).
constexpr unsigned kSoltosEmOrdem = 1024;

bool Acima(void* a, void* b) noexcept { return reinterpret_cast<uintptr_t>(a) > reinterpret_cast<uintptr_t>(b); }

// Puts the blocks released since the last time in falling order (as released
// in rising or falling order, one pass) and merges them with the rest.
void Ordena(Classe& k) noexcept
{
    void** ini = k.blocos + k.ordenados;
    void** fim = k.blocos + k.n;
    if (std::is_sorted(ini, fim, [](void* a, void* b) { return Acima(b, a); }))
        std::reverse(ini, fim);
    else if (!std::is_sorted(ini, fim, Acima))
        std::sort(ini, fim, Acima);
    if (k.ordenados > 0 && ini != fim && !Acima(*(ini - 1), *ini))
        std::inplace_merge(k.blocos, ini, fim, Acima);
    k.ordenados = k.n;
}

struct Cache {
    Classe classes[kClasses];
    size_t total;
    unsigned nClasses;
    unsigned relogio;
    int estado;         // 1 in use, 2 thread ended
    unsigned nBlocos;   // blocks kept
    unsigned verificar; // the clock before which no size kept can have ended
    size_t cota;        // the thread's share of the process's bound, total at most
};

// Ticks of the clock a size must go without use, at least, before it counts
// as ended at the bound.
constexpr unsigned kIdade = 4096;

// The thread's cache is reached through one initial-exec pointer (the library
// is loaded with the program), made on the thread's first release; a thread
// that has ended points at g_terminado, whose releases go to free().
__attribute__((tls_model("initial-exec"))) thread_local Cache* t_cache;
Cache g_terminado = {{}, 0, 0, 0, 2, 0, 0, 0};

// Makes the thread's share cover `total` bytes; false when the process's bound
// leaves too little.
bool Cobre(Cache& c, size_t total) noexcept
{
    if (total <= c.cota)
        return true;
    const size_t falta = total - c.cota;
    size_t atual = g_cotas.load(std::memory_order_relaxed);
    for (;;) {
        const size_t livre = kLimiteProcesso - atual;
        if (livre < falta)
            return false;
        const size_t pede = std::min(livre, std::max(falta, kPassoCota));
        if (g_cotas.compare_exchange_weak(atual, atual + pede, std::memory_order_relaxed)) {
            c.cota += pede;
            return true;
        }
    }
}

// Gives back the share the thread no longer needs (one step stays).
inline void DevolveCota(Cache& c) noexcept
{
    if (c.cota - c.total > 2 * kPassoCota) {
        const size_t sobra = c.cota - c.total - kPassoCota;
        g_cotas.fetch_sub(sobra, std::memory_order_relaxed);
        c.cota -= sobra;
    }
}

void Solta(Cache& c, Classe& k) noexcept
{
    for (unsigned i = 0; i < k.n; ++i)
        std::free(k.blocos[i]);
    c.total -= k.bytes * k.n;
    c.nBlocos -= k.n;
    k.n = 0;
    k.ordenados = 0;
    DevolveCota(c);
}

void Esvazia(Cache& c) noexcept
{
    for (Classe& k : c.classes) {
        Solta(c, k);
        std::free(k.blocos);
        k = Classe{};
    }
    c.total = 0;
    c.nBlocos = 0;
    c.nClasses = 0;
    g_cotas.fetch_sub(c.cota, std::memory_order_relaxed);
    c.cota = 0;
}

struct Guardiao {
    ~Guardiao()
    {
        if (Cache* c = t_cache; c && c != &g_terminado) {
            Esvazia(*c);
            std::free(c);
        }
        t_cache = &g_terminado;
    }
};

thread_local Guardiao t_guardiao;

bool Empilha(Classe& k, void* p) noexcept
{
    if (k.n == k.capacidade) {
        unsigned nova = k.capacidade ? 2 * k.capacidade : 64;
        void* b = std::realloc(static_cast<void*>(k.blocos), nova * sizeof(void*));
        if (!b)
            return false;
        k.blocos = static_cast<void**>(b);
        k.capacidade = nova;
    }
    k.blocos[k.n++] = p;
    return true;
}

unsigned Inicio(size_t bytes) noexcept
{
    return static_cast<unsigned>((static_cast<uint32_t>(bytes) * 0x9E3779B1u) >> 22) % kClasses;
}

// The class of this size; null when it has none (and cria is false).
Classe* AchaClasse(Cache& c, size_t bytes, bool cria) noexcept
{
    for (unsigned i = Inicio(bytes);; i = (i + 1) % kClasses) {
        Classe& x = c.classes[i];
        if (x.bytes == bytes)
            return &x;
        if (x.bytes == 0) {
            if (!cria)
                return nullptr;
            x.bytes = bytes;
            ++c.nClasses;
            return &x;
        }
    }
}

// The class that has gone longest without use among those holding blocks,
// other than the one of `poupar` bytes.
Classe* MenosUsada(Cache& c, size_t poupar) noexcept
{
    Classe* v = nullptr;
    for (Classe& k : c.classes)
        if (k.n && k.bytes != poupar && (!v || static_cast<int>(k.uso - v->uso) < 0))
            v = &k;
    return v;
}

// The ticks a size must go without use, now, to count as ended: more than
// the blocks the thread keeps (it handled more than it keeps without it).
unsigned Limiar(const Cache& c) noexcept { return c.nBlocos > kIdade ? c.nBlocos : kIdade; }

// At the byte bound, the sizes whose work has ended give way to a block of
// `bytes`; those still in use do not (the block goes back to the C library
// instead, and what the thread keeps stays whole). Between checks only a
// clock compare: the least used size, unused for d ticks now, cannot end
// before the limit's worth of ticks has gone by.
void AbreEspaco(Cache& c, size_t bytes) noexcept
{
    while (c.total + bytes > kLimite && static_cast<int>(c.relogio - c.verificar) >= 0) {
        Classe* v = MenosUsada(c, bytes);
        if (!v)
            return;
        const unsigned desde = c.relogio - v->uso;
        const unsigned limiar = Limiar(c);
        if (desde <= limiar) {
            c.verificar = c.relogio + (limiar - desde) + 1;
            return;
        }
        Solta(c, *v);
    }
}

// With the table at its bound: the sizes holding no block are forgotten (and,
// when every one holds some, the least used), and the rest inserted again.
void Reorganiza(Cache& c) noexcept
{
    auto* antigas = static_cast<Classe*>(std::malloc(sizeof c.classes));
    if (!antigas)
        return;
    bool vazia = false;
    for (const Classe& k : c.classes)
        vazia = vazia || (k.bytes && !k.n);
    if (!vazia)
        if (Classe* v = MenosUsada(c, 0))
            Solta(c, *v);
    std::memcpy(static_cast<void*>(antigas), c.classes, sizeof c.classes);
    std::memset(static_cast<void*>(c.classes), 0, sizeof c.classes);
    c.nClasses = 0;
    for (unsigned i = 0; i < kClasses; ++i) {
        Classe& k = antigas[i];
        if (!k.bytes)
            continue;
        if (!k.n) {
            std::free(k.blocos);
            continue;
        }
        *AchaClasse(c, k.bytes, true) = k;
    }
    std::free(antigas);
}

#endif

} // namespace

void* tolv::TomaArmazenamento(size_t bytes) noexcept
{
    if (bytes < sizeof(void*))
        bytes = sizeof(void*);
#ifndef TOLV_SEM_CACHE
    Cache* c = t_cache;
    if (c && c->total) {
        if (Classe* k = AchaClasse(*c, bytes, false); k && k->n) {
            k->uso = ++c->relogio;
            if (k->n - k->ordenados >= kSoltosEmOrdem)
                Ordena(*k);
            void* p = k->blocos[--k->n];
            if (k->ordenados > k->n)
                k->ordenados = k->n;
            if (k->n)
                __builtin_prefetch(k->blocos[k->n - 1], 1);
            c->total -= bytes;
            --c->nBlocos;
            DevolveCota(*c);
            return p;
        }
    }
#endif
    void* p = std::malloc(bytes);
#ifndef TOLV_SEM_CACHE
    if (!p && c && c->total) {
        // What the thread keeps gives way to what it needs.
        Esvazia(*c);
        p = std::malloc(bytes);
    }
#endif
    return p;
}

void tolv::DevolveArmazenamento(void* p, size_t bytes) noexcept
{
    if (!p)
        return;
    if (bytes < sizeof(void*))
        bytes = sizeof(void*);
#ifndef TOLV_SEM_CACHE
    Cache* c = t_cache;
    if (!c) {
        c = static_cast<Cache*>(std::calloc(1, sizeof(Cache)));
        if (c) {
            // Registers the release at thread exit.
            static_cast<void>(&t_guardiao);
            c->estado = 1;
            t_cache = c;
        }
    }
    if (c && c->estado != 2 && bytes <= kMaiorBloco) {
        // Room is made by releasing the sizes whose work has ended: what the
        // thread keeps follows what it handles now, and a document larger
        // than the bound keeps the part that fits instead of trading sizes.
        Classe* k = AchaClasse(*c, bytes, false);
        AbreEspaco(*c, bytes);
        if (!k && c->nClasses >= kMaxClasses)
            Reorganiza(*c);
        if (!k && c->nClasses < kMaxClasses)
            k = AchaClasse(*c, bytes, true);
        if (k && c->total + bytes <= kLimite && Cobre(*c, c->total + bytes) && Empilha(*k, p)) {
            k->uso = ++c->relogio;
            c->total += bytes;
            ++c->nBlocos;
            return;
        }
        ++c->relogio;
    }
#endif
    std::free(p);
}

void tolv::EsvaziaArmazenamento() noexcept
{
#ifndef TOLV_SEM_CACHE
    if (Cache* c = t_cache; c && c != &g_terminado)
        Esvazia(*c);
#endif
}

size_t tolv::ArmazenamentoGuardado() noexcept
{
#ifndef TOLV_SEM_CACHE
    return t_cache ? t_cache->total : 0;
#else
    return 0;
#endif
}
