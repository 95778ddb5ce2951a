// Helpers of the entry-register tests.
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "companions/TOLVSVCUtil.h"
#include "tolvdata.h"

namespace re_teste {

inline TCMGerencial Linha(long conta, long long valor)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    g.SetPonteiroClassificacao(conta * 10);
    g.SetValor(JQCY(valor));
    g.SetQuantidade(JQCY(valor / 2));
    return g;
}

// True when every byte of s in [de, ate) equals v.
template <class S> bool Bytes(const S& s, size_t de, size_t ate, unsigned char v = 0)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&s);
    for (size_t k = de; k < ate; ++k)
        if (b[k] != v)
            return false;
    return true;
}

template <class F> bool LancaArgumentoInvalido(F f)
{
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

// Records the arguments of every history-complement comparison.
class ObservaComplemento {
public:
    ObservaComplemento() { CTOLVSVCUtil::SetObservadorComplemento(&Anota, this); }
    ~ObservaComplemento() { CTOLVSVCUtil::SetObservadorComplemento(nullptr, nullptr); }
    std::vector<std::pair<std::string, std::string>> chamadas;

private:
    static void Anota(const char* a, const char* b, void* ctx)
    {
        static_cast<ObservaComplemento*>(ctx)->chamadas.emplace_back(a ? a : "", b ? b : "");
    }
};

// Flips the first byte of each field of base's structure S in turn and reads it
// back: every field must make the records unequal, reserved bytes must not
// (counts and pointers are skipped; lists are dropped). Returns the fields
// that broke the rule.
template <class R, class S> std::vector<std::string> CamposForaDaComparacao(R base, int& comparados)
{
    S ps;
    base.CopiarPara(&ps);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(&ps);
    R lido;
    lido.CopiarDe(&ps);
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    std::vector<std::string> erros;
    comparados = 0;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        const tolv::CampoDesc& c = d.campos[k];
        bool aninhado = c.tipo == tolv::Tipo::Array || c.tipo == tolv::Tipo::TextoVar;
        for (unsigned j = 0; j < d.nCampos && !aninhado; ++j)
            aninhado = d.campos[j].contagem && std::string(d.campos[j].contagem) == c.nome;
        if (aninhado)
            continue;
        S mudado = ps;
        reinterpret_cast<unsigned char*>(&mudado)[c.offset] ^= 0x01;
        R outro;
        outro.CopiarDe(&mudado);
        bool reservado = c.tipo == tolv::Tipo::Reservado;
        if ((lido == outro) != reservado)
            erros.push_back(c.nome);
        comparados += reservado ? 0 : 1;
    }
    return erros;
}

} // namespace re_teste
