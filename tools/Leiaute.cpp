// `tolvdata layout`: the compiled layout descriptions of the transfer
// structures; and the command-line helpers the verbs share.
#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tolvdata.h"
#include "tools/Arvore.h"
#include "tools/Comandos.h"
#include "tools/Json.h"
#include "tools/Opcoes.h"

namespace ferramenta {

namespace {

std::vector<const tolv::EstruturaDesc*> Todas()
{
    unsigned n = 0;
    const tolv::EstruturaDesc* const* v = tolv::Estruturas(n);
    std::vector<const tolv::EstruturaDesc*> r(v, v + n);
    std::sort(r.begin(), r.end(), [](auto* a, auto* b) { return std::strcmp(a->nome, b->nome) < 0; });
    r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

size_t Distancia(const std::string& a, const std::string& b)
{
    std::vector<size_t> d(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        d[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diag = d[0];
        d[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t acima = d[j];
            bool igual = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                         std::tolower(static_cast<unsigned char>(b[j - 1]));
            d[j] = std::min({d[j] + 1, d[j - 1] + 1, diag + (igual ? 0 : 1)});
            diag = acima;
        }
    }
    return d[b.size()];
}

void ImprimeLeiaute(const tolv::EstruturaDesc& d, bool json)
{
    if (json) {
        std::printf("{\"format\": \"%s\", \"content\": \"layout\", \"name\": %s, \"size\": %u, \"partial\": %s, "
                    "\"document\": %s, \"fields\": [",
                    kFormato, json::Aspas(d.nome).c_str(), d.tamanho, Parcial(d) ? "true" : "false",
                    json::Aspas(DocumentoDe(d)).c_str());
        for (unsigned i = 0; i < d.nCampos; ++i) {
            const tolv::CampoDesc& c = d.campos[i];
            std::printf("%s\n  {\"offset\": %u, \"size\": %u, \"kind\": %s, \"ctype\": %s, \"name\": %s", i ? "," : "",
                        c.offset, c.tamanho, json::Aspas(tolv::NomeTipo(c.tipo)).c_str(), json::Aspas(c.tipoC).c_str(),
                        json::Aspas(c.nome).c_str());
            if (c.capacidade)
                std::printf(", \"capacity\": %u", c.capacidade);
            if (c.elemento)
                std::printf(", \"element\": %s, \"element_size\": %u", json::Aspas(c.elemento->nome).c_str(),
                            c.elemento->tamanho);
            if (c.contagem)
                std::printf(", \"count\": %s", json::Aspas(c.contagem).c_str());
            std::printf("}");
        }
        std::printf("\n]}\n");
        return;
    }
    std::printf("%s (%u bytes%s), document %s\n", d.nome, d.tamanho, Parcial(d) ? ", the part the library knows" : "",
                DocumentoDe(d).c_str());
    std::printf("%6s %5s  %-12s %s\n", "offset", "size", "kind", "field");
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        std::printf("%6u %5u  %-12s %s", c.offset, c.tamanho, tolv::NomeTipo(c.tipo), c.nome);
        if (c.capacidade)
            std::printf(" [%u]", c.capacidade);
        if (c.elemento)
            std::printf(" -> %s[%s] (%u bytes each)", c.elemento->nome, c.contagem, c.elemento->tamanho);
        else if (c.contagem)
            std::printf(" -> char[%s]", c.contagem);
        std::printf("\n");
    }
}

} // namespace

bool Linha::Tem(const char* f) const { return std::find(flags.begin(), flags.end(), f) != flags.end(); }

Linha Analisa(const Args& a, std::initializer_list<const char*> flags, bool aceitaSaida)
{
    Linha l;
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& s = a[i];
        if (s == "-" || s.empty() || s[0] != '-') {
            l.posicionais.push_back(s);
        } else if (s == "--help" || s == "-h" || s == "--version") {
            l.flags.push_back(s == "-h" ? "--help" : s);
        } else if (aceitaSaida && (s == "-o" || s == "--output")) {
            if (i + 1 >= a.size())
                l.erro = s + " needs a file name";
            else
                l.saida = a[++i];
        } else if (std::find_if(flags.begin(), flags.end(), [&](const char* f) { return s == f; }) != flags.end()) {
            l.flags.push_back(s);
        } else if (l.erro.empty()) {
            l.erro = "unknown option " + s;
        }
    }
    return l;
}

const tolv::EstruturaDesc* Procura(const char* verbo, const std::string& nome)
{
    const tolv::EstruturaDesc* d = tolv::EstruturaPorNome(nome.c_str());
    if (d)
        return d;
    auto todas = Todas();
    std::sort(todas.begin(), todas.end(),
              [&](auto* a, auto* b) { return Distancia(nome, a->nome) < Distancia(nome, b->nome); });
    std::string sugestao;
    for (size_t i = 0; i < todas.size() && i < 3; ++i)
        sugestao += std::string(i ? ", " : "") + todas[i]->nome;
    std::fprintf(stderr, "tolvdata %s: no structure named %s; closest: %s (all: tolvdata layout --list)\n", verbo,
                 nome.c_str(), sugestao.c_str());
    return nullptr;
}

bool Versao(const Linha& l)
{
    if (l.Tem("--version"))
        std::printf("tolvdata %s\n", TOLVDATA_VERSION);
    return l.Tem("--version");
}

int Leiaute(const Args& args)
{
    Linha l = Analisa(args, {"--json", "--list"}, false);
    if (Versao(l))
        return 0;
    if (l.Tem("--help")) {
        std::printf("usage: tolvdata layout NAME [--json]\n"
                    "       tolvdata layout --list [--json]\n"
                    "Prints offset, size, kind and name of every field of a transfer structure, as the\n"
                    "library's layout declarations give them; nested arrays name their element\n"
                    "structure and count field. --list names every structure with its size and the\n"
                    "documents it belongs to; a structure of which the library knows only a part is\n"
                    "marked partial.\n");
        return 0;
    }
    const char* uso = "usage: tolvdata layout NAME [--json] | tolvdata layout --list [--json]\n";
    if (!l.erro.empty()) {
        std::fprintf(stderr, "tolvdata layout: %s\n%s", l.erro.c_str(), uso);
        return 2;
    }
    bool json = l.Tem("--json");
    if (l.Tem("--list")) {
        auto todas = Todas();
        if (json) {
            std::printf("{\"format\": \"%s\", \"content\": \"list\", \"structures\": [", kFormato);
            for (size_t i = 0; i < todas.size(); ++i)
                std::printf("%s\n  {\"name\": %s, \"size\": %u, \"partial\": %s, \"document\": %s}", i ? "," : "",
                            json::Aspas(todas[i]->nome).c_str(), todas[i]->tamanho,
                            Parcial(*todas[i]) ? "true" : "false", json::Aspas(DocumentoDe(*todas[i])).c_str());
            std::printf("\n]}\n");
        } else {
            for (auto* d : todas)
                std::printf("%-44s %6u  %s%s\n", d->nome, d->tamanho, DocumentoDe(*d).c_str(),
                            Parcial(*d) ? " partial" : "");
        }
        return 0;
    }
    if (l.posicionais.size() != 1) {
        std::fprintf(stderr, "tolvdata layout: one structure name expected\n%s", uso);
        return 2;
    }
    const tolv::EstruturaDesc* d = Procura("layout", l.posicionais[0]);
    if (!d)
        return 1;
    ImprimeLeiaute(*d, json);
    return 0;
}

} // namespace ferramenta
