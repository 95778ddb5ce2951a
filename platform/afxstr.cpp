#include "platform/afxstr.h"

#include <atomic>
#include <cstring>
#include <limits>
#include <new>

#include "platform/CacheArmazenamento.h"
#include "platform/afx.h"
#include "platform/afxtempl.h"

namespace {
// A text's block: its count of owners, then the bytes and their NUL. A block
// never changes once written (every change makes a new one), so copies of a
// string share it; the last owner gives it back.
struct Cabeca {
    std::atomic<int> donos;
};
constexpr size_t kCabeca = sizeof(Cabeca);
static_assert(kCabeca == 4);

Cabeca* CabecaDe(const char* p) noexcept { return reinterpret_cast<Cabeca*>(const_cast<char*>(p) - kCabeca); }

// Text blocks come from the list storage cache, in a few sizes: texts read and
// released over and over (every record's) reuse their blocks instead of going
// through the C library each time.
size_t Bloco(int n) noexcept
{
    const size_t b = kCabeca + static_cast<size_t>(n) + 1;
#ifdef TOLV_SEM_CACHE
    return b;
#else
    const size_t passo = b <= 128 ? 16 : b <= 1024 ? 64 : b <= 8192 ? 512 : 4096;
    return (b + passo - 1) & ~(passo - 1);
#endif
}

char* Novo(int n)
{
    void* b = tolv::TomaArmazenamento(Bloco(n));
    if (!b)
        AfxThrowMemoryException();
    new (b) Cabeca{1};
    return static_cast<char*>(b) + kCabeca;
}

// One more owner of the block of p (null for the empty text).
char* Compartilha(char* p) noexcept
{
    if (p)
        CabecaDe(p)->donos.fetch_add(1, std::memory_order_relaxed);
    return p;
}

// One owner less of the block of a text of n bytes; the last gives it back.
// A sole owner needs no atomic update: nobody else can reach the block.
void Solta(char* p, int n) noexcept
{
    if (!p)
        return;
    Cabeca* c = CabecaDe(p);
    if (c->donos.load(std::memory_order_acquire) != 1 && c->donos.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    c->~Cabeca();
    tolv::DevolveArmazenamento(c, Bloco(n));
}

char* Duplica(const char* p, int n)
{
    char* q = Novo(n);
    std::memcpy(q, p, static_cast<size_t>(n));
    q[n] = 0;
    return q;
}
} // namespace

CString::CString(const char* psz)
{
    if (psz)
        Assign(psz, static_cast<int>(std::strlen(psz)));
}

CString::CString(const char* pch, int nLength)
{
    if (pch && nLength > 0) {
        const void* nul = std::memchr(pch, 0, static_cast<size_t>(nLength));
        Assign(pch, nul ? static_cast<int>(static_cast<const char*>(nul) - pch) : nLength);
    }
}

CString::CString(const CString& src) : m_p(Compartilha(src.m_p)), m_n(src.m_n) {}

CString CString::DeTrecho(const char* p, int n)
{
    CString s;
    if (p && n > 0)
        s.Assign(p, n);
    return s;
}

CString::~CString() { Solta(m_p, m_n); }

void CString::Assign(const char* p, int n)
{
    char* q = n > 0 ? Duplica(p, n) : nullptr;
    Solta(m_p, m_n);
    m_p = q;
    m_n = n > 0 ? n : 0;
}

CString& CString::operator=(const CString& src)
{
    if (this == &src)
        return *this;
    char* p = Compartilha(src.m_p);
    Solta(m_p, m_n);
    m_p = p;
    m_n = src.m_n;
    return *this;
}

CString& CString::operator=(CString&& src) noexcept
{
    if (this != &src) {
        Solta(m_p, m_n);
        m_p = src.m_p;
        m_n = src.m_n;
        src.m_p = nullptr;
        src.m_n = 0;
    }
    return *this;
}

CString& CString::operator=(const char* psz)
{
    if (!psz)
        Empty();
    else if (m_p && psz >= m_p && psz <= m_p + m_n)
        *this = CString(psz);
    else
        Assign(psz, static_cast<int>(std::strlen(psz)));
    return *this;
}

CString& CString::operator+=(const CString& s)
{
    if (s.m_n == 0)
        return *this;
    if (s.m_n > std::numeric_limits<int>::max() - 1 - m_n)
        AfxThrowMemoryException();
    char* q = Novo(m_n + s.m_n);
    if (m_n)
        std::memcpy(q, m_p, static_cast<size_t>(m_n));
    std::memcpy(q + m_n, s.m_p, static_cast<size_t>(s.m_n));
    q[m_n + s.m_n] = 0;
    Solta(m_p, m_n);
    m_p = q;
    m_n += s.m_n;
    return *this;
}

CString& CString::operator+=(const char* psz) { return *this += CString(psz); }

CString& CString::operator+=(char ch)
{
    char b[2] = {ch, 0};
    return *this += CString(b);
}

void CString::Empty() noexcept
{
    Solta(m_p, m_n);
    m_p = nullptr;
    m_n = 0;
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= m_n)
        return *this;
    return CString(m_p, nCount);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= m_n || nCount <= 0)
        return CString();
    if (nCount > m_n - nFirst)
        nCount = m_n - nFirst;
    return CString(m_p + nFirst, nCount);
}

char CString::GetAt(int i) const
{
    if (i < 0 || i >= m_n)
        AfxThrowInvalidArgException();
    return m_p[i];
}

int CString::Compare(const char* psz) const { return std::strcmp(GetString(), psz ? psz : ""); }

bool operator==(const CString& a, const CString& b) noexcept
{
    return a.m_n == b.m_n &&
           (a.m_n == 0 || a.m_p == b.m_p || std::memcmp(a.m_p, b.m_p, static_cast<size_t>(a.m_n)) == 0);
}

bool operator==(const CString& a, const char* b) { return std::strcmp(a.GetString(), b ? b : "") == 0; }

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
