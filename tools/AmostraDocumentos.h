// Every document of the library in one table: its module code, root
// structure, a realistic sample tree and its road. Used by `tolvdata road`,
// the fuzzers and the tests; a new document is one entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Documento.h"
#include "core/Layout.h"

namespace amostra {

struct Documento;

struct OpcoesEstrada {
    uint32_t semente = 1;
    long itens = 0; // elements per list; 0: the document's own sample shape
    // When not null, receives the whole-document file of what the road sent.
    std::vector<unsigned char>* arquivo = nullptr;
};

// A tree as the library's CopiarPara writes it (arrays from new[]), released
// with the document's own ZerarDelete or the description's walk.
class Enviada {
public:
    explicit Enviada(const Documento& doc);
    ~Enviada();
    Enviada(const Enviada&) = delete;
    Enviada& operator=(const Enviada&) = delete;
    void* Raiz() { return m_raiz.data(); }
    // The caller's ICMS rate array (fiscal movement), elements of EstruturaSegunda.
    std::vector<unsigned char> segunda;
    unsigned long qtdSegunda = 0;
    std::vector<unsigned char> Arquivo();

private:
    const Documento& m_doc;
    std::vector<unsigned char> m_raiz;
};

struct Documento {
    const char* codigo;
    const tolv::EstruturaDesc* raiz;
    const char* descricao;
    bool duasVias;  // the record reads its structure too (CopiarDe)
    bool igualdade; // the record has operator==
    // The sample tree, as CopiarPara sends it, into e.
    void (*envia)(const OpcoesEstrada& o, Enviada& e);
    // Releases a tree written by CopiarPara (nested arrays only).
    void (*liberaEnviada)(void* ps);
    // Releases a tree whose arrays come from the task allocator (nested arrays only).
    void (*liberaServidor)(void* ps);
    // For a tree read from elsewhere: CopiarDe, CopiarPara, CopiarDe into a
    // second record, CopiarPara again; the two written trees must agree
    // pointers aside and the records compare equal. Returns what differs, or
    // an empty text. Two-way documents only.
    std::string (*idaEVolta)(void* ps);
    // The road: one line per step; returns the number of failed steps.
    int (*estrada)(const Documento& doc, const OpcoesEstrada& o);
};

const std::vector<Documento>& Documentos();
const Documento* DocumentoPorCodigo(const std::string& codigo);
const Documento* DocumentoPorEstrutura(const tolv::EstruturaDesc* d);

} // namespace amostra
