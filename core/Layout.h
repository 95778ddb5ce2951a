// One declaration per transfer structure.
//
// A structure is declared by a table macro listing every byte of it in order,
// reserved bytes included:
//
//   #define TOLV_LAYOUT_tagREG_X(F)
//       F(0,  CY,         Valor,          RW)
//       F(8,  LONG,       PonteiroConta,  RW)
//       F(12, USHORT,     QtdItens,       NO)
//       F(14, RES(2),     Reservado14,    NO)
//       F(16, ARR(tagREG_Y, QtdItens), pItens, NO)
//   TOLV_ESTRUTURA(tagREG_X, 20)
//
// From that one table come: the packed struct itself, a compile-time check of
// every offset and of the size, the run-time description (tolv::Layout<S>::desc,
// used by the tools and by the freeing walks of nested arrays) and, inside a
// record class, TOLV_ACESSORES(tagREG_X) yields the Get/Set pair of every field
// marked RW (RO: getter only; NO: none) over the record's member m_ps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/JQTexto.h"
#include "core/JQTipos.h"
#include "platform/afxstr.h"

namespace tolv {

enum class Tipo : unsigned char {
    Moeda,     // CY
    Data,      // 8-byte slot: REG_JQDMA and 4 zero bytes
    Data4,     // REG_JQDMA, 4 bytes
    DataPS,    // REG_JQDMAPS, 8 bytes whole
    DataHora,  // REG_JQDMAHMSUTC
    Chave,     // REG_JQDMC
    ChavePS,   // _JQ_DMCPS
    NFe,       // _JQ_NFE_ps
    Posicao,   // _REG_POSICAO_PRODUTOPS
    Inteiro,   // signed integer of 1, 2, 4 or 8 bytes
    Natural,   // unsigned integer of 1, 2, 4 or 8 bytes
    Texto,     // N bytes of text and a terminator byte
    TextoFixo, // N bytes of text, no terminator
    Reservado, // reserved bytes
    Bloco,     // an inline block taken whole
    Array,     // 32-bit pointer to a nested array of element structures
    TextoVar,  // 32-bit pointer to a variable-length text
};

TOLV_API const char* NomeTipo(Tipo t) noexcept;

// Accessors of a field in its record class: none, Get only, Get and Set.
enum class Acesso : unsigned char { NO, RO, RW };

struct EstruturaDesc;

struct CampoDesc {
    const char* nome;
    unsigned offset;
    unsigned tamanho;
    Tipo tipo;
    const char* tipoC;             // C type of the field
    unsigned capacidade;           // texts: N
    const EstruturaDesc* elemento; // arrays: element structure
    const char* contagem;          // arrays and texts: name of the count (length) field
};

// A nested array or variable text, with what the freeing walk needs.
struct AninhadoDesc {
    unsigned offsetPonteiro;
    unsigned offsetContagem;
    unsigned tamanhoContagem;
    const EstruturaDesc* elemento; // null for texts
    void (*apagaArray)(void*);     // delete[] with the element type
    bool contagemComSinal;         // a negative count counts nothing
};

// The count of a nested array as ps holds it: a negative signed count gives 0.
inline unsigned long ContagemDe(const void* ps, const AninhadoDesc& a) noexcept
{
    const unsigned char* b = static_cast<const unsigned char*>(ps) + a.offsetContagem;
    switch (a.tamanhoContagem) {
    case 1: return a.contagemComSinal && static_cast<signed char>(*b) < 0 ? 0 : *b;
    case 2: {
        unsigned short v;
        std::memcpy(&v, b, 2);
        return a.contagemComSinal && static_cast<short>(v) < 0 ? 0 : v;
    }
    default: {
        unsigned long v;
        std::memcpy(&v, b, 4);
        return a.contagemComSinal && static_cast<long>(v) < 0 ? 0 : v;
    }
    }
}

struct EstruturaDesc {
    const char* nome;
    unsigned tamanho;
    const CampoDesc* campos;
    unsigned nCampos;
    const AninhadoDesc* aninhados;
    unsigned nAninhados;
};

template <class S> struct Layout;

// Size of a field's storage (pointers included: they are the 32-bit slots).
template <class M> inline constexpr unsigned TamanhoDe = static_cast<unsigned>(sizeof(M));

// Compile-time text usable as a template argument.
template <size_t N> struct Nome {
    char s[N]{};
    constexpr Nome(const char (&v)[N])
    {
        for (size_t i = 0; i < N; ++i)
            s[i] = v[i];
    }
};

// --- Field kinds ---------------------------------------------------------------
namespace fk {

template <class V, Tipo K> struct Valor {
    using storage = V;
    using value = V;
    using arg = const V&;
    static constexpr Tipo tipo = K;
    static constexpr unsigned capacidade = 0;
    static constexpr const EstruturaDesc* elemento() { return nullptr; }
    static constexpr const char* contagem = nullptr;
    static value get(const storage& s) { return s; }
    static void set(storage& s, arg v) { s = v; }
    // Same answer as comparing the two getters' values.
    static bool igual(const storage& a, const storage& b) { return get(a) == get(b); }
    // How many leading bytes decide igual by their equality alone, the rest of
    // the field ignored; 0 when only igual can tell.
    static constexpr unsigned porBytes = 0;
    // Whether equal bytes always make igual answer true.
    static constexpr bool bastamBytes = true;
};

// A value compared by all its bytes.
template <class V, Tipo K> struct ValorBytes : Valor<V, K> {
    static constexpr unsigned porBytes = sizeof(V);
};

template <class V> struct Int : ValorBytes<V, (V(-1) < V(0)) ? Tipo::Inteiro : Tipo::Natural> {
    using arg = V;
    static void set(V& s, V v) { s = v; }
};

struct Cy : ValorBytes<tagCY, Tipo::Moeda> {};
struct Data4 : ValorBytes<REG_JQDMA, Tipo::Data4> {};
struct DataPS : ValorBytes<REG_JQDMAPS, Tipo::DataPS> {};
struct DataHora : ValorBytes<REG_JQDMAHMSUTC, Tipo::DataHora> {};
struct Chave : ValorBytes<REG_JQDMC, Tipo::Chave> {};
struct ChavePS : ValorBytes<_JQ_DMCPS, Tipo::ChavePS> {};
// Compared by the fiscal library, which may tell equal blocks apart.
struct NFe : Valor<_JQ_NFE_ps, Tipo::NFe> {
    static constexpr bool bastamBytes = false;
};
// Compared by product key and grade items; the reserved bytes are ignored.
struct Posicao : Valor<_REG_POSICAO_PRODUTOPS, Tipo::Posicao> {
    static bool igual(const storage& a, const storage& b) { return JQPosicaoIgual(a, b); }
    static constexpr unsigned porBytes = offsetof(_REG_POSICAO_PRODUTOPS, Reservado);
};
template <class B> struct Bloco : Valor<B, Tipo::Bloco> {
};

// Date slot: the setter stores the date and zeroes the 4 bytes after it.
struct Data : Valor<JQDataSlot, Tipo::Data> {
    using value = REG_JQDMA;
    using arg = const REG_JQDMA&;
    static value get(const JQDataSlot& s) { return s.Data; }
    static void set(JQDataSlot& s, const REG_JQDMA& v)
    {
        s.Data = v;
        std::memset(s.Zero, 0, sizeof s.Zero);
    }
    static bool igual(const JQDataSlot& a, const JQDataSlot& b) { return get(a) == get(b); }
    static constexpr unsigned porBytes = sizeof(REG_JQDMA);
};

template <unsigned N, Tipo K, unsigned Limite> struct TextoBase {
    using storage = char[Limite];
    using value = CString;
    using arg = const CString&;
    static constexpr Tipo tipo = K;
    static constexpr unsigned capacidade = N;
    static constexpr const EstruturaDesc* elemento() { return nullptr; }
    static constexpr const char* contagem = nullptr;
    static CString get(const storage& s) { return GetTexto(s, Limite); }
    // The getter's text with its NUL, instead of a CString on the heap: the
    // field itself when its NUL is inside, otherwise a copy in buf.
    static const char* copia(const storage& s, char (&buf)[Limite + 1]) noexcept
    {
        if (std::memchr(s, 0, Limite))
            return s;
        std::memcpy(buf, s, Limite);
        buf[Limite] = 0;
        return buf;
    }
    static void set(storage& s, const CString& v) { SetTexto(s, N, v); }
    static constexpr unsigned porBytes = 0;
    static constexpr bool bastamBytes = true;
    // The two texts compared in place, without building them: four bytes at a
    // time up to the first NUL (equal words holding a NUL end equal texts).
    static bool igual(const storage& a, const storage& b) noexcept
    {
        unsigned i = 0;
        for (; i + 4 <= Limite; i += 4) {
            uint32_t x, y;
            std::memcpy(&x, a + i, 4);
            std::memcpy(&y, b + i, 4);
            if (x != y)
                break;
            if ((x - 0x01010101u) & ~x & 0x80808080u)
                return true;
        }
        for (; i < Limite; ++i) {
            if (a[i] != b[i])
                return false;
            if (a[i] == 0)
                return true;
        }
        return true;
    }
};

// N bytes of text and the terminator byte.
template <unsigned N> struct Txt : TextoBase<N, Tipo::Texto, N + 1> {
};
// Exactly N bytes, no terminator.
template <unsigned N> struct TxtX : TextoBase<N, Tipo::TextoFixo, N> {
};

template <unsigned N> struct Res {
    using storage = BYTE[N];
    static constexpr Tipo tipo = Tipo::Reservado;
    static constexpr unsigned capacidade = 0;
    static constexpr const EstruturaDesc* elemento() { return nullptr; }
    static constexpr const char* contagem = nullptr;
};

template <class E, Nome C> struct Arr {
    using storage = E*;
    using element = E;
    static constexpr Tipo tipo = Tipo::Array;
    static constexpr unsigned capacidade = 0;
    static constexpr const EstruturaDesc* elemento() { return &Layout<E>::desc; }
    static constexpr const char* contagem = C.s;
};

template <Nome C> struct TxtP {
    using storage = char*;
    static constexpr Tipo tipo = Tipo::TextoVar;
    static constexpr unsigned capacidade = 0;
    static constexpr const EstruturaDesc* elemento() { return nullptr; }
    static constexpr const char* contagem = C.s;
};

} // namespace fk

// --- Compile-time helpers of the description ------------------------------------

template <size_t N> constexpr unsigned ContaAninhados(const CampoDesc (&c)[N])
{
    unsigned n = 0;
    for (size_t i = 0; i < N; ++i)
        if (c[i].tipo == Tipo::Array || c[i].tipo == Tipo::TextoVar)
            ++n;
    return n;
}

template <size_t N> constexpr const CampoDesc& CampoPorNome(const CampoDesc (&c)[N], const char* nome)
{
    for (size_t i = 0; i < N; ++i)
        if (std::string_view(c[i].nome) == std::string_view(nome))
            return c[i];
    throw "campo de contagem inexistente";
}

template <class E> void ApagaArray(void* p) { delete[] static_cast<E*>(p); }

template <unsigned M, size_t N>
constexpr std::array<AninhadoDesc, (M ? M : 1)> ColetaAninhados(const CampoDesc (&c)[N],
                                                                void (*const (&apaga)[N])(void*))
{
    std::array<AninhadoDesc, (M ? M : 1)> r{};
    unsigned k = 0;
    for (size_t i = 0; i < N; ++i) {
        if (c[i].tipo != Tipo::Array && c[i].tipo != Tipo::TextoVar)
            continue;
        const CampoDesc& cont = CampoPorNome(c, c[i].contagem);
        if (cont.tipo != Tipo::Natural && cont.tipo != Tipo::Inteiro)
            throw "contagem deve ser inteira";
        r[k++] =
            AninhadoDesc{c[i].offset, cont.offset, cont.tamanho, c[i].elemento, apaga[i], cont.tipo == Tipo::Inteiro};
    }
    return r;
}

template <class K> constexpr void (*Apagador())(void*)
{
    if constexpr (K::tipo == Tipo::Array)
        return &ApagaArray<typename K::element>;
    else if constexpr (K::tipo == Tipo::TextoVar)
        return &ApagaArray<char>;
    else
        return nullptr;
}

// Run-time registry of every declared structure of the library.
TOLV_API const EstruturaDesc* const* Estruturas(unsigned& quantidade);
TOLV_API const EstruturaDesc* EstruturaPorNome(const char* nome);

// The accessors of each field of a registered structure, in field order; null
// for a structure the registry does not hold.
TOLV_API const Acesso* AcessosDe(const EstruturaDesc& d) noexcept;
struct RegistroAcessos {
    const EstruturaDesc* desc;
    const Acesso* acessos;
};

} // namespace tolv

