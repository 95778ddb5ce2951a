#include "tools/Arvore.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

#include "core/Documento.h"
#include "tolvdata.h"
#include "tools/AmostraDocumentos.h"

namespace ferramenta {

namespace {

using tolv::Tipo;

template <class T> T Le(const unsigned char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

const unsigned char* Ponteiro(const unsigned char* b, unsigned off)
{
    const unsigned char* p;
    std::memcpy(&p, b + off, sizeof p);
    return p;
}

uint32_t Endereco(const unsigned char* b, unsigned off) { return Le<uint32_t>(b + off); }

std::string Hex(const unsigned char* p, size_t n, bool espacos = false)
{
    static const char dig[] = "0123456789abcdef";
    std::string r;
    for (size_t i = 0; i < n; ++i) {
        if (espacos && i)
            r += ' ';
        r += dig[p[i] >> 4];
        r += dig[p[i] & 15];
    }
    return r;
}

bool TudoZero(const unsigned char* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i])
            return false;
    return true;
}

std::string Fmt(const char* f, ...) __attribute__((format(printf, 1, 2)));
std::string Fmt(const char* f, ...)
{
    char b[256];
    va_list a;
    va_start(a, f);
    std::vsnprintf(b, sizeof b, f, a);
    va_end(a);
    return b;
}

std::string Inteiro(const tolv::CampoDesc& c, const unsigned char* p)
{
    bool s = c.tipo == Tipo::Inteiro;
    switch (c.tamanho) {
    case 1: return std::to_string(s ? int(Le<int8_t>(p)) : int(Le<uint8_t>(p)));
    case 2: return std::to_string(s ? int(Le<int16_t>(p)) : int(Le<uint16_t>(p)));
    case 4: return s ? std::to_string(Le<int32_t>(p)) : std::to_string(Le<uint32_t>(p));
    default: return s ? std::to_string(Le<int64_t>(p)) : std::to_string(Le<uint64_t>(p));
    }
}

std::string Moeda(const unsigned char* p)
{
    int64_t v = Le<int64_t>(p);
    uint64_t a = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    return Fmt("%s%" PRIu64 ".%04u", v < 0 ? "-" : "", a / 10000, unsigned(a % 10000));
}

// A date as day, month and year (16 bits), the order its type's name gives;
// empty when the bytes make no calendar date. A reading aid only.
std::string Iso(const unsigned char* p)
{
    unsigned d = p[0], m = p[1], a = Le<uint16_t>(p + 2);
    static const unsigned dias[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || a < 1 || a > 9999 || d < 1 || d > dias[m - 1])
        return "";
    if (m == 2 && d == 29 && !(a % 4 == 0 && (a % 100 != 0 || a % 400 == 0)))
        return "";
    return Fmt("%04u-%02u-%02u", a, m, d);
}

std::string IsoHora(const unsigned char* p)
{
    std::string r = Iso(p);
    if (!r.empty() && p[4] < 24 && p[5] < 60 && p[6] < 60)
        r += Fmt("T%02u:%02u:%02u", p[4], p[5], p[6]);
    return r;
}

// How many bytes of a text field are its text: up to the first NUL among the
// first `limite`.
size_t TamanhoTexto(const unsigned char* p, size_t limite)
{
    const void* nul = std::memchr(p, 0, limite);
    return nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - p) : limite;
}

std::string Ind(unsigned n) { return std::string(2 * n, ' '); }

// --- The JSON notation ------------------------------------------------------------

void TextoJson(const unsigned char* p, size_t n, size_t limite, std::string& o)
{
    size_t t = TamanhoTexto(p, limite);
    std::string s = json::Aspas(json::De1252(reinterpret_cast<const char*>(p), t));
    if (TudoZero(p + t, n - t))
        o += s;
    else
        o += "{\"text\": " + s + ", \"tail\": \"" + Hex(p + t, n - t) + "\"}";
}

void RegistroJson(const tolv::EstruturaDesc& d, const unsigned char* b, bool seguir, unsigned nivel, std::string& o);

void ElementosJson(const tolv::EstruturaDesc& e, const unsigned char* x, unsigned long n, unsigned nivel,
                   std::string& o)
{
    o += "[";
    for (unsigned long k = 0; k < n; ++k) {
        o += k ? ",\n" : "\n";
        o += Ind(nivel + 1);
        RegistroJson(e, x + static_cast<size_t>(k) * e.tamanho, true, nivel + 1, o);
    }
    o += n ? "\n" + Ind(nivel) + "]" : "]";
}

