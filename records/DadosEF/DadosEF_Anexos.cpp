#include "records/DadosEF/DadosEF_Anexos.h"

#include "core/JQMem.h"

#define ARQ "DadosEF"

TOLV_REGISTRA_ESTRUTURA(_REG_DADOS_DIPS)
TOLV_REGISTRA_ESTRUTURA(_REG_EF_NF_FINANCEIRO_PS)
TOLV_REGISTRA_ESTRUTURA(_REG_EF_NF_REFERIDA_PS)
TOLV_REGISTRA_ESTRUTURA(_REG_NOTAS_FISCIASPS)

// Each of these records is its structure and nothing else: cleared by a zero
// fill, copied and sent by a guarded copy of the whole image.
#define TOLV_EF_ANEXO(T, S)                                                                                            \
    IMPLEMENT_DYNAMIC(T, TJQBaseParaDados)                                                                             \
    TOLV_PADRAO_IMPL(T, TJQBaseParaDados)                                                                              \
    void T::OnLimpar()                                                                                                 \
    {                                                                                                                  \
        tolv::ZeraPropria(m_ps);                                                                                       \
        TJQBaseParaDados::OnLimpar();                                                                                  \
    }                                                                                                                  \
    void T::OnCopiar(const TJQBaseParaDados* src)                                                                      \
    {                                                                                                                  \
        tolv::CopiaPropria(m_ps, static_cast<const T*>(src)->m_ps);                                                    \
        TJQBaseParaDados::OnCopiar(src);                                                                               \
    }                                                                                                                  \
    void T::CopiarPara(S* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }

TOLV_EF_ANEXO(TEFMovimentoDI, _REG_DADOS_DIPS)
TOLV_EF_ANEXO(TEFMovimentoParcela, _REG_EF_NF_FINANCEIRO_PS)
TOLV_EF_ANEXO(TEFMovimentoReferida, _REG_EF_NF_REFERIDA_PS)
TOLV_EF_ANEXO(TEFMovimentoTransporte, _REG_NOTAS_FISCIASPS)
