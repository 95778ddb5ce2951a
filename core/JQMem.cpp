#include "core/JQMem.h"

#include <algorithm>
#include <csetjmp>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <type_traits>
#include <ucontext.h>

#include <immintrin.h>

// On i386 outside the sanitizer builds, the block copies and fills run in three
// small routines whose faulting instruction is known: the handler resumes them
// at their exit with the progress made, so no jump buffer is set per call. The
// sanitizer builds keep the C library's routines, whose accesses they check.
#if defined(__SANITIZE_ADDRESS__)
#define TOLV_SANITIZADO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define TOLV_SANITIZADO 1
#endif
#endif
#if defined(__i386__) && !defined(TOLV_SANITIZADO)
#define TOLV_ROTINAS_ASM 1
#endif

#ifdef TOLV_ROTINAS_ASM
extern "C" {
// Copies n bytes upwards, with pecas in 16-byte pieces (SSE2), then 8, 4 and
// single bytes, and with pecas 2 first in 64-byte pieces (AVX; only for
// blocks that do not overlap); gives how many were not copied (0: all of
// them).
size_t tolv_jq_copia(void* d, const void* s, size_t n, int pecas) __attribute__((visibility("hidden")));
// Fills n bytes; gives how many were not filled.
size_t tolv_jq_enche(void* d, int valor, size_t n) __attribute__((visibility("hidden")));
// Reads one byte per page from p (n > 0); gives the bytes before the first
// unreadable page, or n.
size_t tolv_jq_sonda(const void* p, size_t n) __attribute__((visibility("hidden")));
// The faulting instruction of each routine and where it resumes.
extern const char tolv_jq_copia_pc[] __attribute__((visibility("hidden")));
extern const char tolv_jq_copia_fim[] __attribute__((visibility("hidden")));
extern const char tolv_jq_copia_pecas[] __attribute__((visibility("hidden")));
extern const char tolv_jq_enche_pecas[] __attribute__((visibility("hidden")));
extern const char tolv_jq_enche_pc[] __attribute__((visibility("hidden")));
extern const char tolv_jq_enche_fim[] __attribute__((visibility("hidden")));
extern const char tolv_jq_sonda_pc[] __attribute__((visibility("hidden")));
extern const char tolv_jq_sonda_fim[] __attribute__((visibility("hidden")));
}

