#include "records/DadosRE/DadosRE_AtivoImobilizado.h"

#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_ATIVO_IMOBILIZADO_ENTRADAPS)

IMPLEMENT_DYNAMIC(TCMREAtivoImobilizado, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TCMREAtivoImobilizado, TJQBaseParaDados)

void TCMREAtivoImobilizado::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREAtivoImobilizado::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREAtivoImobilizado*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREAtivoImobilizado::operator==(const TCMREAtivoImobilizado& o) const
{
    return GetValorCredito() == o.GetValorCredito() && GetNumeroLivro() == o.GetNumeroLivro() &&
           GetNumeroFolha() == o.GetNumeroFolha() && Campo_Descricao::igual(m_ps.Descricao, o.m_ps.Descricao) &&
           Campo_Plaqueta::igual(m_ps.Plaqueta, o.m_ps.Plaqueta);
}

void TCMREAtivoImobilizado::CopiarPara(tagREG_ATIVO_IMOBILIZADO_ENTRADAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREAtivoImobilizado::CopiarDe(tagREG_ATIVO_IMOBILIZADO_ENTRADAPS* src)
{
    Limpar();
    tolv::re::LeBloco(m_ps, src);
}
