// Shared records of the framework: the management line TCMGerencial.
#pragma once

#include <cstring>

#include "core/Layout.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_CM_GERENCIALPS(F)                 \
    F(0,  CY,   Valor,                 RW)                   \
    F(8,  CY,   Quantidade,            RW)                   \
    F(16, LONG, PonteiroClassificacao, RW)                   \
    F(20, LONG, PonteiroGerencial,     RW)
TOLV_ESTRUTURA(tagREG_CM_GERENCIALPS, 24)

#define TOLV_LAYOUT_tagRegGerencial_ps(F)                    \
    F(0,  CY,   Valor,                 NO)                   \
    F(8,  CY,   Quantidade,            NO)                   \
    F(16, LONG, PonteiroClassificacao, NO)                   \
    F(20, LONG, PonteiroGerencial,     NO)
TOLV_ESTRUTURA(tagRegGerencial_ps, 24)

#define TOLV_LAYOUT__REG_ES_GERENCIALPS(F)                   \
    F(0,  CY,   Valor,                 NO)                   \
    F(8,  LONG, PonteiroClassificacao, NO)                   \
    F(12, LONG, PonteiroGerencial,     NO)
TOLV_ESTRUTURA(_REG_ES_GERENCIALPS, 16)

#define TOLV_LAYOUT__REG_EF_NF_GERENCIAL_PS(F)               \
    F(0,  CY,      Valor,                 NO)                \
    F(8,  RES(8),  Reservado8,            NO)                \
    F(16, LONG,    PonteiroClassificacao, NO)                \
    F(20, LONG,    PonteiroGerencial,     NO)                \
    F(24, USHORT,  DataEntrada,           NO)                \
    F(26, RES(30), Reservado26,           NO)
TOLV_ESTRUTURA(_REG_EF_NF_GERENCIAL_PS, 56)

// Only the three fields read here; the owner's structure may be longer.
#define TOLV_LAYOUT__REG_RATEIO_CONTAS_GERENCIAISPS(F)       \
    F(0,  CY,     Valor,                 NO)                 \
    F(8,  RES(8), Reservado8,            NO)                 \
    F(16, LONG,   PonteiroClassificacao, NO)                 \
    F(20, LONG,   PonteiroGerencial,     NO)
TOLV_ESTRUTURA(_REG_RATEIO_CONTAS_GERENCIAISPS, 24)
// clang-format on

// One line of a management-accounting apportionment.
class TOLV_API TCMGerencial : public TJQBaseParaDados {
public:
    // The line is its structure alone: the members below do what Limpar() and
    // Copiar() would, inline, since lists hold lines by the hundred.
    TCMGerencial() { tolv::ZeraPropria(m_ps); }
    explicit TCMGerencial(tolv::ParaLeitura) noexcept {}
    TCMGerencial(const TCMGerencial& src) : TJQBaseParaDados(), m_ps(src.m_ps) {}
    ~TCMGerencial() override = default;
    const TCMGerencial& operator=(const TCMGerencial& src)
    {
        m_ps = src.m_ps;
        return *this;
    }

protected:
    void OnLimpar() override;
    void OnCopiar(const TJQBaseParaDados* src) override;

public:
    TOLV_COMPARACAO(TCMGerencial)

public:
    TOLV_ACESSORES(tagREG_CM_GERENCIALPS)

    // The class whose list reading form of CopiarDe this is.
    using TipoLeitura = TCMGerencial;

    void CopiarPara(tagREG_CM_GERENCIALPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMGerencial, tagREG_CM_GERENCIALPS)
    void CopiarPara(tagRegGerencial_ps* dst) const;
    void CopiarPara(_REG_ES_GERENCIALPS* dst) const;
    void CopiarPara(_REG_EF_NF_GERENCIAL_PS* dst) const;
    // The shorter forms into an array the library has just taken (nothing to
    // guard), every byte written: the 24-byte form has this line's layout.
    void CopiarPara(tagRegGerencial_ps* dst, tolv::ParaEscrita) const noexcept
    {
        static_assert(sizeof(tagRegGerencial_ps) == sizeof m_ps && offsetof(tagRegGerencial_ps, Quantidade) == 8 &&
                      offsetof(tagRegGerencial_ps, PonteiroClassificacao) == 16 &&
                      offsetof(tagRegGerencial_ps, PonteiroGerencial) == 20);
        std::memcpy(static_cast<void*>(dst), &m_ps, sizeof m_ps);
    }
    void CopiarPara(_REG_ES_GERENCIALPS* dst, tolv::ParaEscrita) const noexcept
    {
        dst->Valor = m_ps.Valor;
        dst->PonteiroClassificacao = m_ps.PonteiroClassificacao;
        dst->PonteiroGerencial = m_ps.PonteiroGerencial;
    }
    void CopiarDe(tagREG_CM_GERENCIALPS* src);
    // The list reading's form, on an element just made by the ParaLeitura
    // constructor, from an array the list reading has found readable: the
    // structure is the only member, written whole.
    void CopiarDe(tagREG_CM_GERENCIALPS* src, tolv::ParaLeitura)
    {
        tagREG_CM_GERENCIALPS lido;
        std::memcpy(&lido, src, sizeof lido);
        m_ps = lido;
    }
    // A whole list's lines by one CopiaElementos.
    using LeituraPorBytes = TCMGerencial;
    static tagREG_CM_GERENCIALPS* ImagemParaLeitura(TCMGerencial& r) noexcept { return &r.m_ps; }
    void CopiarDe(tagRegGerencial_ps* src);
    void CopiarDe(_REG_ES_GERENCIALPS* src);
    void CopiarDe(_REG_EF_NF_GERENCIAL_PS* src);
    void CopiarDe(_REG_RATEIO_CONTAS_GERENCIAISPS* src);

protected:
    tagREG_CM_GERENCIALPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMGerencial, tagREG_CM_GERENCIALPS)
namespace tolv {
template <> inline constexpr bool kIgualPorBytes<TCMGerencial> = true;
}

// The shared accounting records built on the management line.
#include "core/Rateio.h"
