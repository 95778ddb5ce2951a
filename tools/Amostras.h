// Generic sample trees of transfer structures, driven by a byte source: every
// nested array the layout description names is built with the COM task
// allocator, as the other side of a call would. Used by the fuzzers, the
// benchmarks and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Layout.h"

namespace amostra {

// Bytes of an input, then zeros once it runs out.
class Fonte {
public:
    Fonte(const uint8_t* dados, size_t tamanho) : m_p(dados), m_n(tamanho) {}
    uint8_t Byte()
    {
        if (m_n == 0)
            return 0;
        --m_n;
        return *m_p++;
    }
    uint32_t U32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return v;
    }
    void Bytes(void* dst, size_t n);
    size_t Resto() const { return m_n; }

private:
    const uint8_t* m_p;
    size_t m_n;
};

struct Opcoes {
    unsigned maxElementos = 3; // per nested array
    unsigned maxTexto = 64;    // bytes of a variable text
    unsigned profundidade = 6; // nesting levels built
    bool hostil = false;       // counts with null pointers, sizes with null texts
};

// Fills the d.tamanho bytes at ps from f and builds its nested arrays.
void Constroi(const tolv::EstruturaDesc& d, void* ps, Fonte& f, const Opcoes& o, unsigned nivel = 0);

// Compares two trees: every byte outside the pointer slots, and what the
// pointers lead to. On a difference, `onde` names the field path.
bool Iguais(const tolv::EstruturaDesc& d, const void* a, const void* b, std::string& onde);

// Elements and bytes of one tree (the top block included).
struct Medida {
    size_t blocos = 0;
    size_t bytes = 0;
};
Medida Mede(const tolv::EstruturaDesc& d, const void* ps);

// The nested blocks of one tree (the top block left out): in the order a walk
// meets them (an array before its elements' blocks), and the order of their
// release as indexes into the first: the reverse, the last one first (so an
// array after its elements' blocks), as the library's freeing gives them back.
struct Bloco {
    const unsigned char* origem;
    size_t tamanho;
};
struct Blocos {
    std::vector<Bloco> blocos;
    std::vector<size_t> soltura;
};
void ListaBlocos(const tolv::EstruturaDesc& d, const void* ps, Blocos& b);

// Elements and bytes per nested array, by the name of its pointer field
// ("pProduto", "pProduto.pRateio", ...), in the order first met.
using MedidaPorLista = std::vector<std::pair<std::string, Medida>>;
void MedePorLista(const tolv::EstruturaDesc& d, const void* ps, MedidaPorLista& m, const std::string& prefixo = "");

// A deep copy of the tree at src into dst, every nested array from the COM
// task allocator (the form in which the other side of a call sends it).
void ClonaComTaskMem(const tolv::EstruturaDesc& d, const void* src, void* dst);

} // namespace amostra
