#include "core/JQMem.h"

#include <algorithm>
#include <csetjmp>
#include <csignal>
#include <cstdint>
#include <cstring>

// The guard: a SIGSEGV/SIGBUS handler that jumps back into the guarded routine
// when the fault happened inside one; any other fault goes to the handler that
// was installed before.
namespace {

// Trivial, so the thread's copy needs no initialisation check.
struct Guarda {
    sigjmp_buf salto;
    volatile sig_atomic_t ativa;
};

// Initial-exec: the library is loaded with the program, and the guard is on
// the path of every record copy.
__attribute__((tls_model("initial-exec"))) thread_local Guarda t_guarda;

struct sigaction g_anteriorSegv;
struct sigaction g_anteriorBus;

void Repassa(int sinal, siginfo_t* info, void* contexto)
{
    struct sigaction& ant = sinal == SIGSEGV ? g_anteriorSegv : g_anteriorBus;
    if (ant.sa_flags & SA_SIGINFO) {
        if (ant.sa_sigaction) {
            ant.sa_sigaction(sinal, info, contexto);
            return;
        }
    } else if (ant.sa_handler != SIG_DFL && ant.sa_handler != SIG_IGN) {
        ant.sa_handler(sinal);
        return;
    }
    // Default action: restore it and let the faulting instruction run again.
    sigaction(sinal, &ant, nullptr);
}

void Manipulador(int sinal, siginfo_t* info, void* contexto)
{
    Guarda& g = t_guarda;
    if (g.ativa) {
        g.ativa = 0;
        siglongjmp(g.salto, 1);
    }
    Repassa(sinal, info, contexto);
}

bool InstalaGuarda()
{
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = Manipulador;
    // NODEFER: the jump leaves the handler without restoring the signal mask.
    sa.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGSEGV, &sa, &g_anteriorSegv);
    sigaction(SIGBUS, &sa, &g_anteriorBus);
    return true;
}

inline void GarantaGuarda()
{
    static const bool instalada = InstalaGuarda();
    (void)instalada;
}

// Faults happen at page boundaries: copying page piece by page piece in
// ascending order means that everything before a faulting page is written.
constexpr uintptr_t kPagina = 4096;

inline size_t AteFimDaPagina(const void* p)
{
    return static_cast<size_t>(kPagina - (reinterpret_cast<uintptr_t>(p) & (kPagina - 1)));
}

__attribute__((noinline)) void CopiaPorPaginas(unsigned char* d, const unsigned char* s, size_t n)
{
    if (d > s && d < s + n) {
        // Overlapping with the destination above: copy downwards.
        std::memmove(d, s, n);
        return;
    }
    while (n > 0) {
        size_t k = std::min({n, AteFimDaPagina(d), AteFimDaPagina(s)});
        std::memmove(d, s, k);
        d += k;
        s += k;
        n -= k;
    }
}

__attribute__((noinline)) void EnchePorPaginas(unsigned char* d, int valor, size_t n)
{
    while (n > 0) {
        size_t k = std::min(n, AteFimDaPagina(d));
        std::memset(d, valor, k);
        d += k;
        n -= k;
    }
}

} // namespace

// A null address faults at once: nothing is written and the routine gives NULL.
void* JQMemCpy(void* dst, const void* src, size_t n, const char*, int)
{
    if (n == 0)
        return dst;
    if (!dst || !src)
        return nullptr;
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    CopiaPorPaginas(static_cast<unsigned char*>(dst), static_cast<const unsigned char*>(src), n);
    g.ativa = 0;
    return dst;
}

void* JQMemSet(void* dst, int valor, size_t n, const char*, int)
{
    if (n == 0)
        return dst;
    if (!dst)
        return nullptr;
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    EnchePorPaginas(static_cast<unsigned char*>(dst), valor, n);
    g.ativa = 0;
    return dst;
}

char* JQStrCpy(char* dst, const char* src, const char*, int)
{
    if (!dst || !src)
        return nullptr;
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    std::strcpy(dst, src); // NOLINT(clang-analyzer-security.insecureAPI.strcpy): callers size dst
    g.ativa = 0;
    return dst;
}

namespace {

// Touches one byte per page, in ascending order; lido is where the next page starts.
size_t Sonda(const unsigned char* p, size_t total)
{
    GarantaGuarda();
    Guarda& g = t_guarda;
    volatile size_t lido = 0;
    if (sigsetjmp(g.salto, 0) != 0)
        return lido;
    g.ativa = 1;
    const volatile unsigned char* c = p;
    for (size_t k = 0; k < total;) {
        (void)c[k];
        size_t passo = AteFimDaPagina(p + k);
        k = passo < total - k ? k + passo : total;
        lido = k;
    }
    g.ativa = 0;
    return total;
}

} // namespace

size_t tolv::JQMemLegivel(const void* p, size_t n)
{
    if (!p || n == 0)
        return 0;
    const uintptr_t inicio = reinterpret_cast<uintptr_t>(p);
    return Sonda(static_cast<const unsigned char*>(p), n - 1 > UINTPTR_MAX - inicio ? UINTPTR_MAX - inicio + 1 : n);
}

long tolv::JQStrNLenGuardado(const char* p, size_t max)
{
    if (!p)
        return -1;
    if (max == 0)
        return 0;
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return -1;
    g.ativa = 1;
    size_t n = strnlen(p, max);
    g.ativa = 0;
    return static_cast<long>(n);
}
