// tolvdata: watch a document travel through the library, and see the binary
// layouts of the transfer structures.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/Comandos.h"

namespace {

void Uso(std::FILE* f)
{
    std::fprintf(f, "usage: tolvdata [road [--items N] [--seed S]]\n"
                    "       tolvdata road --doc NAME|all|list [--items N] [--seed S] [--save FILE]\n"
                    "       tolvdata layout NAME [--json]\n"
                    "       tolvdata layout --list [--json]\n"
                    "       tolvdata dump NAME FILE [--json]\n"
                    "       tolvdata diff NAME A B [--json]\n"
                    "       tolvdata pack NAME FILE.json -o OUT\n"
                    "       tolvdata --version | --help\n");
}

} // namespace

int main(int argc, char** argv)
{
    ferramenta::Args args(argv + (argc > 1 ? 2 : 1), argv + argc);
    std::string cmd = argc > 1 ? argv[1] : "road";
    if (cmd == "--version") {
        std::printf("tolvdata %s\n", TOLVDATA_VERSION);
        return 0;
    }
    if (cmd == "--help" || cmd == "-h") {
        Uso(stdout);
        return 0;
    }
    if (cmd == "road")
        return ferramenta::Estrada(args);
    if (cmd.rfind("--", 0) == 0) {
        // Options of the default command.
        ferramenta::Args todos(argv + 1, argv + argc);
        return ferramenta::Estrada(todos);
    }
    if (cmd == "layout")
        return ferramenta::Leiaute(args);
    if (cmd == "dump")
        return ferramenta::Despejo(args);
    if (cmd == "diff")
        return ferramenta::Diferenca(args);
    if (cmd == "pack")
        return ferramenta::Empacotamento(args);
    std::fprintf(stderr, "tolvdata: unknown command %s\n", cmd.c_str());
    Uso(stderr);
    return 2;
}
