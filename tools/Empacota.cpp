// `tolvdata pack`: a tree of transfer structures built from the JSON notation,
// then written as a raw block or a whole-document file.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "core/Documento.h"
#include "tools/Arvore.h"

namespace ferramenta {

namespace {

using tolv::Tipo;

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
            if (!conhecido) {
                std::string onde = caminho;
                if (!onde.empty())
                    onde += '.';
                return Falha(onde += n, "unknown member");
            }
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
        // A text that fills its field has no NUL there; the rest is zeroed.
        std::memcpy(p, bytes.data(), bytes.size()); // NOLINT(bugprone-not-null-terminated-result)
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
        if (n > SIZE_MAX / t)
            return Falha(caminho, "too many elements for this address space");
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

} // namespace

namespace {
bool Empacota(Empacotador& e, const tolv::EstruturaDesc& d, const json::Valor& v, bool documento,
              std::vector<unsigned char>& saida, std::string& erro);
} // namespace

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
    if (v.Membro("second") && !documento)
        return e.Falha("second", "only a whole document has a second root");

    try {
        return Empacota(e, d, v, documento, saida, erro);
    } catch (const std::bad_alloc&) {
        erro = "out of memory";
        return false;
    }
}

namespace {

bool Empacota(Empacotador& e, const tolv::EstruturaDesc& d, const json::Valor& v, bool documento,
              std::vector<unsigned char>& saida, std::string& erro)
{
    const json::Valor* segunda = v.Membro("second");
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
        const tolv::EstruturaDesc* esperada = tolv::SegundaRaizDe(d);
        if (!esperada)
            return e.Falha("second", std::string("a ") + d.nome + " document has no second root");
        if (d2 != esperada)
            return e.Falha("second.structure", std::string("expected \"") + esperada->nome + "\"");
        const json::Valor& el = *segunda->Membro("elements");
        if (!e.Tipo_(el, json::Valor::Tipo::Lista, "second.elements"))
            return false;
        n2 = el.itens.size();
        if (n2 > (SIZE_MAX - 1) / d2->tamanho)
            return e.Falha("second.elements", "too many elements for this address space");
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

} // namespace

} // namespace ferramenta
