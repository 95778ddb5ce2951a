// What the exports of `tolvdata export` share (not installed): the documents,
// which structures each one reaches, and the versions every export states.
#pragma once

#include <string>
#include <vector>

#include "core/Documento.h"
#include "core/Layout.h"
#include "tools/Arvore.h"

namespace ferramenta::exporta {

// Format version of the whole-document file, and the `format` of the JSON
// that `dump --json` prints.
constexpr unsigned kVersaoArquivo = tolv::VersaoDocumento;
constexpr const char* kFormatoJson = ::ferramenta::kFormato;

struct Documento {
    const char* codigo = "";       // module code, as `road --doc` takes it
    const char* raiz = "";         // root structure
    const char* descricao = "";    // one line
    const char* segunda = nullptr; // second root of the file (an array), or null
    bool parcial = false;          // the library knows only a part of the root
    // Filled from the registry:
    const tolv::EstruturaDesc* dRaiz = nullptr;
    const tolv::EstruturaDesc* dSegunda = nullptr;
    std::vector<const tolv::EstruturaDesc*> proprias; // reached from this document only, root first
};

struct Catalogo {
    std::vector<Documento> documentos;
    // Reached by two documents or more, or by none; sorted by name.
    std::vector<const tolv::EstruturaDesc*> comuns;
    // The documents that reach a structure.
    std::vector<const Documento*> DocumentosDe(const tolv::EstruturaDesc* d) const;
    // The document that owns a structure, or null for a shared one.
    const Documento* Dono(const tolv::EstruturaDesc* d) const;
};

// Built from the library's registry; false (with a message) when a root is
// missing from it.
bool MontaCatalogo(Catalogo& c, std::string& erro);

// Structures reached from d through its nested arrays, d first, depth first in
// field order, each once.
void Alcancadas(const tolv::EstruturaDesc* d, std::vector<const tolv::EstruturaDesc*>& r);

// The line every export starts with, after its own comment mark.
std::string Procedencia(const char* verbo);

// Lower snake case of a field or structure name: `RegDataVencimento` gives
// `reg_data_vencimento`, `_REG_ES_MOVIMENTOPS` gives `reg_es_movimentops`.
std::string Cobra(const std::string& nome);

// The Get/Set names of a field, as its record class declares them.
std::string Acessores(const tolv::EstruturaDesc& d, unsigned i);

// The record classes that convert a structure (CopiarPara or CopiarDe).
std::vector<const char*> ClassesDe(const tolv::EstruturaDesc* d);

// One export: text files by their name relative to the output (one file for
// the single-file exports).
struct Arquivo {
    std::string nome;
    std::string texto;
};
bool CabecalhoC(const Catalogo& c, std::vector<Arquivo>& saida, std::string& erro);
bool Kaitai(const Catalogo& c, std::vector<Arquivo>& saida, std::string& erro);
bool EsquemaJson(const Catalogo& c, std::vector<Arquivo>& saida, std::string& erro);
bool Markdown(const Catalogo& c, std::vector<Arquivo>& saida, std::string& erro);

} // namespace ferramenta::exporta
