// Nested arrays of transfer structures: a count and a pointer per list (or a
// length plus one and a pointer per variable text).
//
// Sound rules held here for every record:
//  - writing: arrays are zero filled when allocated; a list or text too long for
//    its count field raises the invalid-argument exception (nothing is truncated);
//  - reading: a null pointer reads as empty whatever the count; the caller's
//    memory is read through guarded copies only, so an unreadable block ends the
//    list instead of crashing;
//  - freeing: a null array is skipped whatever its count.
#pragma once

#include <cstring>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

#include "core/JQMem.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "platform/afx.h"
#include "platform/objbase.h"

namespace tolv {

enum class Liberacao { Delete, CoTaskMem };

// Releases every nested array reachable from ps (innermost first). Counts and
// pointers of ps itself are left as they were. The walk goes from the last
// slot to the first and from the last element to the first: the reverse of
// the order in which a writing in the table's order takes the blocks, so the
// block taken last goes back first and the C library keeps it apart from its
// heap top while the rest of the tree merges below it (released in the
// writing's order, a large tree merged into the heap top, went back to the
// system and was faulted in again by the next writing).
TOLV_API void LiberaAninhados(const EstruturaDesc& d, void* ps, Liberacao modo);
// Releases one nested array of count elements of elem (their own arrays first).
TOLV_API void LiberaArray(const AninhadoDesc& a, void* ptr, unsigned long count, Liberacao modo);
// Sets every count and pointer slot of ps to zero.
TOLV_API void ZeraAninhados(const EstruturaDesc& d, void* ps);
// Releases the one nested array (or text) whose pointer is at offsetPonteiro,
// its elements' arrays first.
TOLV_API void LiberaAninhado(const EstruturaDesc& d, void* ps, unsigned offsetPonteiro, Liberacao modo);

template <class S> inline void LiberaAninhado(S* ps, unsigned offsetPonteiro, Liberacao modo)
{
    if (ps)
        LiberaAninhado(Layout<S>::desc, ps, offsetPonteiro, modo);
}

// The walk of LiberaAninhados for a description known at compile time: every
// slot's offset, count width and element description are constants, so the
// walk is unrolled, the counts read at their width, and each array released
// by its own delete[].
template <const EstruturaDesc& D> void LiberaAninhadosDe(unsigned char* b, Liberacao modo) noexcept;

// Whether slot I of D is an array of structures (not a text), from its field's
// kind (an address compared with null is not a constant everywhere).
template <const EstruturaDesc& D, unsigned I> consteval bool SlotDeEstruturas()
{
    for (unsigned i = 0; i < D.nCampos; ++i)
        if (D.campos[i].offset == D.aninhados[I].offsetPonteiro)
            return D.campos[i].tipo == Tipo::Array;
    return false;
}

template <const EstruturaDesc& D, unsigned I> inline void LiberaSlot(unsigned char* b, Liberacao modo) noexcept
{
    constexpr const AninhadoDesc& a = D.aninhados[I];
    unsigned char* ptr;
    std::memcpy(static_cast<void*>(&ptr), b + a.offsetPonteiro, sizeof ptr);
    if (!ptr)
        return;
    if constexpr (SlotDeEstruturas<D, I>()) {
        if constexpr (a.elemento->nAninhados > 0) {
            constexpr unsigned passo = a.elemento->tamanho;
            for (unsigned long k = ContagemDe(b, a); k-- > 0;)
                LiberaAninhadosDe<*a.elemento>(ptr + static_cast<size_t>(k) * passo, modo);
        }
    }
    if (modo == Liberacao::Delete)
        a.apagaArray(ptr);
    else
        CoTaskMemFree(ptr);
}

template <const EstruturaDesc& D> void LiberaAninhadosDe(unsigned char* b, Liberacao modo) noexcept
{
    [ b, modo ]<unsigned... I>(std::integer_sequence<unsigned, I...>)
    {
        (LiberaSlot<D, D.nAninhados - 1 - I>(b, modo), ...);
    }
    (std::make_integer_sequence<unsigned, D.nAninhados>{});
}

template <class S> inline void LiberaAninhados(S* ps, Liberacao modo)
{
    if (ps)
        LiberaAninhadosDe<Layout<S>::desc>(reinterpret_cast<unsigned char*>(ps), modo);
}

// The same with the slots known at compile time: a few fixed-size stores.
template <class S> inline void ZeraAninhados(S* ps)
{
    unsigned char* b = reinterpret_cast<unsigned char*>(ps);
    [b]<unsigned... I>(std::integer_sequence<unsigned, I...>)
    {
        constexpr const auto& a = Layout<S>::aninhados;
        ((std::memset(b + a[I].offsetPonteiro, 0, sizeof(void*)),
          std::memset(b + a[I].offsetContagem, 0, a[I].tamanhoContagem)),
         ...);
    }
    (std::make_integer_sequence<unsigned, Layout<S>::nAninhados>{});
}

// Runs f when the scope ends, also by an exception.
template <class F> struct AoSair {
    F f;
    ~AoSair() { f(); }
};
template <class F> AoSair(F) -> AoSair<F>;

// A count as a number of elements: a zero or negative signed count is none.
template <class C> inline size_t Elementos(C count) noexcept
{
    if constexpr (std::is_signed_v<C>) {
        if (count <= 0)
            return 0;
    }
    return static_cast<size_t>(count);
}

// Releases the array at p (of element type E) and its elements' own arrays.
template <class E, class C> inline void LiberaLista(E*& p, C count, Liberacao modo)
{
    if (!p)
        return;
    if constexpr (Layout<E>::nAninhados > 0) {
        for (size_t k = Elementos(count); k-- > 0;)
            LiberaAninhadosDe<Layout<E>::desc>(reinterpret_cast<unsigned char*>(p + k), modo);
    }
    if (modo == Liberacao::Delete)
        delete[] p;
    else
        CoTaskMemFree(p);
    (void)count;
}

inline void LiberaTexto(char*& p, Liberacao modo)
{
    if (!p)
        return;
    if (modo == Liberacao::Delete)
        delete[] p;
    else
        CoTaskMemFree(p);
}

// An array of n elements from the plain array new, as the receiver's delete[]
// expects (its failure caught here, so no nothrow wrapper sits on every
// block's path), zero-filled with zera; when the request cannot be met, the
// list storage the thread keeps gives way and it is asked again, and then the
// memory exception (a size that overflows asks for the largest block).
template <class E, bool zera> inline E* TomaArray(size_t n)
{
    static_assert(std::is_trivially_copyable_v<E>);
    if (n > std::numeric_limits<size_t>::max() / sizeof(E))
        AfxThrowMemoryException();
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        try {
            if constexpr (zera)
                return new E[n]();
            else
                return new E[n];
        } catch (const std::bad_alloc&) {
        }
        if (tentativa == 0)
            EsvaziaArmazenamento();
    }
    AfxThrowMemoryException();
}

