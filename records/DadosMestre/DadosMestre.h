// Master lists of the purchasing module: authorization rules with their user
// groups, receiving windows and purchase-order layouts, each table exchanged
// as one list structure of the caller's.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "platform/afxstr.h"

// clang-format off
// One user number of a user group.
#define TOLV_LAYOUT_tagREG_CM_NUMERO_USUARIOPS(F)                              \
    F(0, USHORT, NumeroUsuario, NO)
TOLV_ESTRUTURA(tagREG_CM_NUMERO_USUARIOPS, 2)

// A user group: bytes 0 to 5 are not the library's.
#define TOLV_LAYOUT_tagREG_CM_AUTORIZACOES_USUARIOSPS(F)                       \
    F(0,  RES(6), Reservado0,  NO)                                             \
    F(6,  USHORT, QtdUsuarios, NO)                                             \
    F(8,  ARR(tagREG_CM_NUMERO_USUARIOPS, QtdUsuarios), pUsuarios, NO)         \
    F(12, RES(4), Reservado12, NO)
TOLV_ESTRUTURA(tagREG_CM_AUTORIZACOES_USUARIOSPS, 16)

#define TOLV_LAYOUT_tagREG_CM_AUTORIZACOESPS(F)                                \
    F(0,  POS,    PosicaoProduto,         RW)                                  \
    F(16, CY,     FaixaValorInicial,      RW)                                  \
    F(24, CY,     FaixaValorFinal,        RW)                                  \
    F(32, LONG,   PonteiroDepartamento,   RW)                                  \
    F(36, USHORT, PeriodoValidadeInicial, RW)                                  \
    F(38, USHORT, PeriodoValidadeFinal,   RW)                                  \
    F(40, USHORT, PonteiroFilial,         RW)                                  \
    F(42, USHORT, DataUltimaAlteracao,    RW)                                  \
    F(44, USHORT, HoraUltimaAlteracao,    RW)                                  \
    F(46, USHORT, Usuario,                RW)                                  \
    F(48, CHAR,   StatusProdutoServico,   RW)                                  \
    F(49, RES(3), Reservado49,            NO)                                  \
    F(52, LONG,   QtdUsuarios,            NO)                                  \
    F(56, ARR(tagREG_CM_AUTORIZACOES_USUARIOSPS, QtdUsuarios), pUsuarios, NO)  \
    F(60, RES(4), Reservado60,            NO)
TOLV_ESTRUTURA(tagREG_CM_AUTORIZACOESPS, 64)

#define TOLV_LAYOUT_tagREG_CM_RECEBIMENTOPS(F)                                 \
    F(0, USHORT, PonteiroFilial, RW)                                           \
    F(2, USHORT, HoraDe,         RW)                                           \
    F(4, USHORT, HoraAte,        RW)                                           \
    F(6, UCHAR,  DiaSemanaDe,    RW)                                           \
    F(7, UCHAR,  DiaSemanaAte,   RW)                                           \
    F(8, UCHAR,  ExcetoFeriados, RW)                                           \
    F(9, RES(7), Reservado9,     NO)
TOLV_ESTRUTURA(tagREG_CM_RECEBIMENTOPS, 16)

#define TOLV_LAYOUT_tagREG_CM_LEIAUTEOCMESTREPS(F)                             \
    F(0,   USHORT,   PonteiroFilial, RW)                                       \
    F(2,   TXT(299), Leiaute,        RW)                                       \
    F(302, RES(2),   Reservado302,   NO)
TOLV_ESTRUTURA(tagREG_CM_LEIAUTEOCMESTREPS, 304)

// The caller's table structures: only their first 12 bytes are known here, and
// bytes 0 to 3 are not the library's.
#define TOLV_LAYOUT_tagREG_CM_AUTORIZACOESMESTRE_LISTAPS(F)                    \
    F(0, RES(4), Reservado0,      NO)                                          \
    F(4, LONG,   QtdAutorizacoes, NO)                                          \
    F(8, ARR(tagREG_CM_AUTORIZACOESPS, QtdAutorizacoes), pAutorizacoes, NO)
TOLV_ESTRUTURA(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS, 12)

#define TOLV_LAYOUT_tagREG_CM_RECEBIMENTOMESTRE_LISTAPS(F)                     \
    F(0, RES(4), Reservado0,     NO)                                           \
    F(4, LONG,   QtdRecebimento, NO)                                           \
    F(8, ARR(tagREG_CM_RECEBIMENTOPS, QtdRecebimento), pRecebimento, NO)
TOLV_ESTRUTURA(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS, 12)

