// The storage cache of the list container.
#include "platform/afxtempl.h"

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define TOLV_SEM_CACHE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define TOLV_SEM_CACHE 1
#endif
#endif

namespace {

#ifndef TOLV_SEM_CACHE

// Blocks of one size; list storage comes in few sizes (step times element).
constexpr unsigned kClasses = 64;
// Bytes a thread keeps at most, and the largest block it keeps.
constexpr size_t kLimite = size_t(512) << 20;
constexpr size_t kMaiorBloco = size_t(16) << 20;

// The free blocks of one size, as a stack of addresses kept apart from the
// blocks: handing one out does not read it, and the next one is prefetched.
struct Classe {
    size_t bytes;
    void** blocos;
    unsigned n;
    unsigned capacidade;
};

struct Cache {
    Classe classes[kClasses];
    size_t total;
    int estado; // 1 in use, 2 thread ended
};

// The thread's cache is reached through one initial-exec pointer (the library
// is loaded with the program), made on the thread's first release; a thread
// that has ended points at g_terminado, whose releases go to free().
__attribute__((tls_model("initial-exec"))) thread_local Cache* t_cache;
Cache g_terminado = {{}, 0, 2};

void Esvazia(Cache& c) noexcept
{
    for (Classe& k : c.classes) {
        for (unsigned i = 0; i < k.n; ++i)
            std::free(k.blocos[i]);
        std::free(k.blocos);
        k = Classe{};
    }
    c.total = 0;
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
    return static_cast<unsigned>((static_cast<uint32_t>(bytes) * 0x9E3779B1u) >> 26) % kClasses;
}

// The class of this size, made when there is room; null when the table is full.
Classe* AchaClasse(Cache& c, size_t bytes, bool cria) noexcept
{
    unsigned i = Inicio(bytes);
    for (unsigned k = 0; k < kClasses; ++k, i = (i + 1) % kClasses) {
        Classe& x = c.classes[i];
        if (x.bytes == bytes)
            return &x;
        if (x.bytes == 0) {
            if (!cria)
                return nullptr;
            x.bytes = bytes;
            return &x;
        }
    }
    return nullptr;
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
            void* p = k->blocos[--k->n];
            if (k->n)
                __builtin_prefetch(k->blocos[k->n - 1], 1);
            c->total -= bytes;
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
    if (c && c->estado != 2 && bytes <= kMaiorBloco && c->total + bytes <= kLimite) {
        if (Classe* k = AchaClasse(*c, bytes, true); k && Empilha(*k, p)) {
            c->total += bytes;
            return;
        }
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