// A zero-filled array of n elements.
template <class E> inline E* NovoArray(size_t n) { return TomaArray<E, true>(n); }

template <class C> inline void ChecaContagem(size_t n)
{
    if (n > static_cast<size_t>(std::numeric_limits<C>::max()))
        AfxThrowInvalidArgException();
}

// An array of n elements, not yet filled.
template <class E> inline E* NovoArrayBruto(size_t n) { return TomaArray<E, false>(n); }

// The array of a list of n entries about to be written: count and pointer
// zero and null for an empty list (and nothing taken), the invalid-argument
// exception when n does not fit the count, else both set to a new array.
template <class C, class E> E* ArrayDaLista(size_t n, C& count, E*& ptr)
{
    count = 0;
    ptr = nullptr;
    if (n == 0)
        return nullptr;
    ChecaContagem<C>(n);
    E* p = NovoArrayBruto<E>(n);
    count = static_cast<C>(n);
    ptr = p;
    return p;
}

// Fills the n elements of p in order. With zera, each is zeroed just before
// fill(k) writes it (so the bytes are written while they are in the cache);
// without, fill(k) is a record's CopiarPara, which writes its whole structure
// (counts and pointers zero) before anything in it can fail. When fill throws,
// the elements after the failing one are zeroed: the array stays walkable by
// its count.
template <bool zera, class E, class F> void PreencheArray(E* p, size_t n, F fill)
{
    size_t k = 0;
    try {
        for (; k < n; ++k) {
            if constexpr (zera)
                std::memset(static_cast<void*>(p + k), 0, sizeof(E));
            fill(k);
        }
    } catch (...) {
        if (k + 1 < n)
            std::memset(static_cast<void*>(p + k + 1), 0, (n - k - 1) * sizeof(E));
        throw;
    }
}

// R declares a list reading form of its own (not inherited from a base record).
template <class R>
concept LeituraPropria = std::is_same_v<typename R::TipoLeitura, R>;

// Same for the list writing form.
template <class R>
concept EscritaPropria = std::is_same_v<typename R::TipoEscrita, R>;