#define TOLV_LAYOUT_tagREG_CM_LEIAUTEOCMESTRE_LISTAPS(F)                       \
    F(0, RES(4), Reservado0,   NO)                                             \
    F(4, LONG,   QtdLeiauteOC, NO)                                             \
    F(8, ARR(tagREG_CM_LEIAUTEOCMESTREPS, QtdLeiauteOC), pLeiauteOC, NO)
TOLV_ESTRUTURA(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS, 12)
// clang-format on

// A group of users who authorize under a rule: a list of user numbers. It has
// no structure of its own and writes only bytes 6 to 15 of its element.
class TOLV_API TCMMestreAutorizacoesUsuarios : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreAutorizacoesUsuarios)

public:
    // The number array is a new[] block owned by the receiver; more numbers
    // than the 16-bit count holds are refused before anything is allocated.
    void CopiarPara(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst) const;
    // The same into an entry of an array the library has just taken: the
    // whole entry written, bytes 0 to 5 zero.
    using TipoEscrita = TCMMestreAutorizacoesUsuarios;
    void CopiarPara(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst, tolv::ParaEscrita) const;
    void CopiarDe(tagREG_CM_AUTORIZACOES_USUARIOSPS* src);

    TOLV_LISTA(unsigned short, Usuarios)

private:
    void EscreveNumeros(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst) const;
};

// An authorization rule: for a product position, a department and a branch,
// the value range and validity period, and the groups who authorize.
class TOLV_API TCMMestreAutorizacoes : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreAutorizacoes)

public:
    TOLV_ACESSORES(tagREG_CM_AUTORIZACOESPS)

    // The group array goes out zero filled, then each group writes its slots.
    void CopiarPara(tagREG_CM_AUTORIZACOESPS* dst) const;
    TOLV_ESCRITA(TCMMestreAutorizacoes, tagREG_CM_AUTORIZACOESPS)
    void CopiarDe(tagREG_CM_AUTORIZACOESPS* src);
    TOLV_LEITURA(TCMMestreAutorizacoes, tagREG_CM_AUTORIZACOESPS)

    TOLV_LISTA(TCMMestreAutorizacoesUsuarios, Usuarios)

protected:
    tagREG_CM_AUTORIZACOESPS m_ps;
};

// The table of authorization rules.
class TOLV_API TCMMestreListaAutorizacoes : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreListaAutorizacoes)

public:
    // Writes the count and pointer at 4 and 8 and nothing else of ps.
    void CopiarPara(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps) const;
    void CopiarDe(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps);

    // Release the tree, each pointer set to null and each count to 0 right
    // after its release; a negative count walks nothing.
    static void ZerarGlobalAlloc(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps);
    static void ZerarDelete(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps);

    TOLV_LISTA(TCMMestreAutorizacoes, Autorizacoes)
};

// A receiving window of a branch: hours, weekdays, holidays.
class TOLV_API TCMMestreRecebimento : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreRecebimento)

public:
    TOLV_ACESSORES(tagREG_CM_RECEBIMENTOPS)

    void CopiarPara(tagREG_CM_RECEBIMENTOPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS)
    void CopiarDe(tagREG_CM_RECEBIMENTOPS* src);
    TOLV_LEITURA_SIMPLES(TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS)

protected:
    tagREG_CM_RECEBIMENTOPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS)

// The purchase-order layout text of a branch.
class TOLV_API TCMMestreLeiauteOC : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreLeiauteOC)

public:
    TOLV_ACESSORES(tagREG_CM_LEIAUTEOCMESTREPS)

    void CopiarPara(tagREG_CM_LEIAUTEOCMESTREPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS)
    void CopiarDe(tagREG_CM_LEIAUTEOCMESTREPS* src);
    TOLV_LEITURA_SIMPLES(TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS)

protected:
    tagREG_CM_LEIAUTEOCMESTREPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS)

// The table of receiving windows.
class TOLV_API TCMMestreListaRecebimento : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreListaRecebimento)

public:
    // Writes the count and pointer at 4 and 8 and nothing else of ps.
    void CopiarPara(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps) const;
    void CopiarDe(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps);

    // Release the array, then set the pointer and the count to zero.
    static void ZerarGlobalAlloc(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps);
    static void ZerarDelete(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps);

    TOLV_LISTA(TCMMestreRecebimento, Recebimento)
};

// The table of purchase-order layouts.
class TOLV_API TCMMestreListaLeiauteOC : public TJQBaseParaDados {
    TOLV_PADRAO(TCMMestreListaLeiauteOC)

public:
    // Writes the count and pointer at 4 and 8 and nothing else of ps.
    void CopiarPara(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps) const;
    void CopiarDe(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps);

    // Release the array, then set the pointer and the count to zero.
    static void ZerarGlobalAlloc(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps);
    static void ZerarDelete(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps);

    TOLV_LISTA(TCMMestreLeiauteOC, LeiauteOC)
};
