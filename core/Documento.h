// Whole-document files: a tree of transfer structures joined by 32-bit
// pointers, stored as one little-endian file.
//
//   bytes  0-7   magic "TOLVDOC\0"
//          8-11  format version, 1
//         12-15  offset of the root block
//         16-19  size of the file
//         20-23  offset of the root structure's name (NUL-terminated ASCII,
//                right after the header)
//         24-31  offset and count of a second root (the fiscal movement's ICMS
//                rate array), zero otherwise
//
// Then the root block and every block it reaches, depth first in field order,
// each at an 8-byte-aligned offset with zero padding. A pointer field holds the
// file offset of its block, 0 when null; a count of 0 or less goes with 0. A
// variable text's block is exactly its length field's bytes and ends in its NUL.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/Layout.h"

namespace tolv {

// Arrays from new[] or from CoTaskMemAlloc.
enum class AlocadorDocumento : unsigned char { ArrayNew, TaskMem };

struct OpcoesDocumento {
    AlocadorDocumento alocador = AlocadorDocumento::ArrayNew;
    unsigned profundidadeMaxima = 64;          // nesting levels below the root
    unsigned long tamanhoMaximo = 256ul << 20; // bytes of a file
};

inline constexpr unsigned TamanhoCabecalhoDocumento = 32;
inline constexpr unsigned VersaoDocumento = 1;

// The canonical file of the tree at raiz (a block of d.tamanho bytes); the second
// root (array of qtdSegunda elements of *dSegunda) only for the fiscal movement's
// ICMS rates. A file that would pass 4 GiB raises the invalid-argument exception.
TOLV_API std::vector<unsigned char> EscreveDocumento(const EstruturaDesc& d, const void* raiz,
                                                     const EstruturaDesc* dSegunda = nullptr,
                                                     const void* segunda = nullptr, unsigned long qtdSegunda = 0);

// A tree read from a file, released (with the allocator it was built with) on
// destruction; movable.
class TOLV_API DocumentoLido {
public:
    DocumentoLido() = default;
    DocumentoLido(const DocumentoLido&) = delete;
    DocumentoLido& operator=(const DocumentoLido&) = delete;
    DocumentoLido(DocumentoLido&& o) noexcept;
    DocumentoLido& operator=(DocumentoLido&& o) noexcept;
    ~DocumentoLido() { Libera(); }

    const EstruturaDesc* Estrutura() const { return m_d; }
    void* Raiz() const { return m_raiz; }
    const EstruturaDesc* EstruturaSegunda() const { return m_dSegunda; }
    void* Segunda() const { return m_segunda; }
    unsigned long QtdSegunda() const { return m_qtdSegunda; }
    AlocadorDocumento Alocador() const { return m_alocador; }
    bool Vazio() const { return m_raiz == nullptr; }

    // Releases the tree (nested arrays, root block and second root).
    void Libera() noexcept;
    // The caller has released the root's nested arrays itself (with the
    // document's own ZerarDelete or ZerarGlobalAlloc, which may leave the
    // pointers as they were): only the root block and the second root are
    // left to release here.
    void AninhadosLiberados() noexcept;

private:
    friend struct MontaDocumento;
    const EstruturaDesc* m_d = nullptr;
    unsigned char* m_raiz = nullptr;
    const EstruturaDesc* m_dSegunda = nullptr;
    unsigned char* m_segunda = nullptr;
    unsigned long m_qtdSegunda = 0;
    AlocadorDocumento m_alocador = AlocadorDocumento::ArrayNew;
};

// Verifies the whole file before using any block; on failure returns false,
// builds nothing (doc is left empty), and erro says
// "<structure path> at offset N: <what is wrong>".
// esperada: the root structure the caller wants (null: any registered one, found
// by the name in the file).
TOLV_API bool LeDocumento(const void* dados, size_t tamanho, DocumentoLido& doc, std::string& erro,
                          const EstruturaDesc* esperada = nullptr, const OpcoesDocumento& o = {});

// Releases the nested arrays of a tree (not the root block) by its description,
// for documents that have no ZerarDelete / ZerarGlobalAlloc of their own; null
// arrays and counts of 0 or less walk nothing. Pointers and counts are left zero.
TOLV_API void LiberaArvore(const EstruturaDesc& d, void* raiz, AlocadorDocumento a) noexcept;

// Whether bytes start like a whole-document file (the magic).
TOLV_API bool EhDocumento(const void* dados, size_t tamanho) noexcept;

// The structure of the second root that goes with a root structure (null when
// it has none).
TOLV_API const EstruturaDesc* SegundaRaizDe(const EstruturaDesc& d) noexcept;

} // namespace tolv
