// The record pattern: TJQCMBaseParaDados and the standard member set.
#pragma once

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
    ~TJQCMBaseParaDados() override { Limpar(); }
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

// Comparison pair: operator!= is exactly the negation of operator==.
#define TOLV_COMPARACAO(T)                                                                                             \
public:                                                                                                                \
    bool operator==(const T& outro) const;                                                                             \
    bool operator!=(const T& outro) const { return !(*this == outro); }

// Defines the constructors, destructor and assignment of T (direct base B):
// every constructor ends with Limpar() (but the list reading's, whose CopiarDe
// starts with it); assignment goes through a temporary copy.
#define TOLV_PADRAO_IMPL(T, B)                                                                                         \
    T::T() : B() { Limpar(); }                                                                                         \
    T::T(tolv::ParaLeitura) : B() {}                                                                                   \
    T::T(const T& src) : B()                                                                                           \
    {                                                                                                                  \
        Limpar();                                                                                                      \
        Copiar(&src);                                                                                                  \
    }                                                                                                                  \
    T::~T() { Limpar(); }                                                                                              \
    const T& T::operator=(const T& src)                                                                                \
    {                                                                                                                  \
        T temp(src);                                                                                                   \
        Limpar();                                                                                                      \
        Copiar(&temp);                                                                                                 \
        return *this;                                                                                                  \
    }
