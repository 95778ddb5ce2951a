// `tolvdata layout` and `tolvdata dump`: the compiled layout descriptions of the
// transfer structures, and images of them decoded field by field.
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
#include "tools/Comandos.h"

namespace ferramenta {

namespace {

std::string Json(const std::string& s)
{
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            r += b;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r + "\"";
}

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

const tolv::EstruturaDesc* Procura(const std::string& nome)
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
    std::fprintf(stderr, "tolvdata: no structure named %s; closest: %s (all: tolvdata layout --list)\n", nome.c_str(),
                 sugestao.c_str());
    return nullptr;
}

bool TemOpcao(const Args& a, const char* o) { return std::find(a.begin(), a.end(), o) != a.end(); }

std::vector<std::string> Posicionais(const Args& a)
{
    std::vector<std::string> r;
    for (const std::string& s : a)
        if (s.rfind("--", 0) != 0)
            r.push_back(s);
    return r;
}

std::string Hex(const unsigned char* p, unsigned n)
{
    std::string r;
    char b[4];
    for (unsigned i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, "%02x", p[i]);
        if (i)
            r += ' ';
        r += b;
    }
    return r;
}

template <class T> T Le(const unsigned char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::string Inteiro(const tolv::CampoDesc& c, const unsigned char* p)
{
    char b[32];
    bool comSinal = c.tipo == tolv::Tipo::Inteiro;
    switch (c.tamanho) {
    case 1: std::snprintf(b, sizeof b, "%d", comSinal ? int(Le<signed char>(p)) : int(Le<unsigned char>(p))); break;
    case 2: std::snprintf(b, sizeof b, "%d", comSinal ? int(Le<short>(p)) : int(Le<unsigned short>(p))); break;
    case 4:
        if (comSinal)
            std::snprintf(b, sizeof b, "%" PRId32, Le<int32_t>(p));
        else
            std::snprintf(b, sizeof b, "%" PRIu32, Le<uint32_t>(p));
        break;
    default:
        if (comSinal)
            std::snprintf(b, sizeof b, "%" PRId64, Le<int64_t>(p));
        else
            std::snprintf(b, sizeof b, "%" PRIu64, Le<uint64_t>(p));
    }
    return b;
}

std::string Moeda(const unsigned char* p)
{
    int64_t v = Le<int64_t>(p);
    uint64_t a = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    char b[40];
    std::snprintf(b, sizeof b, "%s%" PRIu64 ".%04u", v < 0 ? "-" : "", a / 10000, unsigned(a % 10000));
    return b;
}

// The value of one field as text; `texto` tells whether it is a string value.
std::string Valor(const tolv::CampoDesc& c, const unsigned char* p, bool& texto)
{
    texto = false;
    char b[64];
    switch (c.tipo) {
    case tolv::Tipo::Moeda: return Moeda(p);
    case tolv::Tipo::Inteiro:
    case tolv::Tipo::Natural: return Inteiro(c, p);
    case tolv::Tipo::Array:
    case tolv::Tipo::TextoVar: std::snprintf(b, sizeof b, "0x%08" PRIx32, Le<uint32_t>(p)); return b;
    case tolv::Tipo::Texto:
    case tolv::Tipo::TextoFixo: {
        texto = true;
        const void* nul = std::memchr(p, 0, c.tamanho);
        size_t n = nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - p) : c.tamanho;
        return std::string(reinterpret_cast<const char*>(p), n);
    }
    case tolv::Tipo::Chave:
    case tolv::Tipo::ChavePS: {
        REG_JQDMC k;
        std::memcpy(&k, p, sizeof k);
        std::snprintf(b, sizeof b, "number %lu part16 %u (%s)", JQDMC_Numero(k), unsigned(JQDMC_Parte16(k)),
                      Hex(p, 8).c_str());
        return b;
    }
    case tolv::Tipo::Posicao:
        std::snprintf(b, sizeof b, "product %" PRId32 " grade %u/%u/%u", Le<int32_t>(p), unsigned(Le<uint16_t>(p + 4)),
                      unsigned(Le<uint16_t>(p + 6)), unsigned(Le<uint16_t>(p + 8)));
        return b;
    default: return Hex(p, c.tamanho);
    }
}