// A string instruction that faults stops at the faulting byte with every byte
// before it done and the rest in ECX; the probe keeps the bytes before its
// current page in EAX. The piece copy and the piece fill (fills under 512
// bytes) advance ESI, EDI and ECX only after a piece is stored (a faulting
// access stores nothing), so a fault there goes on byte by byte from the
// piece: the string instruction then stops at the exact byte. A 64-byte piece
// is two stores: the second may fault after the first, which the string
// instruction then writes again with the same bytes (the blocks do not
// overlap, so the source is as it was).
// (The string copy alone is slow on some processors when the destination lies
// a few bytes above the source, modulo the page; and its start costs more than
// the last three bytes, which the piece copy moves one by one.)
asm(R"(
    .text
    .p2align 4
    .globl tolv_jq_copia
    .globl tolv_jq_copia_pecas
    .globl tolv_jq_copia_pc
    .globl tolv_jq_copia_fim
    .hidden tolv_jq_copia
    .hidden tolv_jq_copia_pecas
    .hidden tolv_jq_copia_pc
    .hidden tolv_jq_copia_fim
    .type tolv_jq_copia, @function
tolv_jq_copia:
    pushl %esi
    pushl %edi
    movl 12(%esp), %edi
    movl 16(%esp), %esi
    movl 20(%esp), %ecx
    cld
    cmpl $0, 24(%esp)
    je tolv_jq_copia_pc
tolv_jq_copia_pecas:
    cmpl $2, 24(%esp)
    jne 0f
    cmpl $64, %ecx
    jb 7f
    .p2align 4
6:
    vmovdqu (%esi), %ymm0
    vmovdqu 32(%esi), %ymm1
    vmovdqu %ymm0, (%edi)
    vmovdqu %ymm1, 32(%edi)
    addl $64, %esi
    addl $64, %edi
    subl $64, %ecx
    cmpl $64, %ecx
    jae 6b
7:
    vzeroupper
0:
    cmpl $16, %ecx
    jb 2f
    .p2align 4
1:
    movdqu (%esi), %xmm0
    movdqu %xmm0, (%edi)
    addl $16, %esi
    addl $16, %edi
    subl $16, %ecx
    cmpl $16, %ecx
    jae 1b
2:
    cmpl $8, %ecx
    jb 3f
    movq (%esi), %xmm0
    movq %xmm0, (%edi)
    addl $8, %esi
    addl $8, %edi
    subl $8, %ecx
3:
    cmpl $4, %ecx
    jb 4f
    movl (%esi), %eax
    movl %eax, (%edi)
    addl $4, %esi
    addl $4, %edi
    subl $4, %ecx
4:
    testl %ecx, %ecx
    jz tolv_jq_copia_fim
5:
    movb (%esi), %al
    movb %al, (%edi)
    incl %esi
    incl %edi
    decl %ecx
    jnz 5b
    jmp tolv_jq_copia_fim
tolv_jq_copia_pc:
    rep movsb
tolv_jq_copia_fim:
    movl %ecx, %eax
    popl %edi
    popl %esi
    ret
    .size tolv_jq_copia, .-tolv_jq_copia

    .p2align 4
    .globl tolv_jq_enche
    .globl tolv_jq_enche_pecas
    .globl tolv_jq_enche_pc
    .globl tolv_jq_enche_fim
    .hidden tolv_jq_enche
    .hidden tolv_jq_enche_pecas
    .hidden tolv_jq_enche_pc
    .hidden tolv_jq_enche_fim
    .type tolv_jq_enche, @function
tolv_jq_enche:
    pushl %edi
    movl 8(%esp), %edi
    movzbl 12(%esp), %eax
    movl 16(%esp), %ecx
    cld
    cmpl $512, %ecx
    jae tolv_jq_enche_pc
tolv_jq_enche_pecas:
    imull $0x01010101, %eax, %eax
    cmpl $4, %ecx
    jb 2f
    .p2align 4
1:
    movl %eax, (%edi)
    addl $4, %edi
    subl $4, %ecx
    cmpl $4, %ecx
    jae 1b
2:
    testl %ecx, %ecx
    jz tolv_jq_enche_fim
3:
    movb %al, (%edi)
    incl %edi
    decl %ecx
    jnz 3b
    jmp tolv_jq_enche_fim
tolv_jq_enche_pc:
    rep stosb
tolv_jq_enche_fim:
    movl %ecx, %eax
    popl %edi
    ret
    .size tolv_jq_enche, .-tolv_jq_enche

    .p2align 4
    .globl tolv_jq_sonda
    .globl tolv_jq_sonda_pc
    .globl tolv_jq_sonda_fim
    .hidden tolv_jq_sonda
    .hidden tolv_jq_sonda_pc
    .hidden tolv_jq_sonda_fim
    .type tolv_jq_sonda, @function
tolv_jq_sonda:
    pushl %ebx
    movl 8(%esp), %edx
    movl 12(%esp), %ecx
    xorl %eax, %eax
1:
tolv_jq_sonda_pc:
    movb (%edx,%eax), %bl
    leal (%edx,%eax), %ebx
    andl $4095, %ebx
    negl %ebx
    addl $4096, %ebx
    addl %ebx, %eax
    cmpl %ecx, %eax
    jb 1b
    movl %ecx, %eax
tolv_jq_sonda_fim:
    popl %ebx
    ret
    .size tolv_jq_sonda, .-tolv_jq_sonda
)");
#endif