void CampoJson(const tolv::EstruturaDesc& d, const tolv::CampoDesc& c, const unsigned char* b, bool seguir,
               unsigned nivel, std::string& o)
{
    const unsigned char* p = b + c.offset;
    switch (c.tipo) {
    case Tipo::Moeda: o += "\"" + Moeda(p) + "\""; return;
    case Tipo::Inteiro:
    case Tipo::Natural: o += c.tamanho == 8 ? "\"" + Inteiro(c, p) + "\"" : Inteiro(c, p); return;
    case Tipo::Chave:
    case Tipo::ChavePS: o += "\"" + std::to_string(Le<uint64_t>(p)) + "\""; return;
    case Tipo::Data:
    case Tipo::Data4:
    case Tipo::DataPS: {
        std::string iso = Iso(p);
        o +=
            "{\"raw\": " + std::to_string(Le<uint32_t>(p)) + ", \"iso\": " + (iso.empty() ? "null" : "\"" + iso + "\"");
        if (c.tipo != Tipo::Data4)
            o += ", \"after\": \"" + Hex(p + 4, 4) + "\"";
        o += "}";
        return;
    }
    case Tipo::DataHora: {
        std::string iso = IsoHora(p);
        o += "{\"raw\": \"" + std::to_string(Le<uint64_t>(p)) +
             "\", \"iso\": " + (iso.empty() ? "null" : "\"" + iso + "\"") + "}";
        return;
    }
    case Tipo::Posicao:
        o += Fmt("{\"PonteiroProduto\": %" PRId32
                 ", \"PonteiroItemGrade1\": %u, \"PonteiroItemGrade2\": %u, \"PonteiroItemGrade3\": %u, ",
                 Le<int32_t>(p), unsigned(Le<uint16_t>(p + 4)), unsigned(Le<uint16_t>(p + 6)),
                 unsigned(Le<uint16_t>(p + 8)));
        o += "\"Reservado\": \"" + Hex(p + 10, 6) + "\"}";
        return;
    case Tipo::Texto:
    case Tipo::TextoFixo: TextoJson(p, c.tamanho, LimiteTexto(c), o); return;
    case Tipo::Array:
    case Tipo::TextoVar: {
        const unsigned char* x = Ponteiro(b, c.offset);
        if (!x) {
            o += "null";
            return;
        }
        if (!seguir) {
            o += Fmt("{\"address\": \"0x%08" PRIx32 "\"}", Endereco(b, c.offset));
            return;
        }
        const tolv::AninhadoDesc* a = AninhadoDe(d, c);
        unsigned long n = tolv::ContagemDe(b, *a);
        if (c.tipo == Tipo::TextoVar)
            TextoJson(x, n, n, o);
        else
            ElementosJson(*c.elemento, x, n, nivel, o);
        return;
    }
    default: o += "\"" + Hex(p, c.tamanho) + "\""; return;
    }
}

void RegistroJson(const tolv::EstruturaDesc& d, const unsigned char* b, bool seguir, unsigned nivel, std::string& o)
{
    o += "{";
    for (unsigned i = 0; i < d.nCampos; ++i) {
        o += i ? ",\n" : "\n";
        o += Ind(nivel + 1) + json::Aspas(d.campos[i].nome) + ": ";
        CampoJson(d, d.campos[i], b, seguir, nivel + 1, o);
    }
    o += "\n" + Ind(nivel) + "}";
}

// --- One field as text --------------------------------------------------------------

std::string TextoLegivel(const unsigned char* p, size_t n, size_t limite)
{
    size_t t = TamanhoTexto(p, limite);
    std::string r = json::Aspas(json::De1252(reinterpret_cast<const char*>(p), t));
    if (!TudoZero(p + t, n - t))
        r += " tail " + Hex(p + t, n - t, true);
    return r;
}

