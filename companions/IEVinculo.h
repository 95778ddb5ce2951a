// The link object of the maker's server library: links a document to other
// data of the system. Records hold it, copy it and clear it; they never write,
// read or compare it.
#pragma once

#include "platform/afxstr.h"
#include "platform/wintypes.h"

class TOLV_API CIEVinculo {
public:
    CIEVinculo() = default;
    CIEVinculo(const CIEVinculo&) = default;
    CIEVinculo& operator=(const CIEVinculo&) = default;
    ~CIEVinculo() = default;

    // Makes the link empty again.
    void Limpa() { m_Chave.Empty(); }

    bool IsVazio() const { return m_Chave.IsEmpty(); }
    const CString& GetChave() const { return m_Chave; }
    void SetChave(const CString& chave) { m_Chave = chave; }

    bool operator==(const CIEVinculo& outro) const { return m_Chave == outro.m_Chave; }
    bool operator!=(const CIEVinculo& outro) const { return !(*this == outro); }

private:
    CString m_Chave;
};