void ImprimeLeiaute(const tolv::EstruturaDesc& d, bool json)
{
    if (json) {
        std::printf("{\"name\": %s, \"size\": %u, \"fields\": [", Json(d.nome).c_str(), d.tamanho);
        for (unsigned i = 0; i < d.nCampos; ++i) {
            const tolv::CampoDesc& c = d.campos[i];
            std::printf("%s\n  {\"offset\": %u, \"size\": %u, \"kind\": %s, \"ctype\": %s, \"name\": %s", i ? "," : "",
                        c.offset, c.tamanho, Json(tolv::NomeTipo(c.tipo)).c_str(), Json(c.tipoC).c_str(),
                        Json(c.nome).c_str());
            if (c.capacidade)
                std::printf(", \"capacity\": %u", c.capacidade);
            if (c.elemento)
                std::printf(", \"element\": %s, \"element_size\": %u", Json(c.elemento->nome).c_str(),
                            c.elemento->tamanho);
            if (c.contagem)
                std::printf(", \"count\": %s", Json(c.contagem).c_str());
            std::printf("}");
        }
        std::printf("\n]}\n");
        return;
    }
    std::printf("%s (%u bytes)\n", d.nome, d.tamanho);
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

int Leiaute(const Args& args)
{
    if (TemOpcao(args, "--help") || TemOpcao(args, "-h")) {
        std::printf("usage: tolvdata layout NAME [--json]\n"
                    "       tolvdata layout --list [--json]\n"
                    "Prints offset, size, kind and name of every field of a transfer structure, as the\n"
                    "library's layout declarations give them; nested arrays name their element\n"
                    "structure and count field.\n");
        return 0;
    }
    bool json = TemOpcao(args, "--json");
    if (TemOpcao(args, "--list")) {
        auto todas = Todas();
        if (json) {
            std::printf("[");
            for (size_t i = 0; i < todas.size(); ++i)
                std::printf("%s\n  {\"name\": %s, \"size\": %u}", i ? "," : "", Json(todas[i]->nome).c_str(),
                            todas[i]->tamanho);
            std::printf("\n]\n");
        } else {
            for (auto* d : todas)
                std::printf("%-48s %6u\n", d->nome, d->tamanho);
        }
        return 0;
    }
    auto pos = Posicionais(args);
    if (pos.size() != 1) {
        std::fprintf(stderr, "tolvdata: layout takes one structure name\nusage: tolvdata layout NAME [--json] | "
                             "tolvdata layout --list [--json]\n");
        return 2;
    }
    const tolv::EstruturaDesc* d = Procura(pos[0]);
    if (!d)
        return 1;
    ImprimeLeiaute(*d, json);
    return 0;
}

int Despejo(const Args& args)
{
    if (TemOpcao(args, "--help") || TemOpcao(args, "-h")) {
        std::printf("usage: tolvdata dump NAME FILE [--json]\n"
                    "Decodes FILE, a raw little-endian image of structure NAME, field by field;\n"
                    "pointers are shown as their raw 32-bit values. A file of the wrong size is\n"
                    "refused (exit status 3).\n");
        return 0;
    }
    bool json = TemOpcao(args, "--json");
    auto pos = Posicionais(args);
    if (pos.size() != 2) {
        std::fprintf(stderr,
                     "tolvdata: dump takes a structure name and a file\nusage: tolvdata dump NAME FILE [--json]\n");
        return 2;
    }
    const tolv::EstruturaDesc* d = Procura(pos[0]);
    if (!d)
        return 1;
    std::ifstream f(pos[1], std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "tolvdata: cannot read %s\n", pos[1].c_str());
        return 1;
    }
    std::vector<unsigned char> img((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (img.size() != d->tamanho) {
        std::fprintf(stderr, "tolvdata: %s holds %zu bytes; a %s image is exactly %u bytes\n", pos[1].c_str(),
                     img.size(), d->nome, d->tamanho);
        return 3;
    }
    if (json)
        std::printf("{\"name\": %s, \"size\": %u, \"fields\": [", Json(d->nome).c_str(), d->tamanho);
    else
        std::printf("%s (%u bytes) from %s\n", d->nome, d->tamanho, pos[1].c_str());
    for (unsigned i = 0; i < d->nCampos; ++i) {
        const tolv::CampoDesc& c = d->campos[i];
        bool texto = false;
        std::string v = Valor(c, img.data() + c.offset, texto);
        if (json)
            std::printf("%s\n  {\"offset\": %u, \"name\": %s, \"kind\": %s, \"value\": %s}", i ? "," : "", c.offset,
                        Json(c.nome).c_str(), Json(tolv::NomeTipo(c.tipo)).c_str(), Json(v).c_str());
        else
            std::printf("%6u  %-32s %s%s%s\n", c.offset, c.nome, texto ? "\"" : "", v.c_str(), texto ? "\"" : "");
    }
    if (json)
        std::printf("\n]}\n");
    return 0;
}

} // namespace ferramenta
