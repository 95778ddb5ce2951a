#include "tools/Json.h"

#include <cstdint>
#include <cstdio>

namespace json {

namespace {

// Unicode of the bytes 0x80 to 0x9F in Windows-1252 (undefined ones: the C1
// control of the same number).
const uint16_t k1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Utf8(uint32_t c, std::string& r)
{
    if (c < 0x80) {
        r += static_cast<char>(c);
    } else if (c < 0x800) {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        r += static_cast<char>(0xE0 | (c >> 12));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        r += static_cast<char>(0xF0 | (c >> 18));
        r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Next code point of UTF-8 text at i; false when malformed.
bool ProximoCodigo(const std::string& s, size_t& i, uint32_t& c)
{
    unsigned char b = static_cast<unsigned char>(s[i]);
    int n = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + n >= s.size() + (n ? 0 : 1))
        return false;
    c = n == 0 ? b : n == 1 ? (b & 0x1F) : n == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= n; ++k) {
        unsigned char x = static_cast<unsigned char>(s[i + k]);
        if ((x & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (x & 0x3F);
    }
    static const uint32_t minimo[4] = {0, 0x80, 0x800, 0x10000};
    if (c < minimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    i += n + 1;
    return true;
}

class Leitor {
public:
    explicit Leitor(const std::string& t) : m_t(t) {}

    bool Documento(Valor& v, std::string& erro)
    {
        Espacos();
        if (!Le(v, 0))
            return Falha(erro);
        Espacos();
        if (m_i != m_t.size()) {
            m_erro = "unexpected text after the value";
            return Falha(erro);
        }
        return true;
    }

private:
    static constexpr unsigned kProfundidade = 256;

    bool Falha(std::string& erro)
    {
        unsigned linha = 1, coluna = 1;
        for (size_t k = 0; k < m_i && k < m_t.size(); ++k) {
            if (m_t[k] == '\n') {
                ++linha;
                coluna = 1;
            } else {
                ++coluna;
            }
        }
        erro = "JSON line " + std::to_string(linha) + " column " + std::to_string(coluna) + ": " + m_erro;
        return false;
    }
    bool Erro(const char* e)
    {
        m_erro = e;
        return false;
    }
    void Espacos()
    {
        while (m_i < m_t.size() && (m_t[m_i] == ' ' || m_t[m_i] == '\t' || m_t[m_i] == '\n' || m_t[m_i] == '\r'))
            ++m_i;
    }
    bool Palavra(const char* p)
    {
        size_t n = std::char_traits<char>::length(p);
        if (m_t.compare(m_i, n, p) != 0)
            return Erro("invalid value");
        m_i += n;
        return true;
    }
    bool Le(Valor& v, unsigned nivel)
    {
        if (nivel > kProfundidade)
            return Erro("nested too deep");
        if (m_i >= m_t.size())
            return Erro("unexpected end of input");
        char c = m_t[m_i];
        if (c == '{')
            return Objeto(v, nivel);
        if (c == '[')
            return Lista(v, nivel);
        if (c == '"') {
            v.tipo = Valor::Tipo::Texto;
            return Texto(v.s);
        }
        if (c == 't' || c == 'f') {
            v.tipo = Valor::Tipo::Logico;
            v.s = c == 't' ? "true" : "false";
            return Palavra(v.s.c_str());
        }
        if (c == 'n') {
            v.tipo = Valor::Tipo::Nulo;
            return Palavra("null");
        }
        return Numero(v);
    }
    bool Numero(Valor& v)
    {
        size_t i0 = m_i;
        auto digitos = [&] {
            size_t k = m_i;
            while (m_i < m_t.size() && m_t[m_i] >= '0' && m_t[m_i] <= '9')
                ++m_i;
            return m_i - k;
        };
        if (m_i < m_t.size() && m_t[m_i] == '-')
            ++m_i;
        size_t inicio = m_i;
        size_t n = digitos();
        if (n == 0)
            return Erro("invalid value");
        if (n > 1 && m_t[inicio] == '0')
            return Erro("leading zero in a number");
        if (m_i < m_t.size() && m_t[m_i] == '.') {
            ++m_i;
            if (digitos() == 0)
                return Erro("invalid number");
        }
        if (m_i < m_t.size() && (m_t[m_i] == 'e' || m_t[m_i] == 'E')) {
            ++m_i;
            if (m_i < m_t.size() && (m_t[m_i] == '+' || m_t[m_i] == '-'))
                ++m_i;
            if (digitos() == 0)
                return Erro("invalid number");
        }
        v.tipo = Valor::Tipo::Numero;
        v.s = m_t.substr(i0, m_i - i0);
        return true;
    }
    bool Hex4(uint32_t& u)
    {
        if (m_i + 4 > m_t.size())
            return Erro("short \\u escape");
        u = 0;
        for (int k = 0; k < 4; ++k) {
            char h = m_t[m_i++];
            u <<= 4;
            if (h >= '0' && h <= '9')
                u |= h - '0';
            else if (h >= 'a' && h <= 'f')
                u |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                u |= h - 'A' + 10;
            else
                return Erro("bad \\u escape");
        }
        return true;
    }
    bool Texto(std::string& r)
    {
        ++m_i;
        r.clear();
        for (;;) {
            if (m_i >= m_t.size())
                return Erro("unterminated string");
            unsigned char c = static_cast<unsigned char>(m_t[m_i]);
            if (c == '"') {
                ++m_i;
                return true;
            }
            if (c < 0x20)
                return Erro("control character in a string");
            if (c != '\\') {
                uint32_t u;
                size_t k = m_i;
                if (!ProximoCodigo(m_t, k, u))
                    return Erro("malformed UTF-8 in a string");
                r.append(m_t, m_i, k - m_i);
                m_i = k;
                continue;
            }
            if (++m_i >= m_t.size())
                return Erro("unterminated string");
            char e = m_t[m_i++];
            switch (e) {
            case '"': r += '"'; break;
            case '\\': r += '\\'; break;
            case '/': r += '/'; break;
            case 'b': r += '\b'; break;
            case 'f': r += '\f'; break;
            case 'n': r += '\n'; break;
            case 'r': r += '\r'; break;
            case 't': r += '\t'; break;
            case 'u': {
                uint32_t u;
                if (!Hex4(u))
                    return false;
                if (u >= 0xD800 && u <= 0xDBFF) {
                    uint32_t baixo;
                    if (m_t.compare(m_i, 2, "\\u") != 0)
                        return Erro("lone surrogate in a string");
                    m_i += 2;
                    if (!Hex4(baixo))
                        return false;
                    if (baixo < 0xDC00 || baixo > 0xDFFF)
                        return Erro("lone surrogate in a string");
                    u = 0x10000 + ((u - 0xD800) << 10) + (baixo - 0xDC00);
                } else if (u >= 0xDC00 && u <= 0xDFFF) {
                    return Erro("lone surrogate in a string");
                }
                Utf8(u, r);
                break;
            }
            default: return Erro("bad escape in a string");
            }
        }
    }
    bool Lista(Valor& v, unsigned nivel)
    {
        v.tipo = Valor::Tipo::Lista;
        ++m_i;
        Espacos();
        if (m_i < m_t.size() && m_t[m_i] == ']') {
            ++m_i;
            return true;
        }
        for (;;) {
            v.itens.emplace_back();
            Espacos();
            if (!Le(v.itens.back(), nivel + 1))
                return false;
            Espacos();
            if (m_i < m_t.size() && m_t[m_i] == ',') {
                ++m_i;
                continue;
            }
            if (m_i < m_t.size() && m_t[m_i] == ']') {
                ++m_i;
                return true;
            }
            return Erro("expected , or ] in an array");
        }
    }
    bool Objeto(Valor& v, unsigned nivel)
    {
        v.tipo = Valor::Tipo::Objeto;
        ++m_i;
        Espacos();
        if (m_i < m_t.size() && m_t[m_i] == '}') {
            ++m_i;
            return true;
        }
        for (;;) {
            Espacos();
            if (m_i >= m_t.size() || m_t[m_i] != '"')
                return Erro("expected a member name");
            std::string nome;
            if (!Texto(nome))
                return false;
            if (v.Membro(nome))
                return Erro("duplicate member name");
            Espacos();
            if (m_i >= m_t.size() || m_t[m_i] != ':')
                return Erro("expected : after a member name");
            ++m_i;
            Espacos();
            v.membros.push_back(Campo{std::move(nome), Valor()});
            if (!Le(v.membros.back().valor, nivel + 1))
                return false;
            Espacos();
            if (m_i < m_t.size() && m_t[m_i] == ',') {
                ++m_i;
                continue;
            }
            if (m_i < m_t.size() && m_t[m_i] == '}') {
                ++m_i;
                return true;
            }
            return Erro("expected , or } in an object");
        }
    }

    const std::string& m_t;
    size_t m_i = 0;
    std::string m_erro;
};

} // namespace

const Valor* Valor::Membro(const std::string& nome) const
{
    for (const auto& [n, v] : membros)
        if (n == nome)
            return &v;
    return nullptr;
}

bool Le(const std::string& texto, Valor& v, std::string& erro)
{
    v = Valor();
    return Leitor(texto).Documento(v, erro);
}

std::string Aspas(const std::string& s)
{
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", c);
            r += b;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r + "\"";
}

const char* NomeTipo(Valor::Tipo t)
{
    switch (t) {
    case Valor::Tipo::Nulo: return "null";
    case Valor::Tipo::Logico: return "a boolean";
    case Valor::Tipo::Numero: return "a number";
    case Valor::Tipo::Texto: return "a string";
    case Valor::Tipo::Lista: return "an array";
    case Valor::Tipo::Objeto: return "an object";
    }
    return "?";
}

std::string De1252(const char* p, size_t n)
{
    std::string r;
    r.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        Utf8(c >= 0x80 && c < 0xA0 ? k1252[c - 0x80] : c, r);
    }
    return r;
}

bool Para1252(const std::string& utf8, std::string& saida, std::string& erro)
{
    saida.clear();
    for (size_t i = 0; i < utf8.size();) {
        uint32_t c;
        if (!ProximoCodigo(utf8, i, c)) {
            erro = "malformed UTF-8";
            return false;
        }
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            saida += static_cast<char>(c);
            continue;
        }
        int b = -1;
        for (int k = 0; k < 32; ++k)
            if (k1252[k] == c)
                b = 0x80 + k;
        if (b < 0) {
            char t[16];
            std::snprintf(t, sizeof t, "U+%04X", static_cast<unsigned>(c));
            erro = std::string("character ") + t + " has no Windows-1252 byte";
            return false;
        }
        saida += static_cast<char>(b);
    }
    return true;
}

} // namespace json