// R's list writing into E is a copy of its structure and nothing else.
template <class R, class E>
concept EscritaPorBytes = std::is_same_v<typename R::EscritaPorBytes, R> &&
    std::is_same_v<decltype(R::ImagemParaEscrita(std::declval<const R&>())), const E*>;

struct Escritor {
    // Writes r into dst, an element of an array just allocated here, by the
    // writing form of its CopiarPara where the record's own class has one.
    template <class R, class E> static void Escreve(const R& r, E* dst)
    {
        if constexpr (EscritaPropria<R> && requires { r.CopiarPara(dst, ParaEscrita{}); })
            r.CopiarPara(dst, ParaEscrita{});
        else
            r.CopiarPara(dst);
    }
};

// Writes list l as count and array; an empty list leaves both zero. The count is
// written first and each element is filled by the record's own CopiarPara.
template <class C, class E, class R> void EscreveLista(const T_Lista<R>& l, C& count, E*& ptr)
{
    const size_t n = static_cast<size_t>(l.GetSize());
    E* p = ArrayDaLista(n, count, ptr);
    if (!p)
        return;
    const R* r = l.GetData();
    if constexpr (EscritaPorBytes<R, E>) {
        CopiaElementos(p, sizeof(E), R::ImagemParaEscrita(*r), sizeof(R), n, sizeof(E));
    } else {
        PreencheArray<false>(p, n, [&](size_t k) { Escritor::Escreve(r[k], p + k); });
    }
}

// Same for a list of plain values (element structure of one field).
template <class C, class E, class V, class Conv> void EscreveValores(const T_Lista<V>& l, C& count, E*& ptr, Conv conv)
{
    const size_t n = static_cast<size_t>(l.GetSize());
    E* p = ArrayDaLista(n, count, ptr);
    if (!p)
        return;
    const V* v = l.GetData();
    PreencheArray<true>(p, n, [&](size_t k) { conv(v[k], p[k]); });
}

// Same for values whose element structure is the value itself (one field of
// the value's type at offset 0): the whole list in one copy.
template <class C, class E, class V> void EscreveValoresPorBytes(const T_Lista<V>& l, C& count, E*& ptr)
{
    static_assert(sizeof(E) == sizeof(V) && std::is_trivially_copyable_v<V>);
    const size_t n = static_cast<size_t>(l.GetSize());
    if (E* p = ArrayDaLista(n, count, ptr))
        std::memcpy(static_cast<void*>(p), static_cast<const void*>(l.GetData()), n * sizeof(E));
}

// R's list reading from E is a copy of its structure and nothing else.
template <class R, class E>
concept LeituraPorBytes = std::is_same_v<typename R::LeituraPorBytes, R> &&
    std::is_same_v<decltype(R::ImagemParaLeitura(std::declval<R&>())), E*>;

struct Leitor {
    // A new element at the end of l, to be filled by its CopiarDe.
    template <class R> static R& Novo(T_Lista<R>& l)
    {
        if constexpr (std::is_constructible_v<R, ParaLeitura>)
            return l.AdicionaNovo(ParaLeitura{});
        else
            return l.AdicionaNovo();
    }
    // Appends the element read from src, by the reading form of its CopiarDe
    // where the record's own class has one.
    template <class R, class E> static void Le(T_Lista<R>& l, E* src)
    {
        R& e = Novo(l);
        if constexpr (LeituraPropria<R> && requires { e.CopiarDe(src, ParaLeitura{}); })
            e.CopiarDe(src, ParaLeitura{});
        else
            e.CopiarDe(src);
    }
    // n records copied by their bytes, read from the structures at p, in one
    // pass: each is the image of one element made for reading, its structure
    // then copied over that image's. False, with nothing added, where the
    // record's shape has no such pass (see MontaElementos).
    template <class R, class E> static bool MontaPorModelo(T_Lista<R>& l, E* p, size_t n)
    {
        alignas(R) unsigned char modelo[sizeof(R)] = {};
        R* m = ::new (static_cast<void*>(modelo)) R(ParaLeitura{});
        const auto desloc = static_cast<size_t>(reinterpret_cast<unsigned char*>(R::ImagemParaLeitura(*m)) - modelo);
        static_assert(sizeof(E) <= sizeof(R));
        static_assert(kDestrutorVazio<R>);
        return l.AcrescentaFeitos(static_cast<int>(n), [&](R* novos, int) {
            return MontaElementos(novos, sizeof(R), modelo, desloc, p, sizeof(E), n, sizeof(E));
        });
    }
};