namespace {

// The processor's moves, read once.
const bool g_temSse2 = __builtin_cpu_supports("sse2");
const bool g_temAvx = __builtin_cpu_supports("avx");
const bool g_temAvx2 = __builtin_cpu_supports("avx2");

} // namespace

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
#ifdef TOLV_ROTINAS_ASM
    greg_t& pc = static_cast<ucontext_t*>(contexto)->uc_mcontext.gregs[REG_EIP];
    auto endereco = [](const char* p) { return reinterpret_cast<greg_t>(p); };
    const greg_t retoma =
        pc >= endereco(tolv_jq_copia_pecas) && pc < endereco(tolv_jq_copia_pc)   ? endereco(tolv_jq_copia_pc)
        : pc == endereco(tolv_jq_copia_pc)                                       ? endereco(tolv_jq_copia_fim)
        : pc >= endereco(tolv_jq_enche_pecas) && pc < endereco(tolv_jq_enche_pc) ? endereco(tolv_jq_enche_pc)
        : pc == endereco(tolv_jq_enche_pc)                                       ? endereco(tolv_jq_enche_fim)
        : pc == endereco(tolv_jq_sonda_pc)                                       ? endereco(tolv_jq_sonda_fim)
                                                                                 : 0;
    if (retoma) {
        pc = retoma;
        return;
    }
#endif
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

#ifndef TOLV_ROTINAS_ASM
__attribute__((noinline)) void EnchePorPaginas(unsigned char* d, int valor, size_t n)
{
    while (n > 0) {
        size_t k = std::min(n, AteFimDaPagina(d));
        std::memset(d, valor, k);
        d += k;
        n -= k;
    }
}
#endif

} // namespace

namespace {
// The block the list reading has found readable, on this thread.
struct Faixa {
    const char* inicio;
    const char* fim;
};
__attribute__((tls_model("initial-exec"))) thread_local Faixa t_legivel;
} // namespace

tolv::BlocoLegivel::BlocoLegivel(const void* p, size_t n) noexcept : m_inicio(t_legivel.inicio), m_fim(t_legivel.fim)
{
    const char* c = static_cast<const char*>(p);
    t_legivel = {c, c + n};
}

tolv::BlocoLegivel::~BlocoLegivel() { t_legivel = {m_inicio, m_fim}; }

bool tolv::LeBytes(void* dst, const void* src, size_t n, const char* arquivo) noexcept
{
    const char* s = static_cast<const char*>(src);
    const Faixa f = t_legivel;
    if (s && s >= f.inicio && s < f.fim && n <= static_cast<size_t>(f.fim - s)) {
        if (tolv::Sobrepoe(dst, n, src, n))
            std::memmove(dst, src, n);
        else
            tolv::CopiaBytes(dst, src, n);
        return true;
    }
    if (JQMemCpy(dst, src, n, arquivo, __LINE__))
        return true;
    if (dst)
        std::memset(dst, 0, n);
    return false;
}

// A null address faults at once: nothing is written and the routine gives NULL.
void* JQMemCpy(void* dst, const void* src, size_t n, const char*, int)
{
    if (n == 0)
        return dst;
    if (!dst || !src)
        return nullptr;
    GarantaGuarda();
#ifdef TOLV_ROTINAS_ASM
    const auto* d = static_cast<const unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (!(d > s && d < s + n)) {
        const int pecas = g_temAvx && (d >= s + n || s >= d + n) ? 2 : g_temSse2 ? 1 : 0;
        return tolv_jq_copia(dst, src, n, pecas) == 0 ? dst : nullptr;
    }
#endif
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
#ifdef TOLV_ROTINAS_ASM
    return tolv_jq_enche(dst, valor, n) == 0 ? dst : nullptr;
#else
    Guarda& g = t_guarda;
    if (sigsetjmp(g.salto, 0) != 0)
        return nullptr;
    g.ativa = 1;
    EnchePorPaginas(static_cast<unsigned char*>(dst), valor, n);
    g.ativa = 0;
    return dst;
#endif
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
#ifdef TOLV_ROTINAS_ASM
    return tolv_jq_sonda(p, total);
#else
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
#endif
}

} // namespace

size_t tolv::JQMemLegivel(const void* p, size_t n)
{
    if (!p || n == 0)
        return 0;
    const uintptr_t inicio = reinterpret_cast<uintptr_t>(p);
    return Sonda(static_cast<const unsigned char*>(p), n - 1 > UINTPTR_MAX - inicio ? UINTPTR_MAX - inicio + 1 : n);
}

