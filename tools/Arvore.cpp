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

bool EhAninhado(const tolv::CampoDesc& c) { return c.tipo == Tipo::Array || c.tipo == Tipo::TextoVar; }

const tolv::AninhadoDesc* AninhadoDe(const tolv::EstruturaDesc& d, const tolv::CampoDesc& c)
{
    for (unsigned i = 0; i < d.nAninhados; ++i)
        if (d.aninhados[i].offsetPonteiro == c.offset)
            return &d.aninhados[i];
    return nullptr;
}

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

size_t LimiteTexto(const tolv::CampoDesc& c) { return c.tipo == Tipo::Texto ? c.capacidade : c.tamanho; }

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

// --- Packing ------------------------------------------------------------------------

class Empacotador {
public:
    explicit Empacotador(std::string& erro) : m_erro(erro) {}

    bool Falha(const std::string& caminho, const std::string& msg)
    {
        m_erro = (caminho.empty() ? std::string("(root)") : caminho) + ": " + msg;
        return false;
    }

    bool Tipo_(const json::Valor& v, json::Valor::Tipo t, const std::string& caminho)
    {
        if (v.tipo == t)
            return true;
        return Falha(caminho, std::string("expected ") + json::NomeTipo(t) + ", found " + json::NomeTipo(v.tipo));
    }

    // An integer of `bits` bits written as decimal (or 0x hex).
    bool Inteiro(const std::string& s, bool comSinal, unsigned bits, const std::string& caminho, uint64_t& saida)
    {
        size_t i = 0;
        bool neg = !s.empty() && s[0] == '-';
        i += neg;
        bool hex = s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0;
        i += hex ? 2 : 0;
        if (i >= s.size())
            return Falha(caminho, "\"" + s + "\" is not an integer");
        uint64_t m = 0;
        unsigned base = hex ? 16 : 10;
        for (; i < s.size(); ++i) {
            char ch = s[i];
            int dg = ch >= '0' && ch <= '9'          ? ch - '0'
                     : hex && ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                     : hex && ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                     : -1;
            if (dg < 0)
                return Falha(caminho, "\"" + s + "\" is not an integer");
            if (m > (UINT64_MAX - dg) / base)
                return Falha(caminho, s + " is out of range for " + Faixa(comSinal, bits));
            m = m * base + dg;
        }
        uint64_t max = bits == 64 ? UINT64_MAX : (uint64_t(1) << bits) - 1;
        if (comSinal) {
            uint64_t lim = uint64_t(1) << (bits - 1);
            if (neg ? m > lim : m >= lim)
                return Falha(caminho, s + " is out of range for " + Faixa(comSinal, bits));
            saida = neg ? 0 - m : m;
        } else {
            if ((neg && m) || m > max)
                return Falha(caminho, s + " is out of range for " + Faixa(comSinal, bits));
            saida = m;
        }
        return true;
    }

    static std::string Faixa(bool comSinal, unsigned bits)
    {
        return std::string(comSinal ? "a signed " : "an unsigned ") + std::to_string(bits) + "-bit integer";
    }

    bool Hex_(const json::Valor& v, unsigned char* p, size_t n, const std::string& caminho)
    {
        if (!Tipo_(v, json::Valor::Tipo::Texto, caminho))
            return false;
        if (v.s.size() != 2 * n)
            return Falha(caminho, "expected " + std::to_string(n) + " bytes as " + std::to_string(2 * n) +
                                      " hex digits, found " + std::to_string(v.s.size()) + " characters");
        for (size_t i = 0; i < n; ++i) {
            unsigned x;
            if (!std::isxdigit(static_cast<unsigned char>(v.s[2 * i])) ||
                !std::isxdigit(static_cast<unsigned char>(v.s[2 * i + 1])) ||
                std::sscanf(v.s.c_str() + 2 * i, "%2x", &x) != 1)
                return Falha(caminho, "\"" + v.s + "\" is not hex");
            p[i] = static_cast<unsigned char>(x);
        }
        return true;
    }

    bool Membros(const json::Valor& v, std::initializer_list<const char*> nomes, size_t obrigatorios,
                 const std::string& caminho)
    {
        if (!Tipo_(v, json::Valor::Tipo::Objeto, caminho))
            return false;
        for (const auto& [n, x] : v.membros) {
            bool conhecido = false;
            for (const char* k : nomes)
                conhecido |= n == k;
            if (!conhecido)
                return Falha(caminho + "." + n, "unknown member");
        }
        size_t i = 0;
        for (const char* k : nomes)
            if (i++ < obrigatorios && !v.Membro(k))
                return Falha(caminho, std::string("missing member ") + k);
        return true;
    }