// How many of the count elements at ptr can be read: none for a null array,
// up to the first unreadable page otherwise.
template <class C, class E> size_t ElementosLegiveis(C count, const E* ptr)
{
    if (!ptr)
        return 0;
    size_t n = Elementos(count);
    if (n > std::numeric_limits<size_t>::max() / sizeof(E))
        n = std::numeric_limits<size_t>::max() / sizeof(E);
    return JQMemLegivel(ptr, n * sizeof(E)) / sizeof(E);
}

// Reads count elements from ptr into l (each by the record's own CopiarDe,
// straight from the caller's block). The list ends where the caller's memory
// stops being readable.
template <class C, class E, class R> void LeLista(T_Lista<R>& l, C count, const E* ptr)
{
    const size_t n = ElementosLegiveis(count, ptr);
    if (n == 0)
        return;
    l.Prepara(static_cast<int>(n));
    E* p = const_cast<E*>(ptr);
    if constexpr (LeituraPorBytes<R, E>) {
        // The elements made first, then every structure in one copy; a source
        // lying over the list's own storage goes element by element.
        const int antes = l.GetSize();
        if (!Sobrepoe(p, n * sizeof(E), l.GetData() + antes, n * sizeof(R))) {
            if constexpr (kCopiaPorBytes<R> && std::is_constructible_v<R, ParaLeitura>) {
                if (Leitor::MontaPorModelo(l, p, n))
                    return;
            }
            for (size_t k = 0; k < n; ++k)
                Leitor::Novo(l);
            R* novos = l.GetPtr(antes);
            CopiaElementos(R::ImagemParaLeitura(*novos), sizeof(R), p, sizeof(E), n, sizeof(E));
            return;
        }
    }
    BlocoLegivel legivel(p, n * sizeof(E));
    for (size_t k = 0; k < n; ++k)
        Leitor::Le(l, p + k);
}

// n new plain values at the end of l, made at once inside the room the
// growth rule gives them; their first one.
template <class V> V* NovosValores(T_Lista<V>& l, size_t n)
{
    static_assert(std::is_trivially_copyable_v<V>);
    l.Prepara(static_cast<int>(n));
    const int antes = l.GetSize();
    l.SetSize(antes + static_cast<int>(n));
    return l.GetPtr(antes);
}

template <class C, class E, class V, class Conv> void LeValores(T_Lista<V>& l, C count, const E* ptr, Conv conv)
{
    const size_t n = ElementosLegiveis(count, ptr);
    if (n == 0)
        return;
    if constexpr (std::is_trivially_copyable_v<V>) {
        // Plain values: the slots made at once, then each written in place.
        V* d = NovosValores(l, n);
        for (size_t k = 0; k < n; ++k) {
            E e;
            std::memcpy(static_cast<void*>(&e), ptr + k, sizeof(E));
            d[k] = conv(e);
        }
        return;
    }
    l.Prepara(static_cast<int>(n));
    for (size_t k = 0; k < n; ++k) {
        E e;
        std::memcpy(static_cast<void*>(&e), ptr + k, sizeof(E));
        l.Add(conv(e));
    }
}

// Same for values whose element structure is the value itself: the readable
// entries in one copy.
template <class C, class E, class V> void LeValoresPorBytes(T_Lista<V>& l, C count, const E* ptr)
{
    static_assert(sizeof(E) == sizeof(V) && std::is_trivially_copyable_v<V>);
    const size_t n = ElementosLegiveis(count, ptr);
    if (n == 0)
        return;
    std::memcpy(static_cast<void*>(NovosValores(l, n)), static_cast<const void*>(ptr), n * sizeof(E));
}

// Writes a variable text: length plus one and a new[] buffer with the text and
// its NUL; an empty text leaves both zero.
template <class C> void EscreveTexto(const CString& s, C& tamanho, char*& ptr)
{
    const size_t n = static_cast<size_t>(s.GetLength());
    // Both sides are ours: the text's own buffer (with its NUL) into the block
    // just taken, every byte of it written.
    if (char* p = ArrayDaLista(n ? n + 1 : 0, tamanho, ptr))
        std::memcpy(p, s.GetString(), n + 1);
}

TOLV_API CString LeTextoGuardado(const char* ptr, unsigned long tamanho);

// Reads a variable text: when tamanho is not 0, the text at ptr up to its NUL
// (or up to the first unreadable byte), whatever tamanho says.
template <class C> inline void LeTexto(CString& s, C tamanho, const char* ptr)
{
    s = LeTextoGuardado(ptr, static_cast<unsigned long>(tamanho));
}

} // namespace tolv