std::string ValorLegivel(const tolv::CampoDesc& c, const unsigned char* p)
{
    switch (c.tipo) {
    case Tipo::Moeda: return Moeda(p);
    case Tipo::Inteiro:
    case Tipo::Natural: return Inteiro(c, p);
    case Tipo::Chave:
    case Tipo::ChavePS: {
        REG_JQDMC k;
        std::memcpy(&k, p, sizeof k);
        return Fmt("number %lu part16 %u (%s)", JQDMC_Numero(k), unsigned(JQDMC_Parte16(k)), Hex(p, 8, true).c_str());
    }
    case Tipo::Data:
    case Tipo::Data4:
    case Tipo::DataPS: {
        std::string iso = Iso(p);
        std::string r = Fmt("%" PRIu32, Le<uint32_t>(p)) + (iso.empty() ? "" : " (" + iso + ")");
        if (c.tipo != Tipo::Data4 && !TudoZero(p + 4, 4))
            r += " after " + Hex(p + 4, 4, true);
        return r;
    }
    case Tipo::DataHora: {
        std::string iso = IsoHora(p);
        return std::to_string(Le<uint64_t>(p)) + (iso.empty() ? "" : " (" + iso + ")");
    }
    case Tipo::Posicao:
        return Fmt("product %" PRId32 " grade %u/%u/%u", Le<int32_t>(p), unsigned(Le<uint16_t>(p + 4)),
                   unsigned(Le<uint16_t>(p + 6)), unsigned(Le<uint16_t>(p + 8))) +
               (TudoZero(p + 10, 6) ? "" : " reserved " + Hex(p + 10, 6, true));
    case Tipo::Texto:
    case Tipo::TextoFixo: return TextoLegivel(p, c.tamanho, LimiteTexto(c));
    case Tipo::Array:
    case Tipo::TextoVar: return Fmt("0x%08" PRIx32, Le<uint32_t>(p));
    default: return Hex(p, c.tamanho, true);
    }
}

void ImprimeRegistro(const tolv::EstruturaDesc& d, const unsigned char* b, bool seguir, const std::string& prefixo,
                     std::FILE* f)
{
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        std::string caminho = prefixo + c.nome;
        if (!EhAninhado(c) || !seguir) {
            std::fprintf(f, "%6u  %-32s %s\n", c.offset, caminho.c_str(), ValorLegivel(c, b + c.offset).c_str());
            continue;
        }
        const unsigned char* x = Ponteiro(b, c.offset);
        unsigned long n = tolv::ContagemDe(b, *AninhadoDe(d, c));
        if (!x) {
            std::fprintf(f, "%6u  %-32s null\n", c.offset, caminho.c_str());
        } else if (c.tipo == Tipo::TextoVar) {
            std::fprintf(f, "%6u  %-32s %s\n", c.offset, caminho.c_str(), TextoLegivel(x, n, n).c_str());
        } else {
            std::fprintf(f, "%6u  %-32s %lu x %s\n", c.offset, caminho.c_str(), n, c.elemento->nome);
            for (unsigned long k = 0; k < n; ++k)
                ImprimeRegistro(*c.elemento, x + static_cast<size_t>(k) * c.elemento->tamanho, true,
                                caminho + "[" + std::to_string(k) + "].", f);
        }
    }
}

// --- Comparison -----------------------------------------------------------------------

struct Diferenca {
    std::string caminho;
    unsigned offset;
    std::string a, b;
};

struct Diferencas {
    std::vector<Diferenca> campos, reservados, listas;
};

// seguir: both are documents; ponteiros: both are raw blocks, whose pointer
// values are bytes like any other.
void ComparaRegistro(const tolv::EstruturaDesc& d, const unsigned char* a, const unsigned char* b, bool seguir,
                     bool ponteiros, const std::string& prefixo, Diferencas& r)
{
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        std::string caminho = prefixo + c.nome;
        if (EhAninhado(c) && !seguir && !ponteiros)
            continue;
        if (!EhAninhado(c) || !seguir) {
            if (std::memcmp(a + c.offset, b + c.offset, c.tamanho) == 0)
                continue;
            auto& lista = c.tipo == Tipo::Reservado ? r.reservados : r.campos;
            lista.push_back({caminho, c.offset, ValorLegivel(c, a + c.offset), ValorLegivel(c, b + c.offset)});
            continue;
        }
        const tolv::AninhadoDesc& an = *AninhadoDe(d, c);
        const unsigned char* xa = Ponteiro(a, c.offset);
        const unsigned char* xb = Ponteiro(b, c.offset);
        unsigned long na = xa ? tolv::ContagemDe(a, an) : 0;
        unsigned long nb = xb ? tolv::ContagemDe(b, an) : 0;
        if (c.tipo == Tipo::TextoVar) {
            if (!xa != !xb || na != nb || (xa && std::memcmp(xa, xb, na) != 0))
                r.campos.push_back({caminho, c.offset, xa ? TextoLegivel(xa, na, na) : "null",
                                    xb ? TextoLegivel(xb, nb, nb) : "null"});
            continue;
        }
        auto descreve = [](const unsigned char* x, unsigned long n) {
            return x ? std::to_string(n) : std::string("null");
        };
        if (!xa != !xb || na != nb)
            r.listas.push_back({caminho, c.offset, descreve(xa, na), descreve(xb, nb)});
        size_t t = c.elemento->tamanho;
        for (unsigned long k = 0; k < na && k < nb; ++k)
            ComparaRegistro(*c.elemento, xa + k * t, xb + k * t, true, false, caminho + "[" + std::to_string(k) + "].",
                            r);
    }
}