    // Text and tail into the n bytes at p; the text takes at most `limite`.
    bool Texto(const json::Valor& v, unsigned char* p, size_t n, size_t limite, bool precisaNul,
               const std::string& caminho)
    {
        const json::Valor* texto = &v;
        const json::Valor* cauda = nullptr;
        if (v.tipo == json::Valor::Tipo::Objeto) {
            if (!Membros(v, {"text", "tail"}, 2, caminho))
                return false;
            texto = v.Membro("text");
            cauda = v.Membro("tail");
        }
        if (!Tipo_(*texto, json::Valor::Tipo::Texto, caminho))
            return false;
        std::string bytes, e;
        if (!json::Para1252(texto->s, bytes, e))
            return Falha(caminho, e);
        if (bytes.find('\0') != std::string::npos)
            return Falha(caminho, "a text holds no NUL character");
        if (bytes.size() > limite || (precisaNul && !cauda && bytes.size() >= n))
            return Falha(caminho, "text of " + std::to_string(bytes.size()) + " bytes too long for its field of " +
                                      std::to_string(precisaNul ? n - 1 : limite));
        std::memcpy(p, bytes.data(), bytes.size());
        std::memset(p + bytes.size(), 0, n - bytes.size());
        if (cauda)
            return Hex_(*cauda, p + bytes.size(), n - bytes.size(), caminho + ".tail");
        return true;
    }

    bool Data(const tolv::CampoDesc& c, const json::Valor& v, unsigned char* p, const std::string& caminho)
    {
        bool oito = c.tipo != Tipo::Data4;
        if (!(oito ? Membros(v, {"raw", "after", "iso"}, 2, caminho) : Membros(v, {"raw", "iso"}, 1, caminho)))
            return false;
        const json::Valor& raw = *v.Membro("raw");
        uint64_t x;
        if (!Tipo_(raw, json::Valor::Tipo::Numero, caminho + ".raw") || !Inteiro(raw.s, false, 32, caminho + ".raw", x))
            return false;
        uint32_t d = static_cast<uint32_t>(x);
        std::memcpy(p, &d, 4);
        return !oito || Hex_(*v.Membro("after"), p + 4, 4, caminho + ".after");
    }

    bool Campo(const tolv::CampoDesc& c, const json::Valor& v, unsigned char* p, const std::string& caminho)
    {
        uint64_t x;
        switch (c.tipo) {
        case Tipo::Moeda: return Moeda(v, p, caminho);
        case Tipo::Inteiro:
        case Tipo::Natural:
            if (!Tipo_(v, c.tamanho == 8 ? json::Valor::Tipo::Texto : json::Valor::Tipo::Numero, caminho) ||
                !Inteiro(v.s, c.tipo == Tipo::Inteiro, 8 * c.tamanho, caminho, x))
                return false;
            std::memcpy(p, &x, c.tamanho); // little-endian: the low bytes
            return true;
        case Tipo::Chave:
        case Tipo::ChavePS:
            if (!Tipo_(v, json::Valor::Tipo::Texto, caminho) || !Inteiro(v.s, false, 64, caminho, x))
                return false;
            std::memcpy(p, &x, 8);
            return true;
        case Tipo::Data:
        case Tipo::Data4:
        case Tipo::DataPS: return Data(c, v, p, caminho);
        case Tipo::DataHora: {
            if (!Membros(v, {"raw", "iso"}, 1, caminho))
                return false;
            const json::Valor& raw = *v.Membro("raw");
            if (!Tipo_(raw, json::Valor::Tipo::Texto, caminho + ".raw") ||
                !Inteiro(raw.s, false, 64, caminho + ".raw", x))
                return false;
            std::memcpy(p, &x, 8);
            return true;
        }
        case Tipo::Posicao: {
            static const char* const nomes[] = {"PonteiroProduto", "PonteiroItemGrade1", "PonteiroItemGrade2",
                                                "PonteiroItemGrade3"};
            if (!Membros(v, {nomes[0], nomes[1], nomes[2], nomes[3], "Reservado"}, 5, caminho))
                return false;
            for (int k = 0; k < 4; ++k) {
                const json::Valor& m = *v.Membro(nomes[k]);
                std::string cm = caminho + "." + nomes[k];
                if (!Tipo_(m, json::Valor::Tipo::Numero, cm) || !Inteiro(m.s, k == 0, k ? 16 : 32, cm, x))
                    return false;
                std::memcpy(p + (k ? 2 + 2 * k : 0), &x, k ? 2 : 4);
            }
            return Hex_(*v.Membro("Reservado"), p + 10, 6, caminho + ".Reservado");
        }
        case Tipo::Texto:
        case Tipo::TextoFixo: return Texto(v, p, c.tamanho, LimiteTexto(c), false, caminho);
        default: return Hex_(v, p, c.tamanho, caminho);
        }
    }

