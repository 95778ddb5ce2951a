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

// How many leading bytes of field c decide the comparison when the text fields
// hold "A": the rest of a text after its NUL, the 4 bytes after a date and the
// reserved bytes of a position are ignored.
inline unsigned BytesComparados(const tolv::CampoDesc& c)
{
    switch (c.tipo) {
    case tolv::Tipo::Reservado: return 0;
    case tolv::Tipo::Texto:
    case tolv::Tipo::TextoFixo: return c.tamanho < 2 ? c.tamanho : 2;
    case tolv::Tipo::Data: return 4;
    case tolv::Tipo::Posicao: return 10;
    default: return c.tamanho;
    }
}

// Flips each byte of each field of base's structure S in turn (every text
// holding "A"; only the first byte of each field when cadaByte is false) and
// reads it back: a byte that decides its field's comparison must make the
// records unequal, an ignored byte (reserved, or as above) must not; counts and
// pointers are skipped and lists dropped. Returns the fields that broke the
// rule, with the offset of the byte inside the field when it is not the first.
template <class R, class S>
std::vector<std::string> CamposForaDaComparacao(R base, int& comparados, bool cadaByte = true)
{
    S ps;
    base.CopiarPara(&ps);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(&ps);
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    auto* bytes = reinterpret_cast<unsigned char*>(&ps);
    for (unsigned k = 0; k < d.nCampos; ++k)
        if (d.campos[k].tipo == tolv::Tipo::Texto || d.campos[k].tipo == tolv::Tipo::TextoFixo) {
            std::memset(bytes + d.campos[k].offset, 0, d.campos[k].tamanho);
            bytes[d.campos[k].offset] = 'A';
        }
    R lido;
    lido.CopiarDe(&ps);
    std::vector<std::string> erros;
    comparados = 0;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        const tolv::CampoDesc& c = d.campos[k];
        bool aninhado = c.tipo == tolv::Tipo::Array || c.tipo == tolv::Tipo::TextoVar;
        for (unsigned j = 0; j < d.nCampos && !aninhado; ++j)
            aninhado = d.campos[j].contagem && std::string(d.campos[j].contagem) == c.nome;
        if (aninhado)
            continue;
        unsigned decisivos = BytesComparados(c);
        for (unsigned b = 0; b < (cadaByte ? c.tamanho : 1u); ++b) {
            S mudado = ps;
            reinterpret_cast<unsigned char*>(&mudado)[c.offset + b] ^= 0x01;
            R outro;
            outro.CopiarDe(&mudado);
            if ((lido == outro) != (b >= decisivos)) {
                erros.push_back(b == 0 ? std::string(c.nome) : std::string(c.nome) + "+" + std::to_string(b));
                break;
            }
        }
        comparados += decisivos ? 1 : 0;
    }
    return erros;
}

} // namespace re_teste