// --- Kind names used in the tables ---------------------------------------------
#define TOLV_FK_CY ::tolv::fk::Cy
#define TOLV_FK_DATA ::tolv::fk::Data
#define TOLV_FK_DATA4 ::tolv::fk::Data4
#define TOLV_FK_DATAPS ::tolv::fk::DataPS
#define TOLV_FK_DMAHMS ::tolv::fk::DataHora
#define TOLV_FK_DMC ::tolv::fk::Chave
#define TOLV_FK_DMCPS ::tolv::fk::ChavePS
#define TOLV_FK_NFE ::tolv::fk::NFe
#define TOLV_FK_POS ::tolv::fk::Posicao
#define TOLV_FK_CHAR ::tolv::fk::Int<char>
#define TOLV_FK_UCHAR ::tolv::fk::Int<unsigned char>
#define TOLV_FK_SHORT ::tolv::fk::Int<short>
#define TOLV_FK_USHORT ::tolv::fk::Int<unsigned short>
#define TOLV_FK_INT ::tolv::fk::Int<int>
#define TOLV_FK_UINT ::tolv::fk::Int<unsigned int>
#define TOLV_FK_LONG ::tolv::fk::Int<long>
#define TOLV_FK_ULONG ::tolv::fk::Int<unsigned long>
#define TOLV_FK_I64 ::tolv::fk::Int<LONGLONG>
#define TOLV_FK_U64 ::tolv::fk::Int<ULONGLONG>
#define TOLV_FK_TXT(n) ::tolv::fk::Txt<n>
#define TOLV_FK_TXTX(n) ::tolv::fk::TxtX<n>
#define TOLV_FK_RES(n) ::tolv::fk::Res<n>
#define TOLV_FK_BLOCO(t) ::tolv::fk::Bloco<t>
#define TOLV_FK_ARR(e, c) ::tolv::fk::Arr<e, ::tolv::Nome(#c)>
#define TOLV_FK_TXTP(c) ::tolv::fk::TxtP<::tolv::Nome(#c)>

