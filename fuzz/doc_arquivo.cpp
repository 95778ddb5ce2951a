// Whole-document files through the verifier: nothing may crash or leak; a file
// that passes converts with CopiarDe and back, and its tree writes a file that
// passes again and is written again the same.
#include <cstdint>

#include "fuzz/doc_comum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    tolv::OpcoesDocumento o;
    o.alocador = (tamanho & 1) ? tolv::AlocadorDocumento::TaskMem : tolv::AlocadorDocumento::ArrayNew;
    o.tamanhoMaximo = 1ul << 20;
    tolv::DocumentoLido doc;
    std::string erro;
    if (!tolv::LeDocumento(dados, tamanho, doc, erro, nullptr, o)) {
        if (!doc.Vazio() || erro.empty())
            fuzz::Achado("a refused file built a tree or gave no message");
        return 0;
    }
    std::vector<unsigned char> f1 =
        tolv::EscreveDocumento(*doc.Estrutura(), doc.Raiz(), doc.EstruturaSegunda(), doc.Segunda(), doc.QtdSegunda());
    tolv::DocumentoLido doc2;
    if (!tolv::LeDocumento(f1.data(), f1.size(), doc2, erro, doc.Estrutura()))
        fuzz::Achado("the file written from a file's tree was refused:", erro);
    if (tolv::EscreveDocumento(*doc2.Estrutura(), doc2.Raiz(), doc2.EstruturaSegunda(), doc2.Segunda(),
                               doc2.QtdSegunda()) != f1)
        fuzz::Achado("a canonical file written again differs");
    const amostra::Documento* d = amostra::DocumentoPorEstrutura(doc.Estrutura());
    if (d && d->duasVias)
        fuzz::IdaEVolta(*d, doc.Raiz());
    return 0;
}
