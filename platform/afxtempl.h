// CArray: contiguous elements with a growth step.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/afx.h"

namespace tolv {
// List storage kept by the calling thread for reuse: blocks released here go
// back to the thread's cache (by size; bounded for each thread and for all
// threads together) and are handed out again by TomaArmazenamento before the C
// library is asked. Null when the memory cannot be had.
TOLV_API void* TomaArmazenamento(size_t bytes) noexcept;
TOLV_API void DevolveArmazenamento(void* p, size_t bytes) noexcept;
// Releases every block the calling thread keeps (also done at thread exit).
TOLV_API void EsvaziaArmazenamento() noexcept;
// Bytes the calling thread keeps now.
TOLV_API size_t ArmazenamentoGuardado() noexcept;
// Element types whose destructor has nothing to do (no member owns anything),
// though not trivial to the compiler: their elements are dropped without it.
template <class T> inline constexpr bool kDestrutorVazio = std::is_trivially_destructible_v<T>;
} // namespace tolv

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() { SetSize(0); }

    int GetSize() const noexcept { return m_nSize; }
    int GetCount() const noexcept { return m_nSize; }
    int GetUpperBound() const noexcept { return m_nSize - 1; }
    int GetCapacity() const noexcept { return m_nMaxSize; }
    int GetGrowBy() const noexcept { return m_nGrowBy; }
    bool IsEmpty() const noexcept { return m_nSize == 0; }

    // Resizes to nNewSize elements. nGrowBy >= 0 also sets the growth step.
    // Storage is taken for the whole capacity: the first growth makes room for
    // max(nNewSize, step), a growth beyond the capacity for max(nNewSize,
    // capacity + step), and elements move only then (bitwise, as in the
    // framework). New slots are zero filled before their default construction;
    // a size of 0 releases the storage.
    void SetSize(int nNewSize, int nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if (nNewSize == 0) {
            if (!m_pData) {
                m_nMaxSize = 0;
                return;
            }
            Destroi(0, m_nSize);
            tolv::DevolveArmazenamento(m_pData, Bytes(m_nMaxSize));
            m_pData = nullptr;
            m_nSize = m_nMaxSize = 0;
            return;
        }
        ReservaPara(nNewSize);
        if (nNewSize > m_nSize)
            Constroi(m_nSize, nNewSize);
        else
            Destroi(nNewSize, m_nSize);
        m_nSize = nNewSize;
    }

    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(int i) const
    {
        if (i < 0 || i >= m_nSize)
            AfxThrowInvalidArgException();
        return m_pData[i];
    }
    TYPE& ElementAt(int i)
    {
        if (i < 0 || i >= m_nSize)
            AfxThrowInvalidArgException();
        return m_pData[i];
    }
    void SetAt(int i, ARG_TYPE e) { ElementAt(i) = e; }
    const TYPE& operator[](int i) const { return GetAt(i); }
    TYPE& operator[](int i) { return ElementAt(i); }
    const TYPE* GetData() const noexcept { return m_pData; }
    TYPE* GetData() noexcept { return m_pData; }

    int Add(ARG_TYPE e)
    {
        if (Dentro(&e)) {
            TYPE copia(e);
            return Add(copia);
        }
        int i = m_nSize;
        SetSize(i + 1);
        m_pData[i] = e;
        return i;
    }

    // Appends a copy of e built in place by the copy constructor.
    template <class... A> int Emplace(A&&... args)
    {
        ReservaPara(m_nSize + 1);
        ::new (static_cast<void*>(m_pData + m_nSize)) TYPE(std::forward<A>(args)...);
        return m_nSize++;
    }

    // Appends copies of the n elements at src by their bytes: only for element
    // types whose object is its bytes (no member owns anything).
    void AcrescentaBytes(const TYPE* src, int n)
    {
        if (n <= 0)
            return;
        ReservaPara(m_nSize + n);
        std::memcpy(static_cast<void*>(m_pData + m_nSize), static_cast<const void*>(src), Bytes(n));
        m_nSize += n;
    }

    // Appends n elements that fill(first, n) makes in the raw room after the
    // last one, unless it answers false (nothing made): only for element types
    // whose object is its bytes.
    template <class F> bool AcrescentaFeitos(int n, F&& fill)
    {
        if (n <= 0)
            return true;
        ReservaPara(m_nSize + n);
        if (!fill(m_pData + m_nSize, n))
            return false;
        m_nSize += n;
        return true;
    }

    // The capacity that n more appends one by one would reach, taken now: the
    // growths they would make are worked out, not performed.
    void ReservaParaAcrescimos(int n)
    {
        if (n <= 0 || m_nSize > 0x7FFFFFFF - n)
            return;
        const int alvo = m_nSize + n;
        if (alvo <= m_nMaxSize)
            return;
        // Each growth happens with the array full (size equal to capacity).
        auto passo = [this](long long tamanho) -> long long {
            if (m_nGrowBy > 0)
                return m_nGrowBy;
            return tamanho / 8 < 4 ? 4 : (tamanho / 8 > 1024 ? 1024 : tamanho / 8);
        };
        long long cap = m_nMaxSize ? m_nMaxSize : passo(m_nSize);
        while (cap < alvo) {
            const long long p = passo(cap);
            if (m_nGrowBy > 0 || p == 1024) {
                // A fixed step from here on.
                cap += (alvo - cap + p - 1) / p * p;
                break;
            }
            cap += p;
        }
        Realoca(cap > 0x7FFFFFFF ? alvo : static_cast<int>(cap));
    }

    void RemoveAt(int i, int nCount = 1)
    {
        if (i < 0 || nCount < 0 || i + nCount > m_nSize)
            AfxThrowInvalidArgException();
        Destroi(i, i + nCount);
        int resto = m_nSize - (i + nCount);
        if (resto)
            std::memmove(static_cast<void*>(m_pData + i), static_cast<const void*>(m_pData + i + nCount),
                         sizeof(TYPE) * resto);
        m_nSize -= nCount;
    }

