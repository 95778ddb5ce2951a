// Shared accounting records: the apportionment base, management line lists and
// accounting postings. None has a transfer structure of its own.
#pragma once

#include "core/DadosCore.h"
#include "core/Lista.h"
#include "platform/afxstr.h"

// An apportionment owning its management lines; base of every apportionment
// record of the module.
class TOLV_API TCMRateioBase : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TCMRateioBase)
    TOLV_PADRAO(TCMRateioBase)
    TOLV_LISTA(TCMGerencial, Gerencial)

public:
    // Same lines in the same order.
    bool operator==(const TCMRateioBase* outro) const;
    bool operator!=(const TCMRateioBase* outro) const { return !(*this == outro); }
};

// Management lines that merge by account when added together.
class TOLV_API TXGerencialSimples : public TJQBaseParaDados {
    TOLV_PADRAO(TXGerencialSimples)
    TOLV_LISTA(TCMGerencial, Gerencial)

public:
    // Appends other's lines, then folds lines of the same management account.
    const TXGerencialSimples& operator+(const TXGerencialSimples& outro);
};

// Lists of management lines, added position by position.
class TOLV_API TXGerencialComposto : public TJQBaseParaDados {
    TOLV_PADRAO(TXGerencialComposto)
    TOLV_LISTA(TXGerencialSimples, Gerencial)

public:
    const TXGerencialComposto& operator+(const TXGerencialComposto& outro);
};

// One accounting posting with a management apportionment on each side.
class TOLV_API TXContabilizacao : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TXContabilizacao)
    TOLV_PADRAO(TXContabilizacao)

public:
    tagCY GetValor() const { return m_Valor; }
    void SetValor(tagCY v) { m_Valor = v; }
    long GetDocumento() const { return m_Documento; }
    void SetDocumento(long v) { m_Documento = v; }
    unsigned short GetFilial() const { return m_Filial; }
    void SetFilial(unsigned short v) { m_Filial = v; }
    unsigned short GetData() const { return m_Data; }
    void SetData(unsigned short v) { m_Data = v; }
    long GetContaDebito() const { return m_ContaDebito; }
    void SetContaDebito(long v) { m_ContaDebito = v; }
    long GetContaCredito() const { return m_ContaCredito; }
    void SetContaCredito(long v) { m_ContaCredito = v; }
    unsigned short GetHistorico() const { return m_Historico; }
    void SetHistorico(unsigned short v) { m_Historico = v; }
    char GetGerencialVaiPara() const { return m_GerencialVaiPara; }
    void SetGerencialVaiPara(char v) { m_GerencialVaiPara = v; }
    char GetTipoContaDebito() const { return m_TipoContaDebito; }
    void SetTipoContaDebito(char v) { m_TipoContaDebito = v; }
    char GetTipoContaCredito() const { return m_TipoContaCredito; }
    void SetTipoContaCredito(char v) { m_TipoContaCredito = v; }
    CString GetComplemento() const { return m_Complemento; }
    void SetComplemento(const CString& v) { m_Complemento = v; }
    TXGerencialComposto GetGerencialDebito() const { return m_GerencialDebito; }
    void SetGerencialDebito(const TXGerencialComposto& v) { m_GerencialDebito = v; }
    TXGerencialComposto GetGerencialCredito() const { return m_GerencialCredito; }
    void SetGerencialCredito(const TXGerencialComposto& v) { m_GerencialCredito = v; }

protected:
    tagCY m_Valor;
    long m_Documento;
    unsigned short m_Filial;
    unsigned short m_Data;
    long m_ContaDebito;
    long m_ContaCredito;
    unsigned short m_Historico;
    char m_GerencialVaiPara;
    char m_TipoContaDebito;
    char m_TipoContaCredito;
    CString m_Complemento;
    TXGerencialComposto m_GerencialDebito;
    TXGerencialComposto m_GerencialCredito;
};

// A posting of an inventory movement: adds product and apportionment sequences.
class TOLV_API TXContabilizacaoES : public TXContabilizacao {
    DECLARE_DYNAMIC(TXContabilizacaoES)
    TOLV_PADRAO(TXContabilizacaoES)

public:
    // Takes every posting field of src; both sequence numbers become zero.
    const TXContabilizacaoES& operator=(const TXContabilizacao& src);

    int GetSequenciaProduto() const { return m_SequenciaProduto; }
    void SetSequenciaProduto(int v) { m_SequenciaProduto = v; }
    int GetSequenciaRateio() const { return m_SequenciaRateio; }
    void SetSequenciaRateio(int v) { m_SequenciaRateio = v; }

protected:
    int m_SequenciaProduto;
    int m_SequenciaRateio;
};