size_t tolv::JQStrLenLegivel(const char* p)
{
    if (!p)
        return 0;
    // Page by page: a fault inside one page means the page cannot be read.
    size_t n = 0;
    for (;;) {
        const uintptr_t a = reinterpret_cast<uintptr_t>(p) + n;
        if (a == 0)
            return n; // the top of the address space
        const size_t pedaco = AteFimDaPagina(p + n);
#ifdef TOLV_ROTINAS_ASM
        // One byte read tells for the whole page; then a plain search in it.
        if (Sonda(reinterpret_cast<const unsigned char*>(p + n), 1) == 0)
            return n;
        const size_t k = strnlen(p + n, pedaco);
#else
        long k = JQStrNLenGuardado(p + n, pedaco);
        if (k < 0)
            return n;
#endif
        n += static_cast<size_t>(k);
        if (static_cast<size_t>(k) < pedaco)
            return n;
    }
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

// --- Copies of a list's structures --------------------------------------------
namespace {

using CopiaDeElementos = void (*)(unsigned char*, size_t, const unsigned char*, size_t, size_t, size_t);

void ElementosPorMemcpy(unsigned char* d, size_t pd, const unsigned char* s, size_t po, size_t n, size_t tamanho)
{
    for (; n > 0; --n, d += pd, s += po)
        std::memcpy(d, s, tamanho);
}

// Past this the C library's copy is the faster (measured on the processors
// this runs on: it streams large blocks).
constexpr size_t kMaiorBytesAvx = size_t(32) << 10;

// A block of sizeof(U) to twice that: two moves of U, the second ending at
// the block's end (ultimo bytes after the first), loaded before they are stored.
template <class U>
__attribute__((target("sse2"))) inline void MoveCurto(unsigned char* d, const unsigned char* s, size_t ultimo)
{
    U a;
    U b;
    __builtin_memcpy(&a, s, sizeof a);
    __builtin_memcpy(&b, s + ultimo, sizeof b);
    __builtin_memcpy(d, &a, sizeof a);
    __builtin_memcpy(d + ultimo, &b, sizeof b);
}

// Blocks of 4 to 15 bytes, each by MoveCurto.
template <class U>
__attribute__((target("sse2"))) void ElementosCurtos(unsigned char* d, size_t pd, const unsigned char* s, size_t po,
                                                     size_t n, size_t tamanho)
{
    const size_t ultimo = tamanho - sizeof(U);
    for (; n > 0; --n, d += pd, s += po)
        MoveCurto<U>(d, s, ultimo);
}

// Moves of 16 bytes, the last one ending at the block's end (it may overlap
// the one before): blocks of at least 16 bytes.
__attribute__((target("sse2"))) void ElementosSse2(unsigned char* d, size_t pd, const unsigned char* s, size_t po,
                                                   size_t n, size_t tamanho)
{
    const size_t ultimo = tamanho - 16;
    for (; n > 0; --n, d += pd, s += po) {
        for (size_t i = 0; i < ultimo; i += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + ultimo),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + ultimo)));
    }
}

// One block of 32 bytes or more: 64 bytes a step, each loaded before it is
// stored, then up to two 32-byte moves, the last one ending at the end.
__attribute__((target("avx"))) inline void BlocoAvx(unsigned char* d, const unsigned char* s, size_t n)
{
    size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + 32));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), x);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i + 32), y);
    }
    if (i == n)
        return;
    const __m256i fim = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + n - 32));
    if (n - i > 32)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + n - 32), fim);
}

// Blocks of at least 32 bytes, each by BlocoAvx.
__attribute__((target("avx"))) void ElementosAvx(unsigned char* d, size_t pd, const unsigned char* s, size_t po,
                                                 size_t n, size_t tamanho)
{
    for (; n > 0; --n, d += pd, s += po)
        BlocoAvx(d, s, tamanho);
}

// Records made from a model object and their structures: the model's head
// (its vtable pointer and padding, 4 or 8 bytes, held in a register), then
// the structure, which runs to the record's end (see MontaElementos).
template <size_t kCabeca>
__attribute__((target("sse2"))) void MontaSse2(unsigned char* d, size_t passo, const unsigned char* m,
                                               const unsigned char* s, size_t po, size_t n, size_t tamanho)
{
    std::conditional_t<kCabeca == 8, uint64_t, uint32_t> cabeca;
    static_assert(sizeof cabeca == kCabeca);
    __builtin_memcpy(&cabeca, m, kCabeca);
    const size_t ultimo = tamanho - 16;
    for (; n > 0; --n, d += passo, s += po) {
        __builtin_memcpy(d, &cabeca, kCabeca);
        unsigned char* img = d + kCabeca;
        for (size_t i = 0; i < ultimo; i += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(img + i),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(img + ultimo),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + ultimo)));
    }
}

