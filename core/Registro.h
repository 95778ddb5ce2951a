// The record pattern: TJQCMBaseParaDados and the standard member set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "companions/JQLConx.h"
#include "core/JQMem.h"
#include "core/Lista.h"

// Intermediate base of the records that carry a caller-stored checksum.
class TOLV_API TJQCMBaseParaDados : public TJQBaseParaDados {
public:
    TJQCMBaseParaDados() { Limpar(); }
    TJQCMBaseParaDados(const TJQCMBaseParaDados& src) : TJQBaseParaDados()
    {
        Limpar();
        Copiar(&src);
    }
    ~TJQCMBaseParaDados() override = default;
    TJQCMBaseParaDados& operator=(const TJQCMBaseParaDados&) = delete;

    unsigned long Get_CRC() const { return _CRC; }
    void Set_CRC(unsigned long crc) { _CRC = crc; }
    // The record's checksum; never stored in _CRC.
    unsigned long CalculaCRC() const { return OnCalculaCRC(); }

protected:
    virtual unsigned long OnCalculaCRC() const { return 0; }
    void OnLimpar() override
    {
        _CRC = 0;
        TJQBaseParaDados::OnLimpar();
    }
    void OnCopiar(const TJQBaseParaDados* src) override
    {
        _CRC = static_cast<const TJQCMBaseParaDados*>(src)->_CRC;
        TJQBaseParaDados::OnCopiar(src);
    }

    unsigned long _CRC = 0;
};

// Declares the standard member set of record class T (inside its body).
#define TOLV_PADRAO(T)                                                                                                 \
public:                                                                                                                \
    T();                                                                                                               \
    explicit T(tolv::ParaLeitura);                                                                                     \
    T(const T& src);                                                                                                   \
    ~T() override;                                                                                                     \
    const T& operator=(const T& src);                                                                                  \
                                                                                                                       \
protected:                                                                                                             \
    void OnLimpar() override;                                                                                          \
    void OnCopiar(const TJQBaseParaDados* src) override;                                                               \
                                                                                                                       \
public:

namespace tolv {
// Bytes of a record's plain members (none owns anything).
template <class... M>
requires(std::is_trivially_copyable_v<M>&&...) inline constexpr size_t SomaTamanhos = (sizeof(M) + ... + 0);
} // namespace tolv

