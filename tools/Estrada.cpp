// `tolvdata road`: a document through the library, step by step, as the
// module's application does with a document from its server. The documents
// and their roads are in tools/AmostraDocumentos.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tolvdata.h"
#include "tools/AmostraDocumentos.h"
#include "tools/Comandos.h"

namespace ferramenta {

namespace {

const char* const Uso = "usage: tolvdata road [--doc NAME|all|list] [--items N] [--seed S] [--save FILE]\n";

// A number in decimal or 0x hex.
bool Numero(const std::string& s, long& v)
{
    char* fim = nullptr;
    v = std::strtol(s.c_str(), &fim, 0);
    return !s.empty() && fim && *fim == 0;
}

bool Grava(const std::string& caminho, const std::vector<unsigned char>& arq)
{
    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(arq.data(), 1, arq.size(), f) == arq.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int Estrada(const Args& args)
{
    long itens = 0;
    long semente = 1;
    std::string doc = "RE";
    std::string salvar;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::printf("%s"
                        "Builds a realistic document from seed S (default 1) and walks it through the library as\n"
                        "the module does, one line per step; exits 1 when a step fails.\n"
                        "  --doc NAME   the document by its module code (default RE); `list` names them,\n"
                        "               `all` walks every one and ends with a summary line\n"
                        "  --items N    elements per list, 1 to 65535 (the entry register: product items, 25)\n"
                        "  --save FILE  writes the tree the road sent as a whole-document file\n",
                        Uso);
            return 0;
        }
        const bool valor = i + 1 < args.size();
        bool ok = valor;
        if (a == "--items" && valor)
            ok = Numero(args[++i], itens) && itens >= 1 && itens <= 65535;
        else if (a == "--seed" && valor)
            ok = Numero(args[++i], semente);
        else if (a == "--doc" && valor)
            doc = args[++i];
        else if (a == "--save" && valor)
            salvar = args[++i];
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "tolvdata: bad option %s (--items takes 1 to 65535, --seed a number)\n%s", a.c_str(),
                         Uso);
            return 2;
        }
    }

    const auto& docs = amostra::Documentos();
    if (doc == "list") {
        for (const amostra::Documento& d : docs)
            std::printf("%-20s %-38s %s\n", d.codigo, d.raiz->nome, d.descricao);
        return 0;
    }
    amostra::OpcoesEstrada o;
    o.semente = static_cast<uint32_t>(semente);
    o.itens = itens;
    if (doc == "all") {
        if (!salvar.empty()) {
            std::fprintf(stderr, "tolvdata: --save takes one document, not all\n%s", Uso);
            return 2;
        }
        int falhos = 0;
        for (const amostra::Documento& d : docs) {
            try {
                falhos += d.estrada(d, o) ? 1 : 0;
            } catch (CException* e) {
                e->Delete();
                std::fprintf(stderr, "tolvdata: the library raised an exception on the road of %s\n", d.codigo);
                ++falhos;
            }
            std::printf("\n");
        }
        std::printf("road: %zu documents, %zu as expected, %d with failed steps\n", docs.size(), docs.size() - falhos,
                    falhos);
        return falhos ? 1 : 0;
    }
    const amostra::Documento* d = amostra::DocumentoPorCodigo(doc);
    if (!d) {
        std::fprintf(stderr, "tolvdata: unknown document %s (see road --doc list)\n", doc.c_str());
        return 2;
    }
    std::vector<unsigned char> arq;
    if (!salvar.empty())
        o.arquivo = &arq;
    int falhas = 0;
    try {
        falhas = d->estrada(*d, o);
    } catch (CException* e) {
        // A document larger than the address space, for one.
        e->Delete();
        std::fprintf(stderr, "tolvdata: the library raised an exception on the road of %s (--items too large?)\n",
                     d->codigo);
        return 1;
    }
    if (!salvar.empty()) {
        if (!Grava(salvar, arq)) {
            std::fprintf(stderr, "tolvdata: cannot write %s: %s\n", salvar.c_str(), std::strerror(errno));
            return 3;
        }
        std::printf("road: saved %s (%zu bytes)\n", salvar.c_str(), arq.size());
    }
    return falhas ? 1 : 0;
}

} // namespace ferramenta