// The gather of MontaAvx2 for records of an 8-byte head and kT 8-byte words
// of structure: the 32-byte stores repeat their pattern every kFases stores
// (kRegistros records). Each store takes four words from one 32-byte load of
// the structures, starting at word inicio[f] of the period, and the head.
template <size_t kT> struct PlanoMonta {
    static constexpr size_t kP = kT + 1; // words per record
    static constexpr size_t kPeriodo = std::lcm(kP, size_t(4));
    static constexpr size_t kFases = kPeriodo / 4;
    static constexpr size_t kRegistros = kPeriodo / kP;
    size_t inicio[kFases] = {};
    alignas(32) int32_t indice[kFases][8] = {};
    alignas(32) int32_t cabeca[kFases][8] = {}; // -1 where the head goes
    // The structures' word that word k of the records holds (k not a head).
    static constexpr size_t Origem(size_t k) { return k / kP * kT + k % kP - 1; }
    constexpr PlanoMonta()
    {
        for (size_t f = 0; f < kFases; ++f) {
            size_t menor = size_t(-1);
            for (size_t k = 4 * f; k < 4 * f + 4; ++k)
                if (k % kP != 0)
                    menor = std::min(menor, Origem(k));
            inicio[f] = menor;
            for (size_t i = 0; i < 4; ++i) {
                const size_t k = 4 * f + i;
                const bool eCabeca = k % kP == 0;
                const size_t rel = eCabeca ? 0 : Origem(k) - menor;
                indice[f][2 * i] = static_cast<int32_t>(2 * rel);
                indice[f][2 * i + 1] = static_cast<int32_t>(2 * rel + 1);
                cabeca[f][2 * i] = cabeca[f][2 * i + 1] = eCabeca ? -1 : 0;
            }
        }
    }
};

// Records of an 8-byte head and a structure of kT 8-byte words, into a
// packed array from packed structures, a whole number of periods of 32-byte
// stores (where MontaSse2 stores the head and the structure apart). No load
// reaches past the n structures. Returns the records made; the rest are the
// caller's.
template <size_t kT>
__attribute__((target("avx2"))) size_t MontaAvx2(unsigned char* d, const unsigned char* m, const unsigned char* s,
                                                 size_t n)
{
    using Plano = PlanoMonta<kT>;
    static constexpr Plano kPlano{};
    uint64_t h;
    __builtin_memcpy(&h, m, 8);
    const __m256i cab = _mm256_set1_epi64x(static_cast<long long>(h));
    const size_t palavras = n * kT;
    size_t feitos = 0;
    while (feitos + Plano::kRegistros <= n && feitos * kT + kPlano.inicio[Plano::kFases - 1] + 4 <= palavras) {
        const unsigned char* base = s + feitos * kT * 8;
        unsigned char* destino = d + feitos * Plano::kP * 8;
        for (size_t f = 0; f < Plano::kFases; ++f) {
            const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base + kPlano.inicio[f] * 8));
            const __m256i idx = _mm256_load_si256(reinterpret_cast<const __m256i*>(kPlano.indice[f]));
            const __m256i msk = _mm256_load_si256(reinterpret_cast<const __m256i*>(kPlano.cabeca[f]));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(destino + 32 * f),
                                _mm256_blendv_epi8(_mm256_permutevar8x32_epi32(x, idx), cab, msk));
        }
        feitos += Plano::kRegistros;
    }
    return feitos;
}

// MontaAvx2 for the structure's size (8 to 64 bytes, a multiple of 8). None
// for 24: records of 32 bytes go faster the narrow way, in three moves that
// cross fewer cache lines than one 32-byte store.
using MontaPorAvx2 = size_t (*)(unsigned char*, const unsigned char*, const unsigned char*, size_t);
constexpr MontaPorAvx2 kMontaAvx2[] = {nullptr,      MontaAvx2<1>, MontaAvx2<2>, nullptr,     MontaAvx2<4>,
                                       MontaAvx2<5>, MontaAvx2<6>, MontaAvx2<7>, MontaAvx2<8>};

