// The JSON notation of the tool (`pack`, `dump --json`) over hostile text:
// nothing may crash or leak; a refusal says why; what `pack` accepts is a raw
// block of the structure's size or a file the verifier passes, whose dump
// packs again to the same bytes.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/doc_comum.h"
#include "tools/Arvore.h"

namespace {

// The dump of what was packed must pack back to the same bytes; the text dump
// walks it too, and the tree compares equal to itself.
void VoltaIgual(const tolv::EstruturaDesc& d, const ferramenta::Arvore& a, const std::vector<unsigned char>& bytes)
{
    static std::FILE* nulo = std::fopen("/dev/null", "w");
    ferramenta::ImprimeArvore(a, "fuzz", nulo);
    if (!ferramenta::ComparaArvores(a, a, (bytes.size() & 1) != 0, nulo))
        fuzz::Achado("a packed tree differs from itself", d.nome);
    std::string texto = ferramenta::ArvoreJson(a), erro;
    json::Valor v;
    if (!json::Le(texto, v, erro))
        fuzz::Achado("the dump of a packed tree is not JSON:", erro);
    std::vector<unsigned char> outra;
    if (!ferramenta::Empacota(d, v, outra, erro))
        fuzz::Achado("the dump of a packed tree was refused:", erro);
    if (outra != bytes)
        fuzz::Achado("the dump of a packed tree packs to other bytes", d.nome);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    json::Valor v;
    std::string erro;
    if (!json::Le(std::string(reinterpret_cast<const char*>(dados), tamanho), v, erro)) {
        if (erro.empty())
            fuzz::Achado("bad JSON refused without a message");
        return 0;
    }
    // The structure the text names, else the first one (which refuses it).
    unsigned n = 0;
    const tolv::EstruturaDesc* d = tolv::Estruturas(n)[0];
    const json::Valor* nome = v.tipo == json::Valor::Tipo::Objeto ? v.Membro("structure") : nullptr;
    if (nome && nome->tipo == json::Valor::Tipo::Texto)
        if (const tolv::EstruturaDesc* p = tolv::EstruturaPorNome(nome->s.c_str()))
            d = p;
    std::vector<unsigned char> bytes;
    if (!ferramenta::Empacota(*d, v, bytes, erro)) {
        if (erro.empty())
            fuzz::Achado("pack refused without a message");
        return 0;
    }
    if (v.Membro("content")->s != "document") {
        if (bytes.size() != d->tamanho)
            fuzz::Achado("a packed block is not the structure's size", d->nome);
        VoltaIgual(*d, ferramenta::Arvore{d, bytes.data(), false, nullptr, nullptr, 0}, bytes);
        return 0;
    }
    tolv::DocumentoLido doc;
    if (!tolv::LeDocumento(bytes.data(), bytes.size(), doc, erro, d))
        fuzz::Achado("the verifier refused a packed document:", erro);
    VoltaIgual(*d,
               ferramenta::Arvore{d, static_cast<const unsigned char*>(doc.Raiz()), true, doc.EstruturaSegunda(),
                                  static_cast<const unsigned char*>(doc.Segunda()), doc.QtdSegunda()},
               bytes);
    return 0;
}
