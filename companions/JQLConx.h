// The maker's base library: the base classes of every record.
#pragma once

#include "platform/afx.h"

class TOLV_API TJQBase {
public:
    virtual ~TJQBase() = default;
};

class TOLV_API TJQBaseObject : public CObject, public TJQBase {
public:
    TJQBaseObject() = default;
    TJQBaseObject(const TJQBaseObject&) = default;
    TJQBaseObject& operator=(const TJQBaseObject&) = default;
    ~TJQBaseObject() override = default;
};

// Base of the data records: Limpar and Copiar dispatch to the virtual hooks of
// the most-derived class.
class TOLV_API TJQBaseParaDados : public TJQBaseObject {
    DECLARE_DYNAMIC(TJQBaseParaDados)
public:
    TJQBaseParaDados() = default;
    TJQBaseParaDados(const TJQBaseParaDados&) : TJQBaseObject() {}
    TJQBaseParaDados& operator=(const TJQBaseParaDados&) { return *this; }
    ~TJQBaseParaDados() override = default;

    void Limpar() { OnLimpar(); }
    void Copiar(const TJQBaseParaDados* src) { OnCopiar(src); }

protected:
    virtual void OnLimpar() {}
    virtual void OnCopiar(const TJQBaseParaDados* src) { (void)src; }
    virtual bool OnIgual(const TJQBaseParaDados* outro) const { return outro == this; }
};
