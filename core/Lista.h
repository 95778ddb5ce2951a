// T_Lista: the list container of every record, and the accessor family that an
// owner record exposes for each of its lists.
#pragma once

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "core/JQMem.h"
#include "platform/afx.h"
#include "platform/afxtempl.h"

namespace tolv {
// Tag of the record constructor that the reading of a list uses: the element
// is left for the CopiarDe that follows, which starts by clearing it (or, in
// its reading form, writes the structure whole). Only the list reading makes
// one.
class ParaLeitura {
    ParaLeitura() = default;
    friend struct Leitor;
};
// Tag of the form of CopiarPara that the writing of a list uses, into an
// element of the array it has just allocated. Only the list writing makes one.
class ParaEscrita {
    ParaEscrita() = default;
    friend struct Escritor;
};
// Elements a list copies by their bytes, as it moves every element when it
// grows: plain values, and records whose object is its bytes (the vtable
// pointers and the structure, no member that owns memory; see
// TOLV_COPIA_POR_BYTES).
template <class T> inline constexpr bool kCopiaPorBytes = std::is_trivially_copyable_v<T>;
// Elements copied by their bytes whose comparison is every byte: integers,
// and records whose comparison is every byte of their structure (the vtable
// pointers are the same in every element). Two lists of them are equal when
// their elements' bytes are.
template <class T> inline constexpr bool kIgualPorBytes = std::is_integral_v<T> || std::is_enum_v<T>;
// Records copied by their bytes whose comparison reads their structure alone,
// does nothing else and answers equal for identical ones (a plan): two lists
// of them whose blocks are identical are equal without walking them.
template <class T> inline constexpr bool kIgualSeMesmosBytes = false;
} // namespace tolv

template <class T> class T_Lista {
public:
    static constexpr int kPasso = 100;

    T_Lista()
    {
        m_a.SetSize(0, kPasso);
        m_a.SetSize(0);
    }
    T_Lista(const T_Lista& src) : T_Lista() { Copia(src); }
    T_Lista& operator=(const T_Lista& src)
    {
        Copia(src);
        return *this;
    }
    virtual ~T_Lista() { m_a.RemoveAll(); }

    int GetSize() const noexcept { return m_a.GetSize(); }
    int GetCapacidade() const noexcept { return m_a.GetCapacity(); }
    const T& GetAt(int i) const { return m_a.GetAt(i); }
    T& ElementAt(int i) { return m_a.ElementAt(i); }
    const T& operator[](int i) const { return m_a.GetAt(i); }
    T& operator[](int i) { return m_a.ElementAt(i); }
    // Unchecked: the caller passes 0 <= i < GetSize().
    T* GetPtr(int i) noexcept { return m_a.GetData() + i; }
    const T* GetPtr(int i) const noexcept { return m_a.GetData() + i; }
    T* GetData() noexcept { return m_a.GetData(); }
    const T* GetData() const noexcept { return m_a.GetData(); }

    // Appends a copy of e (built in place; e may be an element of this list).
    int Add(const T& e)
    {
        if (GetSize() > 0 && &e >= GetData() && &e < GetData() + GetSize()) {
            T copia(e);
            return m_a.Emplace(copia);
        }
        return m_a.Emplace(e);
    }
    // Appends an element built in place from args and returns it.
    template <class... A> T& AdicionaNovo(A&&... args)
    {
        int i = m_a.Emplace(std::forward<A>(args)...);
        return m_a.GetData()[i];
    }
    // Ahead of n appends: the capacity they would reach, taken at once.
    void Prepara(int n) { m_a.ReservaParaAcrescimos(n); }
    // Appends n elements made by fill(first, n) in the raw room (see
    // CArray::AcrescentaFeitos): only for records copied by their bytes.
    template <class F> bool AcrescentaFeitos(int n, F&& fill)
    {
        static_assert(tolv::kCopiaPorBytes<T>);
        return m_a.AcrescentaFeitos(n, std::forward<F>(fill));
    }
    void RemoveAt(int i) { m_a.RemoveAt(i); }
    void RemoveAll() { m_a.RemoveAll(); }
    void SetSize(int n) { m_a.SetSize(n); }

    // Resize to src's count and assign element by element; nothing on itself.
    void Copia(const T_Lista& src)
    {
        if (&src == this)
            return;
        int n = src.GetSize();
        if (GetSize() == 0) {
            if (n == 0)
                return;
            if constexpr (tolv::kCopiaPorBytes<T>) {
                m_a.AcrescentaBytes(src.GetData(), n);
                return;
            }
            m_a.ReservaPara(n);
            for (int i = 0; i < n; ++i)
                m_a.Emplace(src.GetData()[i]);
            return;
        }
        m_a.SetSize(n);
        if constexpr (tolv::kCopiaPorBytes<T>) {
            if (n > 0)
                tolv::CopiaBytes(static_cast<void*>(m_a.GetData()), static_cast<const void*>(src.GetData()),
                                 sizeof(T) * static_cast<size_t>(n));
            return;
        }
        for (int i = 0; i < n; ++i)
            m_a.GetData()[i] = src.GetData()[i];
    }

    // Checks i, copies it, checks j, then assigns j to i and the copy to j.
    void Troca(int i, int j)
    {
        T temp(m_a.GetAt(i));
        T& ej = m_a.ElementAt(j);
        m_a.GetData()[i] = ej;
        ej = temp;
    }

private:
    CArray<T, T&> m_a;
};

