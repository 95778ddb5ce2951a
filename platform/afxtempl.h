// CArray: contiguous elements with a growth step.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "platform/afx.h"

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
    // Growing beyond the capacity makes it max(nNewSize, capacity + step), as the
    // framework does; new slots are zero filled before their default construction.
    //
    // The capacity is the framework's; the storage behind it is taken as the
    // elements arrive (doubling, never beyond the capacity), so that many small
    // lists do not each hold room for a hundred large records. Elements relocate
    // bitwise, as in the framework.
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
            std::free(m_pData);
            m_pData = nullptr;
            m_nSize = m_nMaxSize = m_nAlocado = 0;
            return;
        }
        Reserva(nNewSize);
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
        Reserva(m_nSize + 1);
        ::new (static_cast<void*>(m_pData + m_nSize)) TYPE(std::forward<A>(args)...);
        return m_nSize++;
    }

    // Storage for n elements ahead of the appends that will follow; the
    // capacity of the growth rule is not changed.
    void ReservaFisica(int n)
    {
        if (n > m_nAlocado)
            Realoca(n);
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
    bool Dentro(const void* p) const noexcept
    {
        const char* c = static_cast<const char*>(p);
        return m_pData && c >= reinterpret_cast<const char*>(m_pData) &&
               c < reinterpret_cast<const char*>(m_pData + m_nAlocado);
    }
    int Passo() const noexcept
    {
        int s = m_nSize / 8;
        return s < 4 ? 4 : (s > 1024 ? 1024 : s);
    }
    // Makes room for n elements, applying the growth rule, without constructing.
    void Reserva(int n)
    {
        int cap = m_nMaxSize;
        if (n > cap) {
            if (cap == 0) {
                cap = n > m_nGrowBy ? n : m_nGrowBy;
            } else {
                int step = m_nGrowBy > 0 ? m_nGrowBy : Passo();
                cap += step;
                if (cap < n)
                    cap = n;
            }
        }
        if (n > m_nAlocado) {
            int fisico = m_nAlocado ? 2 * m_nAlocado : 4;
            if (fisico < n)
                fisico = n;
            if (fisico > cap)
                fisico = cap;
            Realoca(fisico);
        }
        m_nMaxSize = cap;
    }
    // On failure the old block and its elements stay as they were.
    void Realoca(int n)
    {
        if (static_cast<size_t>(n) > static_cast<size_t>(-1) / sizeof(TYPE))
            AfxThrowMemoryException();
        void* p = std::realloc(static_cast<void*>(m_pData), sizeof(TYPE) * static_cast<size_t>(n));
        if (!p)
            AfxThrowMemoryException();
        m_pData = static_cast<TYPE*>(p);
        m_nAlocado = n;
    }
    void Constroi(int de, int ate)
    {
        std::memset(static_cast<void*>(m_pData + de), 0, sizeof(TYPE) * (ate - de));
        for (int i = de; i < ate; ++i)
            ::new (static_cast<void*>(m_pData + i)) TYPE;
    }
    void Destroi(int de, int ate)
    {
        for (int i = de; i < ate; ++i)
            m_pData[i].~TYPE();
    }

    TYPE* m_pData = nullptr;
    int m_nSize = 0;
    int m_nMaxSize = 0; // capacity by the growth rule
    int m_nAlocado = 0; // elements the storage holds now
    int m_nGrowBy = 0;
};