    bool Moeda(const json::Valor& v, unsigned char* p, const std::string& caminho)
    {
        if (!Tipo_(v, json::Valor::Tipo::Texto, caminho))
            return false;
        const std::string& s = v.s;
        size_t ponto = s.find('.');
        std::string inteira = s.substr(0, ponto);
        std::string frac = ponto == std::string::npos ? "" : s.substr(ponto + 1);
        bool neg = !inteira.empty() && inteira[0] == '-';
        std::string digitos = inteira.substr(neg) + frac;
        if (inteira.size() == size_t(neg) || frac.size() > 4 || (ponto != std::string::npos && frac.empty()) ||
            digitos.find_first_not_of("0123456789") != std::string::npos)
            return Falha(caminho, "\"" + s + "\" is not an amount (up to 4 decimal places)");
        digitos.append(4 - frac.size(), '0');
        uint64_t m = 0;
        for (char ch : digitos) {
            if (m > (UINT64_MAX - 9) / 10)
                return Falha(caminho, s + " is out of range for a currency amount");
            m = m * 10 + (ch - '0');
        }
        if (neg ? m > (uint64_t(1) << 63) : m >= (uint64_t(1) << 63))
            return Falha(caminho, s + " is out of range for a currency amount");
        int64_t x = neg ? static_cast<int64_t>(0 - m) : static_cast<int64_t>(m);
        std::memcpy(p, &x, 8);
        return true;
    }

    bool Registro(const tolv::EstruturaDesc& d, const json::Valor& v, unsigned char* b, bool documento,
                  const std::string& caminho, unsigned nivel)
    {
        if (nivel > 64)
            return Falha(caminho, "nested too deep");
        if (!Tipo_(v, json::Valor::Tipo::Objeto, caminho))
            return false;
        std::string pre = caminho.empty() ? "" : caminho + ".";
        for (const auto& [n, x] : v.membros) {
            bool conhecido = false;
            for (unsigned i = 0; i < d.nCampos && !conhecido; ++i)
                conhecido = n == d.campos[i].nome;
            if (!conhecido)
                return Falha(pre + n, std::string("no such field in ") + d.nome);
        }
        std::memset(b, 0, d.tamanho);
        // Counts first: the nested arrays are checked against them.
        for (int passo = 0; passo < 2; ++passo) {
            for (unsigned i = 0; i < d.nCampos; ++i) {
                const tolv::CampoDesc& c = d.campos[i];
                if (EhAninhado(c) != (passo == 1))
                    continue;
                const json::Valor* x = v.Membro(c.nome);
                if (!x)
                    return Falha(pre + c.nome, "missing field");
                if (passo == 0 ? !Campo(c, *x, b + c.offset, pre + c.nome)
                               : !Aninhado(d, c, *x, b, documento, pre + c.nome, nivel))
                    return false;
            }
        }
        return true;
    }

    bool Aninhado(const tolv::EstruturaDesc& d, const tolv::CampoDesc& c, const json::Valor& v, unsigned char* b,
                  bool documento, const std::string& caminho, unsigned nivel)
    {
        if (v.tipo == json::Valor::Tipo::Nulo)
            return true;
        if (!documento) {
            if (v.tipo == json::Valor::Tipo::Lista || v.tipo == json::Valor::Tipo::Texto)
                return Falha(caminho, "a raw block's pointer is null or {\"address\": ...}; nested arrays and texts "
                                      "travel in a whole document (\"content\": \"document\")");
            uint64_t x;
            if (!Membros(v, {"address"}, 1, caminho))
                return false;
            const json::Valor& e = *v.Membro("address");
            if (!Tipo_(e, json::Valor::Tipo::Texto, caminho + ".address") ||
                !Inteiro(e.s, false, 32, caminho + ".address", x))
                return false;
            uint32_t y = static_cast<uint32_t>(x);
            std::memcpy(b + c.offset, &y, 4);
            return true;
        }
        const tolv::AninhadoDesc& an = *AninhadoDe(d, c);
        unsigned long n = tolv::ContagemDe(b, an);
        if (c.tipo == Tipo::TextoVar) {
            if (n == 0 && v.tipo == json::Valor::Tipo::Texto && v.s.empty())
                return true; // no text: pointer 0, as for an empty array
            if (n == 0)
                return Falha(caminho, std::string("a text needs room for its NUL; ") + c.contagem + " is 0");
            unsigned char* t = Aloca(n);
            return Texto(v, t, n, n, true, caminho) && Liga(b, c, t);
        }
        if (!Tipo_(v, json::Valor::Tipo::Lista, caminho))
            return false;
        if (v.itens.size() != n)
            return Falha(caminho, std::to_string(v.itens.size()) + " elements, but " + c.contagem + " says " +
                                      std::to_string(n));
        if (n == 0)
            return true;
        size_t t = c.elemento->tamanho;
        unsigned char* x = Aloca(n * t);
        for (unsigned long k = 0; k < n; ++k)
            if (!Registro(*c.elemento, v.itens[k], x + k * t, true, caminho + "[" + std::to_string(k) + "]", nivel + 1))
                return false;
        return Liga(b, c, x);
    }