// The same for structures of 8 to 15 bytes: two 8-byte moves, the second
// ending at the structure's end.
template <size_t kCabeca>
__attribute__((target("sse2"))) void MontaCurtos(unsigned char* d, size_t passo, const unsigned char* m,
                                                 const unsigned char* s, size_t po, size_t n, size_t tamanho)
{
    std::conditional_t<kCabeca == 8, uint64_t, uint32_t> cabeca;
    __builtin_memcpy(&cabeca, m, kCabeca);
    const size_t ultimo = tamanho - 8;
    for (; n > 0; --n, d += passo, s += po) {
        __builtin_memcpy(d, &cabeca, kCabeca);
        MoveCurto<uint64_t>(d + kCabeca, s, ultimo);
    }
}

// 16-byte blocks into a packed array: two blocks joined into each 32-byte
// store, as a memcpy of the array would store.
__attribute__((target("avx"))) void Elementos16Avx(unsigned char* d, const unsigned char* s, size_t po, size_t n)
{
    for (; n >= 2; n -= 2, d += 32, s += 2 * po) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + po));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_set_m128i(b, a));
    }
    if (n)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s)));
}

// 17 to 24 bytes: a 16-byte move and an 8-byte one ending at the block's end,
// so that no byte is stored twice.
__attribute__((target("sse2"))) void Elementos24Sse2(unsigned char* d, size_t pd, const unsigned char* s, size_t po,
                                                     size_t n, size_t tamanho)
{
    const size_t ultimo = tamanho - 8;
    for (; n > 0; --n, d += pd, s += po) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d + ultimo),
                         _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + ultimo)));
    }
}

// (This file is built without the compiler's own memory routines: the
// unaligned loads are asked for by name.)
inline uint32_t Dif4(const unsigned char* a, const unsigned char* b)
{
    uint32_t x, y;
    __builtin_memcpy(&x, a, 4);
    __builtin_memcpy(&y, b, 4);
    return x ^ y;
}

// Up to 15 bytes: 32-bit loads from both ends (they may overlap).
inline bool IguaisCurtos(const unsigned char* a, const unsigned char* b, size_t n)
{
    if (n >= 8)
        return (Dif4(a, b) | Dif4(a + 4, b + 4) | Dif4(a + n - 8, b + n - 8) | Dif4(a + n - 4, b + n - 4)) == 0;
    if (n >= 4)
        return (Dif4(a, b) | Dif4(a + n - 4, b + n - 4)) == 0;
    unsigned d = 0;
    for (size_t i = 0; i < n; ++i)
        d |= static_cast<unsigned>(a[i] ^ b[i]);
    return d == 0;
}

__attribute__((target("sse2"))) inline bool Iguais16(const unsigned char* a, const unsigned char* b)
{
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(x, y)) == 0xFFFF;
}

// 16 bytes or more: 16-byte steps, the last one ending at the end.
__attribute__((target("sse2"))) bool IguaisSse2(const unsigned char* a, const unsigned char* b, size_t n)
{
    const size_t ultimo = n - 16;
    for (size_t i = 0; i < ultimo; i += 16)
        if (!Iguais16(a + i, b + i))
            return false;
    return Iguais16(a + ultimo, b + ultimo);
}

__attribute__((target("avx2"))) inline __m256i Dif32(const unsigned char* a, const unsigned char* b)
{
    return _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a)),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b)));
}

// Comparisons from this length on start at an aligned step.
constexpr size_t kAlinhaComparacao = 256;