private:
    static size_t Bytes(int n) noexcept { return sizeof(TYPE) * static_cast<size_t>(n); }
    // The growth step: the one set, or without one the framework's own, an
    // eighth of the size between 4 and 1024 (so appends one by one do not
    // copy the array each time).
    int Passo() const noexcept
    {
        if (m_nGrowBy > 0)
            return m_nGrowBy;
        int p = m_nSize / 8;
        return p < 4 ? 4 : (p > 1024 ? 1024 : p);
    }
    bool Dentro(const void* p) const noexcept
    {
        const char* c = static_cast<const char*>(p);
        return m_pData && c >= reinterpret_cast<const char*>(m_pData) &&
               c < reinterpret_cast<const char*>(m_pData + m_nMaxSize);
    }

public:
    // Makes room for n elements by the growth rule (as SetSize(n) would),
    // without constructing.
    void ReservaPara(int n)
    {
        if (n <= m_nMaxSize)
            return;
        int passo = Passo();
        int cap;
        if (m_nMaxSize == 0)
            cap = n > passo ? n : passo;
        else
            cap = m_nMaxSize > 0x7FFFFFFF - passo || n > m_nMaxSize + passo ? n : m_nMaxSize + passo;
        Realoca(cap);
    }

private:
    // New storage of n elements, the elements moved over, the old released. On
    // failure the old block and its elements stay as they were.
    void Realoca(int n)
    {
        if (static_cast<size_t>(n) > static_cast<size_t>(-1) / sizeof(TYPE))
            AfxThrowMemoryException();
        void* p = tolv::TomaArmazenamento(Bytes(n));
        if (!p)
            AfxThrowMemoryException();
        if (m_pData) {
            if (m_nSize)
                std::memcpy(p, static_cast<const void*>(m_pData), Bytes(m_nSize));
            tolv::DevolveArmazenamento(m_pData, Bytes(m_nMaxSize));
        }
        m_pData = static_cast<TYPE*>(p);
        m_nMaxSize = n;
    }
    void Constroi(int de, int ate)
    {
        std::memset(static_cast<void*>(m_pData + de), 0, sizeof(TYPE) * (ate - de));
        for (int i = de; i < ate; ++i)
            ::new (static_cast<void*>(m_pData + i)) TYPE;
    }
    void Destroi(int de, int ate)
    {
        // Every element was built as a TYPE: its own destructor, not a virtual call.
        if constexpr (!tolv::kDestrutorVazio<TYPE>)
            for (int i = de; i < ate; ++i)
                m_pData[i].TYPE::~TYPE();
    }

    TYPE* m_pData = nullptr;
    int m_nSize = 0;
    int m_nMaxSize = 0; // capacity by the growth rule, all of it allocated
    int m_nGrowBy = 0;
};