// Lengths go as numbers (or null), values as strings.
void DiferencasJson(const char* nome, const std::vector<Diferenca>& v, std::string& o, bool cru = false)
{
    auto valor = [cru](const std::string& s) { return cru ? s : json::Aspas(s); };
    o += Fmt(",\n  \"%s\": [", nome);
    for (size_t i = 0; i < v.size(); ++i)
        o += Fmt("%s\n    {\"path\": ", i ? "," : "") + json::Aspas(v[i].caminho) +
             Fmt(", \"offset\": %u, \"a\": ", v[i].offset) + valor(v[i].a) + ", \"b\": " + valor(v[i].b) + "}";
    o += v.empty() ? "]" : "\n  ]";
}

void DiferencasTexto(const char* titulo, const std::vector<Diferenca>& v, std::FILE* f, const char* unidade = "")
{
    if (v.empty())
        return;
    std::fprintf(f, "%s:\n", titulo);
    for (const Diferenca& d : v)
        std::fprintf(f, "%6u  %-32s %s%s | %s%s\n", d.offset, d.caminho.c_str(), d.a.c_str(),
                     d.a == "null" ? "" : unidade, d.b.c_str(), d.b == "null" ? "" : unidade);
}

// Structures that travel on their own, outside any document's tree.
const struct {
    const char* codigo;
    const char* estrutura;
} kAvulsas[] = {{"RE", "REG_CODBARRAS"}, {"EF", "_REG_ITENS_NF_PS"}};

bool Alcanca(const tolv::EstruturaDesc& de, const tolv::EstruturaDesc& alvo, unsigned nivel = 0)
{
    if (&de == &alvo || std::strcmp(de.nome, alvo.nome) == 0)
        return true;
    for (unsigned i = 0; i < de.nAninhados && nivel < 16; ++i)
        if (de.aninhados[i].elemento && Alcanca(*de.aninhados[i].elemento, alvo, nivel + 1))
            return true;
    return false;
}

} // namespace

bool Parcial(const tolv::EstruturaDesc& d)
{
    static const char* const parciais[] = {"tagREG_LISTAAUTORIZACAO_COMPRAPS", "tagREG_CM_AUTORIZACOESMESTRE_LISTAPS",
                                           "tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", "tagREG_CM_LEIAUTEOCMESTRE_LISTAPS"};
    for (const char* p : parciais)
        if (std::strcmp(d.nome, p) == 0)
            return true;
    return false;
}

std::string DocumentoDe(const tolv::EstruturaDesc& d)
{
    std::string r;
    auto junta = [&r](const char* codigo) {
        if (("," + r + ",").find("," + std::string(codigo) + ",") == std::string::npos)
            r += (r.empty() ? "" : ",") + std::string(codigo);
    };
    for (const amostra::Documento& doc : amostra::Documentos()) {
        const tolv::EstruturaDesc* segunda = tolv::SegundaRaizDe(*doc.raiz);
        if (Alcanca(*doc.raiz, d) || (segunda && Alcanca(*segunda, d)))
            junta(doc.codigo);
    }
    for (const auto& a : kAvulsas)
        if (std::strcmp(a.estrutura, d.nome) == 0)
            junta(a.codigo);
    return r.empty() ? "-" : r;
}