// 32 bytes or more: 64 bytes a step, then up to two 32-byte loads, the last
// one ending at the end.
__attribute__((target("avx2"))) bool IguaisAvx2(const unsigned char* a, const unsigned char* b, size_t n)
{
    size_t i = 0;
    if (n >= kAlinhaComparacao) {
        // The first 32 bytes, then steps from where a is 32-byte aligned: a
        // load that straddles two cache lines costs two.
        const __m256i d = Dif32(a, b);
        if (!_mm256_testz_si256(d, d))
            return false;
        i = 32 - (reinterpret_cast<uintptr_t>(a) & 31);
    }
    for (; i + 64 <= n; i += 64) {
        const __m256i d = _mm256_or_si256(Dif32(a + i, b + i), Dif32(a + i + 32, b + i + 32));
        if (!_mm256_testz_si256(d, d))
            return false;
    }
    if (i == n)
        return true;
    __m256i d = Dif32(a + n - 32, b + n - 32);
    if (n - i > 32)
        d = _mm256_or_si256(d, Dif32(a + i, b + i));
    return _mm256_testz_si256(d, d);
}

} // namespace

void tolv::CopiaBytes(void* dst, const void* src, size_t n) noexcept
{
    if (g_temAvx && n >= 32 && n <= kMaiorBytesAvx)
        BlocoAvx(static_cast<unsigned char*>(dst), static_cast<const unsigned char*>(src), n);
    else
        std::memcpy(dst, src, n);
}

bool tolv::BytesIguais(const void* pa, const void* pb, size_t n) noexcept
{
    const auto* a = static_cast<const unsigned char*>(pa);
    const auto* b = static_cast<const unsigned char*>(pb);
    if (n < 16)
        return IguaisCurtos(a, b, n);
    if (g_temAvx2 && n >= 32)
        return IguaisAvx2(a, b, n);
    if (g_temSse2)
        return IguaisSse2(a, b, n);
    return std::memcmp(a, b, n) == 0;
}

void tolv::CopiaElementos(void* dst, size_t passoDestino, const void* src, size_t passoOrigem, size_t n,
                          size_t tamanho) noexcept
{
    if (n == 0 || tamanho == 0)
        return;
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (passoDestino == tamanho && passoOrigem == tamanho) {
        CopiaBytes(d, s, n * tamanho);
        return;
    }
    if (g_temAvx && tamanho == 16 && passoDestino == 16) {
        Elementos16Avx(d, s, passoOrigem, n);
        return;
    }
    CopiaDeElementos copia = ElementosPorMemcpy;
    if (g_temAvx && tamanho >= 32)
        copia = ElementosAvx;
    else if (g_temSse2 && tamanho > 16 && tamanho <= 24)
        copia = Elementos24Sse2;
    else if (g_temSse2 && tamanho >= 16)
        copia = ElementosSse2;
    else if (g_temSse2 && tamanho >= 8)
        copia = ElementosCurtos<uint64_t>;
    else if (g_temSse2 && tamanho >= 4)
        copia = ElementosCurtos<uint32_t>;
    copia(d, passoDestino, s, passoOrigem, n, tamanho);
}

bool tolv::MontaElementos(void* dst, size_t passo, const void* modelo, size_t desloc, const void* src,
                          size_t passoOrigem, size_t n, size_t tamanho) noexcept
{
    if (!g_temSse2 || tamanho < 8 || desloc + tamanho != passo || (desloc != 4 && desloc != 8))
        return false;
    auto* d = static_cast<unsigned char*>(dst);
    const auto* m = static_cast<const unsigned char*>(modelo);
    const auto* s = static_cast<const unsigned char*>(src);
    // (A few records cost less the narrow way than the call and the gather.)
    MontaPorAvx2 largo = nullptr;
    if (g_temAvx2 && n >= 16 && desloc == 8 && passoOrigem == tamanho && tamanho % 8 == 0 && tamanho <= 64)
        largo = kMontaAvx2[tamanho / 8];
    if (largo) {
        const size_t feitos = largo(d, m, s, n);
        d += feitos * passo;
        s += feitos * passoOrigem;
        n -= feitos;
        if (n == 0)
            return true;
    }
    if (tamanho < 16) {
        if (desloc == 8)
            MontaCurtos<8>(d, passo, m, s, passoOrigem, n, tamanho);
        else
            MontaCurtos<4>(d, passo, m, s, passoOrigem, n, tamanho);
    } else if (desloc == 8)
        MontaSse2<8>(d, passo, m, s, passoOrigem, n, tamanho);
    else
        MontaSse2<4>(d, passo, m, s, passoOrigem, n, tamanho);
    return true;
}
