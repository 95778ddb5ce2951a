// `tolvdata dump`, `diff` and `pack`: raw blocks and whole documents decoded
// field by field, compared byte by byte, and written back from JSON.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "tools/Arvore.h"
#include "tools/Comandos.h"
#include "tools/Json.h"
#include "tools/Opcoes.h"

namespace ferramenta {

namespace {

int MauUso(const char* verbo, const std::string& msg, const char* uso)
{
    std::fprintf(stderr, "tolvdata %s: %s\n%s", verbo, msg.c_str(), uso);
    return 2;
}

int DespejoSemGuarda(const Args& args)
{
    const char* uso = "usage: tolvdata dump NAME FILE [--json]\n";
    Linha l = Analisa(args, {"--json"}, false);
    if (Versao(l))
        return 0;
    if (l.Tem("--help")) {
        std::printf("%s"
                    "Decodes FILE (\"-\": standard input), a raw little-endian image of structure NAME\n"
                    "or a whole-document file whose root is NAME, field by field. A document is shown\n"
                    "whole: every nested array under its pointer field, with paths such as\n"
                    "pProduto[3].pRateio[0].Valor. A raw block's pointers are another process's\n"
                    "addresses: they are shown, not followed. --json writes the notation that\n"
                    "`tolvdata pack` turns back into the same bytes. A file that is neither is\n"
                    "refused (exit status 3).\n",
                    uso);
        return 0;
    }
    if (!l.erro.empty())
        return MauUso("dump", l.erro, uso);
    if (l.posicionais.size() != 2)
        return MauUso("dump", "a structure name and a file expected", uso);
    const tolv::EstruturaDesc* d = Procura("dump", l.posicionais[0]);
    if (!d)
        return 1;
    ArvoreLida a;
    std::string erro;
    if (!CarregaArvore(*d, l.posicionais[1], a, erro)) {
        std::fprintf(stderr, "tolvdata dump: %s\n", erro.c_str());
        return 3;
    }
    if (l.Tem("--json"))
        std::fputs(ArvoreJson(a.arvore).c_str(), stdout);
    else
        ImprimeArvore(a.arvore, l.posicionais[1] == "-" ? "standard input" : l.posicionais[1], stdout);
    return 0;
}

int DiferencaSemGuarda(const Args& args)
{
    const char* uso = "usage: tolvdata diff NAME A B [--json]\n";
    Linha l = Analisa(args, {"--json"}, false);
    if (Versao(l))
        return 0;
    if (l.Tem("--help")) {
        std::printf("%s"
                    "Compares two images of structure NAME (raw blocks or whole-document files; \"-\"\n"
                    "reads one of them from standard input) field by field and prints each\n"
                    "difference with its path, its offset in its structure and both values.\n"
                    "It compares every byte: the fields the records' comparisons leave out, the bytes\n"
                    "after a date or a text's terminator and the reserved bytes (listed apart) too.\n"
                    "Between two documents it follows every nested array, reports arrays of\n"
                    "different lengths as such and compares their common elements; pointer values\n"
                    "themselves are compared only between raw blocks.\n"
                    "Exit status: 0 equal, 1 different, 2 bad use, 3 a file that cannot be read.\n",
                    uso);
        return 0;
    }
    if (!l.erro.empty())
        return MauUso("diff", l.erro, uso);
    if (l.posicionais.size() != 3)
        return MauUso("diff", "a structure name and two files expected", uso);
    if (l.posicionais[1] == "-" && l.posicionais[2] == "-")
        return MauUso("diff", "only one of the files can be standard input", uso);
    const tolv::EstruturaDesc* d = Procura("diff", l.posicionais[0]);
    if (!d)
        return 2;
    ArvoreLida a, b;
    std::string erro;
    if (!CarregaArvore(*d, l.posicionais[1], a, erro) || !CarregaArvore(*d, l.posicionais[2], b, erro)) {
        std::fprintf(stderr, "tolvdata diff: %s\n", erro.c_str());
        return 3;
    }
    return ComparaArvores(a.arvore, b.arvore, l.Tem("--json"), stdout) ? 0 : 1;
}

int EmpacotamentoSemGuarda(const Args& args)
{
    const char* uso = "usage: tolvdata pack NAME FILE.json -o OUT\n";
    Linha l = Analisa(args, {}, true);
    if (Versao(l))
        return 0;
    if (l.Tem("--help")) {
        std::printf("%s"
                    "The inverse of `tolvdata dump NAME FILE --json`: reads the JSON notation from\n"
                    "FILE.json (\"-\": standard input) and writes OUT (\"-\": standard output), a raw\n"
                    "block or a whole-document file as its \"content\" says. Fields go by name; an\n"
                    "unknown or missing field, a value out of range for its kind or a text too long\n"
                    "for its field is refused with the field's path (exit status 3), and nothing is\n"
                    "written.\n",
                    uso);
        return 0;
    }
    if (!l.erro.empty())
        return MauUso("pack", l.erro, uso);
    if (l.posicionais.size() != 2 || l.saida.empty())
        return MauUso("pack", "a structure name, a JSON file and -o OUT expected", uso);
    const tolv::EstruturaDesc* d = Procura("pack", l.posicionais[0]);
    if (!d)
        return 2;
    std::vector<unsigned char> entrada;
    std::string erro;
    if (!LeArquivo(l.posicionais[1], entrada, erro)) {
        std::fprintf(stderr, "tolvdata pack: %s\n", erro.c_str());
        return 3;
    }
    json::Valor v;
    std::vector<unsigned char> saida;
    if (!json::Le(std::string(entrada.begin(), entrada.end()), v, erro) || !Empacota(*d, v, saida, erro)) {
        std::fprintf(stderr, "tolvdata pack: %s: %s\n",
                     l.posicionais[1] == "-" ? "standard input" : l.posicionais[1].c_str(), erro.c_str());
        return 3;
    }
    std::FILE* f = l.saida == "-" ? stdout : std::fopen(l.saida.c_str(), "wb");
    bool ok = f && std::fwrite(saida.data(), 1, saida.size(), f) == saida.size();
    if (f && f != stdout)
        ok = std::fclose(f) == 0 && ok;
    else if (f)
        ok = std::fflush(f) == 0 && ok;
    if (!ok) {
        std::fprintf(stderr, "tolvdata pack: cannot write %s\n", l.saida.c_str());
        return 3;
    }
    return 0;
}

} // namespace

// A file or a JSON text too large for the address space ends the verb, not the
// process.
int Despejo(const Args& args)
{
    try {
        return DespejoSemGuarda(args);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tolvdata dump: out of memory\n");
        return 3;
    }
}

int Diferenca(const Args& args)
{
    try {
        return DiferencaSemGuarda(args);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tolvdata diff: out of memory\n");
        return 3;
    }
}

int Empacotamento(const Args& args)
{
    try {
        return EmpacotamentoSemGuarda(args);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tolvdata pack: out of memory\n");
        return 3;
    }
}

} // namespace ferramenta