    static bool Liga(unsigned char* b, const tolv::CampoDesc& c, unsigned char* x)
    {
        std::memcpy(b + c.offset, &x, sizeof x);
        return true;
    }

    unsigned char* Aloca(size_t n)
    {
        m_blocos.emplace_back(new unsigned char[n]());
        return m_blocos.back().get();
    }

private:
    std::string& m_erro;
    std::vector<std::unique_ptr<unsigned char[]>> m_blocos;
};

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

bool Empacota(const tolv::EstruturaDesc& d, const json::Valor& v, std::vector<unsigned char>& saida, std::string& erro)
{
    Empacotador e(erro);
    if (v.tipo != json::Valor::Tipo::Objeto)
        return e.Falha("", "expected an object with \"format\", \"content\", \"structure\" and \"root\"");
    if (!e.Membros(v, {"format", "content", "structure", "root", "partial", "second"}, 4, ""))
        return false;
    const json::Valor& formato = *v.Membro("format");
    if (formato.tipo != json::Valor::Tipo::Texto || formato.s != kFormato)
        return e.Falha("format", std::string("expected \"") + kFormato + "\"");
    const json::Valor& conteudo = *v.Membro("content");
    bool documento = conteudo.tipo == json::Valor::Tipo::Texto && conteudo.s == "document";
    if (!documento && !(conteudo.tipo == json::Valor::Tipo::Texto && conteudo.s == "block"))
        return e.Falha("content", "expected \"block\" or \"document\"");
    const json::Valor& nome = *v.Membro("structure");
    if (nome.tipo != json::Valor::Tipo::Texto || nome.s != d.nome)
        return e.Falha("structure", std::string("expected \"") + d.nome + "\"");
    const json::Valor* segunda = v.Membro("second");
    if (segunda && !documento)
        return e.Falha("second", "only a whole document has a second root");

    std::vector<unsigned char> raiz(d.tamanho);
    if (!e.Registro(d, *v.Membro("root"), raiz.data(), documento, "", 0))
        return false;
    if (!documento) {
        saida = std::move(raiz);
        return true;
    }
    const tolv::EstruturaDesc* d2 = nullptr;
    std::vector<unsigned char> elementos;
    unsigned long n2 = 0;
    if (segunda) {
        if (!e.Membros(*segunda, {"structure", "elements"}, 2, "second"))
            return false;
        const json::Valor& s2 = *segunda->Membro("structure");
        d2 = s2.tipo == json::Valor::Tipo::Texto ? tolv::EstruturaPorNome(s2.s.c_str()) : nullptr;
        if (!d2)
            return e.Falha("second.structure", "no such structure");
        const json::Valor& el = *segunda->Membro("elements");
        if (!e.Tipo_(el, json::Valor::Tipo::Lista, "second.elements"))
            return false;
        n2 = el.itens.size();
        elementos.resize(n2 * d2->tamanho + 1);
        for (unsigned long k = 0; k < n2; ++k)
            if (!e.Registro(*d2, el.itens[k], elementos.data() + k * d2->tamanho, true,
                            "second[" + std::to_string(k) + "]", 1))
                return false;
    }
    try {
        saida = tolv::EscreveDocumento(d, raiz.data(), d2, d2 ? elementos.data() : nullptr, n2);
    } catch (const std::exception& x) {
        erro = std::string("cannot write the document: ") + x.what();
        return false;
    }
    return true;
}

} // namespace ferramenta