// The twelve-member family of list X (element type T) over the member m_X.
#define TOLV_LISTA(T, X)                                                                                               \
public:                                                                                                                \
    void Adiciona##X(const T& e) { m_##X.Add(e); }                                                                     \
    void Deletar##X(int i) { m_##X.RemoveAt(i); }                                                                      \
    const T& Get##X(int i) const { return m_##X.GetAt(i); }                                                            \
    T& GetRef##X(int i) { return m_##X.ElementAt(i); }                                                                 \
    const T& GetConstRef##X(int i) const { return m_##X.GetAt(i); }                                                    \
    T* GetPtr##X(int i) { return m_##X.GetPtr(i); }                                                                    \
    const T* GetPtr##X(int i) const { return m_##X.GetPtr(i); }                                                        \
    int GetQuantidade##X() const { return m_##X.GetSize(); }                                                           \
    void RemoveTodos##X() { m_##X.RemoveAll(); }                                                                       \
    T_Lista<T>& GetLista##X() { return m_##X; }                                                                        \
    const T_Lista<T>& GetLista##X() const { return m_##X; }                                                            \
    void SetLista##X(const T_Lista<T>& src) { m_##X.Copia(src); }                                                      \
    void Set##X(int i, const T& e) { m_##X.ElementAt(i) = e; }                                                         \
    T_Lista<T>& Troca##X(int i, int j)                                                                                 \
    {                                                                                                                  \
        m_##X.Troca(i, j);                                                                                             \
        return m_##X;                                                                                                  \
    }                                                                                                                  \
                                                                                                                       \
protected:                                                                                                             \
    T_Lista<T> m_##X;                                                                                                  \
                                                                                                                       \
public:

namespace tolv {

// Same number of entries and equal pairs at each index, from index 0.
template <class T> inline bool ListasIguais(const T_Lista<T>& a, const T_Lista<T>& b)
{
    int n = a.GetSize();
    if (n != b.GetSize())
        return false;
    if constexpr (kIgualPorBytes<T> || kIgualSeMesmosBytes<T>) {
        static_assert(kCopiaPorBytes<T>);
        if (n == 0 || BytesIguais(a.GetData(), b.GetData(), sizeof(T) * static_cast<size_t>(n)))
            return true;
        if constexpr (kIgualPorBytes<T>)
            return false;
    }
    for (int k = 0; k < n; ++k)
        if (!(*a.GetPtr(k) == *b.GetPtr(k)))
            return false;
    return true;
}

} // namespace tolv