bool LeArquivo(const std::string& arquivo, std::vector<unsigned char>& bytes, std::string& erro)
{
    if (arquivo == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) {
        erro = "cannot read " + arquivo + ": " + std::strerror(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return true;
}

bool CarregaArvore(const tolv::EstruturaDesc& d, const std::string& arquivo, ArvoreLida& a, std::string& erro)
{
    if (!LeArquivo(arquivo, a.bytes, erro))
        return false;
    if (tolv::EhDocumento(a.bytes.data(), a.bytes.size())) {
        auto doc = std::make_shared<tolv::DocumentoLido>();
        std::string e;
        if (!tolv::LeDocumento(a.bytes.data(), a.bytes.size(), *doc, e, &d)) {
            erro = arquivo + ": " + e;
            return false;
        }
        a.arvore = Arvore{&d,
                          static_cast<const unsigned char*>(doc->Raiz()),
                          true,
                          doc->EstruturaSegunda(),
                          static_cast<const unsigned char*>(doc->Segunda()),
                          doc->QtdSegunda()};
        a.dono = std::move(doc);
        return true;
    }
    if (a.bytes.size() != d.tamanho) {
        erro = arquivo + " holds " + std::to_string(a.bytes.size()) + " bytes; a " + d.nome + " image is exactly " +
               std::to_string(d.tamanho) + " bytes (or a whole-document file)";
        return false;
    }
    a.arvore = Arvore{&d, a.bytes.data(), false, nullptr, nullptr, 0};
    return true;
}

void ImprimeArvore(const Arvore& a, const std::string& origem, std::FILE* f)
{
    std::fprintf(f, "%s (%u bytes%s) from %s%s\n", a.desc->nome, a.desc->tamanho,
                 Parcial(*a.desc) ? ", the part the library knows" : "", origem.c_str(),
                 a.documento ? ", whole document" : "");
    ImprimeRegistro(*a.desc, a.raiz, a.documento, "", f);
    if (a.desc2) {
        std::fprintf(f, "second root: %lu x %s\n", a.qtdSegunda, a.desc2->nome);
        for (unsigned long k = 0; k < a.qtdSegunda; ++k)
            ImprimeRegistro(*a.desc2, a.segunda + k * a.desc2->tamanho, true, "second[" + std::to_string(k) + "].", f);
    }
}

std::string ArvoreJson(const Arvore& a)
{
    std::string o = std::string("{\n  \"format\": \"") + kFormato + "\",\n  \"content\": \"" +
                    (a.documento ? "document" : "block") + "\",\n  \"structure\": " + json::Aspas(a.desc->nome) +
                    ",\n  \"partial\": " + (Parcial(*a.desc) ? "true" : "false") + ",\n  \"root\": ";
    RegistroJson(*a.desc, a.raiz, a.documento, 1, o);
    if (a.desc2) {
        o += ",\n  \"second\": {\"structure\": " + json::Aspas(a.desc2->nome) + ", \"elements\": ";
        ElementosJson(*a.desc2, a.segunda, a.qtdSegunda, 1, o);
        o += "}";
    }
    return o + "\n}\n";
}

bool ComparaArvores(const Arvore& a, const Arvore& b, bool json, std::FILE* f)
{
    Diferencas r;
    bool seguir = a.documento && b.documento;
    ComparaRegistro(*a.desc, a.raiz, b.raiz, seguir, !a.documento && !b.documento, "", r);
    if (seguir && (a.desc2 || b.desc2)) {
        unsigned long na = a.desc2 ? a.qtdSegunda : 0, nb = b.desc2 ? b.qtdSegunda : 0;
        if (na != nb)
            r.listas.push_back({"second", 0, std::to_string(na), std::to_string(nb)});
        const tolv::EstruturaDesc* e = a.desc2 ? a.desc2 : b.desc2;
        for (unsigned long k = 0; k < na && k < nb; ++k)
            ComparaRegistro(*e, a.segunda + k * e->tamanho, b.segunda + k * e->tamanho, true, false,
                            "second[" + std::to_string(k) + "].", r);
    }
    bool iguais = r.campos.empty() && r.reservados.empty() && r.listas.empty();
    if (json) {
        std::string o = std::string("{\n  \"format\": \"") + kFormato +
                        "\",\n  \"content\": \"diff\",\n  \"structure\": " + json::Aspas(a.desc->nome) +
                        ",\n  \"equal\": " + (iguais ? "true" : "false");
        DiferencasJson("fields", r.campos, o);
        DiferencasJson("reserved", r.reservados, o);
        DiferencasJson("lengths", r.listas, o, true);
        std::fputs((o + "\n}\n").c_str(), f);
        return iguais;
    }
    DiferencasTexto("fields", r.campos, f);
    DiferencasTexto("reserved bytes", r.reservados, f);
    DiferencasTexto("array lengths", r.listas, f, " elements");
    if (iguais)
        std::fprintf(f, "no difference\n");
    else
        std::fprintf(f, "%zu field, %zu reserved and %zu length differences\n", r.campos.size(), r.reservados.size(),
                     r.listas.size());
    return iguais;
}

} // namespace ferramenta
