// Shared part of the whole-document fuzz targets: every document of the
// library, from the table in tools/AmostraDocumentos.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tolvdata.h"
#include "tools/AmostraDocumentos.h"
#include "tools/Amostras.h"

namespace fuzz {

[[noreturn]] inline void Achado(const char* o_que, const std::string& onde = std::string())
{
    std::fprintf(stderr, "finding: %s %s\n", o_que, onde.c_str());
    std::abort();
}

// The documents that read their structure too.
inline const std::vector<const amostra::Documento*>& DuasVias()
{
    static const std::vector<const amostra::Documento*> v = [] {
        std::vector<const amostra::Documento*> r;
        for (const amostra::Documento& d : amostra::Documentos())
            if (d.duasVias)
                r.push_back(&d);
        return r;
    }();
    return v;
}

// CopiarDe, CopiarPara, CopiarDe into a second record and CopiarPara again:
// the two written trees must agree and the records compare equal.
inline void IdaEVolta(const amostra::Documento& d, void* ps)
{
    std::string achado;
    try {
        achado = d.idaEVolta(ps);
    } catch (CException* e) {
        e->Delete();
        achado = "a tree read by CopiarDe could not be written back";
    }
    if (!achado.empty())
        Achado(d.codigo, achado);
}

// The file of a tree must pass the verifier and give back the same tree.
inline void ArquivoDaArvore(const tolv::EstruturaDesc& d, const void* ps, tolv::AlocadorDocumento a)
{
    std::vector<unsigned char> arq = tolv::EscreveDocumento(d, ps);
    tolv::OpcoesDocumento o;
    o.alocador = a;
    tolv::DocumentoLido doc;
    std::string erro;
    if (!tolv::LeDocumento(arq.data(), arq.size(), doc, erro, &d, o))
        Achado("the file of a tree was refused:", erro);
    std::string onde;
    if (!amostra::Iguais(d, ps, doc.Raiz(), onde))
        Achado("the tree read from its file differs at", onde);
}

// A server's tree of document d from the input (task allocator), through
// the conversions and the file, then released.
inline void ArvoreDoServidor(amostra::Fonte& f, const amostra::Opcoes& o)
{
    const auto& docs = DuasVias();
    const amostra::Documento& d = *docs[f.Byte() % docs.size()];
    void* srv = CoTaskMemAlloc(d.raiz->tamanho);
    amostra::Constroi(*d.raiz, srv, f, o);
    ArquivoDaArvore(*d.raiz, srv,
                    (f.Byte() & 1) ? tolv::AlocadorDocumento::TaskMem : tolv::AlocadorDocumento::ArrayNew);
    IdaEVolta(d, srv);
    d.liberaServidor(srv);
    CoTaskMemFree(srv);
}

} // namespace fuzz
