#include "core/JQMem.h"

#include <csetjmp>
#include <csignal>
#include <cstring>

// The guard: a SIGSEGV/SIGBUS handler that jumps back into the guarded routine
// when the fault happened inside one; any other fault goes to the handler that
// was installed before.
namespace {

struct Guarda {
    sigjmp_buf salto;
    volatile sig_atomic_t ativa = 0;
};

thread_local Guarda t_guarda;

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

} // namespace

void* JQMemCpy(void* dst, const void* src, size_t n, const char*, int)
{
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    std::memmove(dst, src, n);
    g.ativa = 0;
    return dst;
}

void* JQMemSet(void* dst, int valor, size_t n, const char*, int)
{
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    std::memset(dst, valor, n);
    g.ativa = 0;
    return dst;
}

char* JQStrCpy(char* dst, const char* src, const char*, int)
{
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    std::strcpy(dst, src);
    g.ativa = 0;
    return dst;
}

long tolv::JQStrNLenGuardado(const char* p, size_t max)
{
    GarantaGuarda();
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return -1;
    g.ativa = 1;
    size_t n = strnlen(p, max);
    g.ativa = 0;
    return static_cast<long>(n);
}
