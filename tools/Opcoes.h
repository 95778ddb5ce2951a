// Command-line helpers shared by the verbs of the tool.
#pragma once

#include <string>
#include <vector>

#include "core/Layout.h"
#include "tools/Comandos.h"

namespace ferramenta {

// The arguments of one verb: flags (--json, --list, --help), options with a
// value (-o FILE) and positionals ("-" among them: standard input).
struct Linha {
    std::vector<std::string> posicionais;
    std::vector<std::string> flags;
    std::string saida; // -o
    std::string erro;  // an unknown option, or -o without a value
    bool Tem(const char* f) const;
};
Linha Analisa(const Args& a, std::initializer_list<const char*> flags, bool aceitaSaida);
// Prints the version when asked (--version) and says so.
bool Versao(const Linha& l);

// The structure named `nome`, or null after telling the closest names on
// standard error.
const tolv::EstruturaDesc* Procura(const char* verbo, const std::string& nome);

} // namespace ferramenta
