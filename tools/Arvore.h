// Trees of transfer structures for `dump`, `diff` and `pack`: a root block and,
// in a whole-document file read back, every nested array it reaches. One walk
// serves both forms: a raw block's pointers are another process's addresses
// and are shown, never followed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/Layout.h"
#include "tools/Json.h"

namespace ferramenta {

inline constexpr const char* kFormato = "tolvdata/1";

struct Arvore {
    const tolv::EstruturaDesc* desc = nullptr;
    const unsigned char* raiz = nullptr;
    bool documento = false; // pointers lead to blocks of this process
    const tolv::EstruturaDesc* desc2 = nullptr;
    const unsigned char* segunda = nullptr;
    unsigned long qtdSegunda = 0;
};

inline bool EhAninhado(const tolv::CampoDesc& c)
{
    return c.tipo == tolv::Tipo::Array || c.tipo == tolv::Tipo::TextoVar;
}

inline const tolv::AninhadoDesc* AninhadoDe(const tolv::EstruturaDesc& d, const tolv::CampoDesc& c)
{
    for (unsigned i = 0; i < d.nAninhados; ++i)
        if (d.aninhados[i].offsetPonteiro == c.offset)
            return &d.aninhados[i];
    return nullptr;
}

// Bytes of a text field that its text may take (the rest: the terminator).
inline size_t LimiteTexto(const tolv::CampoDesc& c) { return c.tipo == tolv::Tipo::Texto ? c.capacidade : c.tamanho; }

// A tree read from a file (or standard input for "-"), with what owns it.
struct ArvoreLida {
    Arvore arvore;
    std::vector<unsigned char> bytes;
    std::shared_ptr<void> dono; // the document read, when it is one
};

// Reads FILE as a raw block of d or a whole-document file of d. On failure:
// the message (naming the file) and false.
bool CarregaArvore(const tolv::EstruturaDesc& d, const std::string& arquivo, ArvoreLida& a, std::string& erro);
bool LeArquivo(const std::string& arquivo, std::vector<unsigned char>& bytes, std::string& erro);

// Structures the library knows only a part of, and the document a structure
// belongs to ("-" for none).
bool Parcial(const tolv::EstruturaDesc& d);
std::string DocumentoDe(const tolv::EstruturaDesc& d);

// `dump`: the whole tree, one field per line or in the JSON notation.
void ImprimeArvore(const Arvore& a, const std::string& origem, std::FILE* f);
std::string ArvoreJson(const Arvore& a);

// `diff`: the differences of two trees of one structure; true when equal.
bool ComparaArvores(const Arvore& a, const Arvore& b, bool json, std::FILE* f);

// `pack`: the bytes that `dump --json` was made from (a raw block or a
// whole-document file). On refusal: a message naming the field path.
bool Empacota(const tolv::EstruturaDesc& d, const json::Valor& v, std::vector<unsigned char>& saida, std::string& erro);

} // namespace ferramenta