#define TOLV_K(kind) TOLV_FK_##kind

#define TOLV_L_MEMBRO(off, kind, name, acc) typename TOLV_K(kind)::storage name;
#define TOLV_L_CHECA(off, kind, name, acc) static_assert(offsetof(T, name) == (off), "offset of field " #name);
#define TOLV_L_DESC(off, kind, name, acc)                                                                              \
    ::tolv::CampoDesc{#name,                                                                                           \
                      (off),                                                                                           \
                      ::tolv::TamanhoDe<decltype(T::name)>,                                                            \
                      TOLV_K(kind)::tipo,                                                                              \
                      #kind,                                                                                           \
                      TOLV_K(kind)::capacidade,                                                                        \
                      TOLV_K(kind)::elemento(),                                                                        \
                      TOLV_K(kind)::contagem},
#define TOLV_L_APAGA(off, kind, name, acc) ::tolv::Apagador<TOLV_K(kind)>(),
#define TOLV_L_ACESSO(off, kind, name, acc) ::tolv::Acesso::acc,

// Declares the structure S from its table TOLV_LAYOUT_S, checks it and
// describes it.
#define TOLV_ESTRUTURA(S, tamanho)                                                                                     \
    _Pragma("pack(push, 1)") struct S {                                                                                \
        TOLV_LAYOUT_##S(TOLV_L_MEMBRO)                                                                                 \
    };                                                                                                                 \
    _Pragma("pack(pop)") static_assert(sizeof(S) == (tamanho), "size of " #S);                                         \
    namespace tolv {                                                                                                   \
    template <> struct Layout<S> {                                                                                     \
        using T = S;                                                                                                   \
        TOLV_LAYOUT_##S(TOLV_L_CHECA) static constexpr CampoDesc campos[] = {TOLV_LAYOUT_##S(TOLV_L_DESC)};            \
        static constexpr void (*const apaga[])(void*) = {TOLV_LAYOUT_##S(TOLV_L_APAGA)};                               \
        static constexpr Acesso acessos[] = {TOLV_LAYOUT_##S(TOLV_L_ACESSO)};                                          \
        static constexpr unsigned nAninhados = ContaAninhados(campos);                                                 \
        static constexpr auto aninhados = ColetaAninhados<nAninhados>(campos, apaga);                                  \
        static constexpr EstruturaDesc desc = {#S,                                                                     \
                                               static_cast<unsigned>(sizeof(S)),                                       \
                                               campos,                                                                 \
                                               static_cast<unsigned>(sizeof(campos) / sizeof(campos[0])),              \
                                               aninhados.data(),                                                       \
                                               nAninhados};                                                            \
    };                                                                                                                 \
    }

// --- Accessors inside a record class (over its member m_ps) ----------------------
namespace tolv {
// A field of a packed structure, by its address: a type that needs alignment
// goes through an aligned copy, since the packing may not give it its own.
template <class K> typename K::value LeCampo(const void* p)
{
    using St = typename K::storage;
    if constexpr (alignof(St) == 1) {
        return K::get(*static_cast<const St*>(p));
    } else {
        St s;
        std::memcpy(static_cast<void*>(&s), p, sizeof s);
        return K::get(s);
    }
}
template <class K> void GravaCampo(void* p, typename K::arg v)
{
    using St = typename K::storage;
    if constexpr (alignof(St) == 1) {
        K::set(*static_cast<St*>(p), v);
    } else {
        St s;
        std::memcpy(static_cast<void*>(&s), p, sizeof s);
        K::set(s, v);
        std::memcpy(p, static_cast<const void*>(&s), sizeof s);
    }
}
// The kind's comparison of two fields given by their addresses.
template <class K> bool CamposIguais(const void* a, const void* b)
{
    using St = typename K::storage;
    if constexpr (alignof(St) == 1) {
        return K::igual(*static_cast<const St*>(a), *static_cast<const St*>(b));
    } else {
        St x, y;
        std::memcpy(static_cast<void*>(&x), a, sizeof x);
        std::memcpy(static_cast<void*>(&y), b, sizeof y);
        return K::igual(x, y);
    }
}
} // namespace tolv

#define TOLV_AC_ENDERECO(name) (reinterpret_cast<const unsigned char*>(&m_ps) + offsetof(decltype(m_ps), name))
// Campo_X names the kind of field X, for comparisons that go by its getter.
#define TOLV_AC_RW(kind, name)                                                                                         \
    using Campo_##name = TOLV_K(kind);                                                                                 \
    TOLV_K(kind)::value Get##name() const { return ::tolv::LeCampo<TOLV_K(kind)>(TOLV_AC_ENDERECO(name)); }            \
    void Set##name(TOLV_K(kind)::arg v)                                                                                \
    {                                                                                                                  \
        ::tolv::GravaCampo<TOLV_K(kind)>(const_cast<unsigned char*>(TOLV_AC_ENDERECO(name)), v);                       \
    }
#define TOLV_AC_RO(kind, name)                                                                                         \
    using Campo_##name = TOLV_K(kind);                                                                                 \
    TOLV_K(kind)::value Get##name() const { return ::tolv::LeCampo<TOLV_K(kind)>(TOLV_AC_ENDERECO(name)); }
#define TOLV_AC_NO(kind, name)
#define TOLV_L_ACESSOR(off, kind, name, acc) TOLV_AC_##acc(kind, name)

#define TOLV_ACESSORES(S) TOLV_LAYOUT_##S(TOLV_L_ACESSOR)

// Places a structure's description, and its fields' accessors, into the
// library's registry.
#define TOLV_REGISTRA_ESTRUTURA(S)                                                                                     \
    __attribute__((section("tolv_estruturas"), used)) static const ::tolv::EstruturaDesc* const tolv_estrutura_##S =   \
        &::tolv::Layout<S>::desc;                                                                                      \
    __attribute__((section("tolv_acessos"), used)) static const ::tolv::RegistroAcessos tolv_acessos_##S = {           \
        &::tolv::Layout<S>::desc, ::tolv::Layout<S>::acessos};