// The list reading's form of CopiarDe(S*), on an element just made by the
// ParaLeitura constructor: its other members are already as Limpar() leaves
// them and LeDe writes the whole structure (or zeroes it), so the clearing is
// skipped unless the source lies over the element. Classes derived from T
// read by CopiarDe(S*).
#define TOLV_LEITURA(T, S)                                                                                             \
public:                                                                                                                \
    using TipoLeitura = T;                                                                                             \
    void CopiarDe(S* src, tolv::ParaLeitura)                                                                           \
    {                                                                                                                  \
        if (tolv::Sobrepoe(src, sizeof(S), this, sizeof(*this)))                                                       \
            Limpar();                                                                                                  \
        LeDe(src);                                                                                                     \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    void LeDe(S* src);                                                                                                 \
                                                                                                                       \
public:

// Same for a record whose reading is its structure alone (LeDe is a LeBloco
// of m_ps): the list reading has checked the caller's whole array, so the
// structures go by plain copies (a whole list's by one CopiaElementos).
#define TOLV_LEITURA_SIMPLES(T, S)                                                                                     \
public:                                                                                                                \
    using TipoLeitura = T;                                                                                             \
    using LeituraPorBytes = T;                                                                                         \
    static S* ImagemParaLeitura(T& r) noexcept { return &r.m_ps; }                                                     \
    void CopiarDe(S* src, tolv::ParaLeitura)                                                                           \
    {                                                                                                                  \
        if (tolv::Sobrepoe(src, sizeof(S), this, sizeof(*this))) {                                                     \
            Limpar();                                                                                                  \
            std::memmove(static_cast<void*>(&m_ps), src, sizeof m_ps);                                                 \
        } else {                                                                                                       \
            tolv::CopiaEstrutura<sizeof(S)>(&m_ps, src);                                                               \
        }                                                                                                              \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    void LeDe(S* src);                                                                                                 \
                                                                                                                       \
public:

// The list writing's form of CopiarPara(S*), into an element of an array the
// list writing has just allocated: nothing there can fault, so the structure
// goes by a plain copy (a whole list's structures by one CopiaElementos).
// Classes derived from T write by CopiarPara(S*).
#define TOLV_ESCRITA_SIMPLES(T, S)                                                                                     \
public:                                                                                                                \
    using TipoEscrita = T;                                                                                             \
    using EscritaPorBytes = T;                                                                                         \
    void CopiarPara(S* dst, tolv::ParaEscrita) const { tolv::CopiaEstrutura<sizeof(S)>(dst, &m_ps); }                  \
    static const S* ImagemParaEscrita(const T& r) noexcept { return &r.m_ps; }

// Same for a structure with nested arrays or texts: CopiarPara(S*) and this
// form share EscreveAninhados, which zeroes the counts and pointers the copy
// brought and writes the class's lists and texts in their place.
#define TOLV_ESCRITA(T, S)                                                                                             \
public:                                                                                                                \
    using TipoEscrita = T;                                                                                             \
    void CopiarPara(S* dst, tolv::ParaEscrita) const                                                                   \
    {                                                                                                                  \
        tolv::CopiaEstrutura<sizeof(S)>(dst, &m_ps);                                                                   \
        EscreveAninhados(dst);                                                                                         \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    void EscreveAninhados(S* dst) const;                                                                               \
                                                                                                                       \
public:

// Declares, after the class, that record T (directly on TJQBaseParaDados) is
// its structure S and nothing else, but for plain members of the types given
// after S: lists copy it by its bytes and drop it without a destructor call.
#define TOLV_COPIA_POR_BYTES(T, S, ...)                                                                                \
    static_assert(sizeof(T) == sizeof(TJQBaseParaDados) + sizeof(S) __VA_OPT__(+tolv::SomaTamanhos<__VA_ARGS__>),      \
                  #T " holds more than its structure");                                                                \
    namespace tolv {                                                                                                   \
    template <> inline constexpr bool kCopiaPorBytes<T> = true;                                                        \
    template <> inline constexpr bool kDestrutorVazio<T> = true;                                                       \
    }

// Declares, after TOLV_COPIA_POR_BYTES, that T's comparison reads its
// structure and nothing else, has no other effect and answers equal for
// identical structures (a plan does): see tolv::kIgualSeMesmosBytes.
#define TOLV_IGUAL_SE_MESMOS_BYTES(T)                                                                                  \
    static_assert(tolv::kCopiaPorBytes<T>, #T " is not copied by its bytes");                                          \
    namespace tolv {                                                                                                   \
    template <> inline constexpr bool kIgualSeMesmosBytes<T> = true;                                                   \
    }

// Comparison pair: operator!= is exactly the negation of operator==.
#define TOLV_COMPARACAO(T)                                                                                             \
public:                                                                                                                \
    bool operator==(const T& outro) const;                                                                             \
    bool operator!=(const T& outro) const { return !(*this == outro); }

// Defines the constructors, destructor and assignment of T (direct base B):
// the default constructor ends with Limpar(); the list reading's leaves it to
// its CopiarDe; the copy constructor only copies, since every class's OnCopiar
// sets all that its OnLimpar clears (the lists and texts start empty), so
// clearing first would write each structure twice. Assignment goes through a
// temporary copy. The destructor leaves the release of the lists and texts to
// their own destructors: clearing a record that is going away would only zero
// bytes nobody reads again.
#define TOLV_PADRAO_IMPL(T, B)                                                                                         \
    T::T() : B() { Limpar(); }                                                                                         \
    T::T(tolv::ParaLeitura) : B() {}                                                                                   \
    T::T(const T& src) : B() { Copiar(&src); }                                                                         \
    T::~T() = default;                                                                                                 \
    const T& T::operator=(const T& src)                                                                                \
    {                                                                                                                  \
        T temp(src);                                                                                                   \
        Limpar();                                                                                                      \
        Copiar(&temp);                                                                                                 \
        return *this;                                                                                                  \
    }
