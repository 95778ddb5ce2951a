// Subcommands of the tolvdata tool.
#pragma once

#include <string>
#include <vector>

namespace ferramenta {

using Args = std::vector<std::string>;

int Estrada(const Args& args);
int Leiaute(const Args& args);
int Despejo(const Args& args);
int Diferenca(const Args& args);
int Empacotamento(const Args& args);
int Exporta(const Args& args);

} // namespace ferramenta
