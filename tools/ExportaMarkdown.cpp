// `tolvdata export markdown`: a reference page per document, one for the
// structures the documents share, and an index.
#include <algorithm>
#include <cstring>
#include <string>

#include "tolvdata.h"
#include "tools/Exporta.h"

namespace ferramenta::exporta {

namespace {

const char kComum[] = "comum";

std::string Pagina(const Catalogo& cat, const tolv::EstruturaDesc* d)
{
    const Documento* dono = cat.Dono(d);
    return std::string(dono ? dono->codigo : kComum) + ".md";
}

// A link to a structure's section, from the page `aqui`.
std::string Link(const Catalogo& cat, const tolv::EstruturaDesc* d, const std::string& aqui)
{
    std::string pagina = Pagina(cat, d);
    std::string ancora = d->nome;
    std::transform(ancora.begin(), ancora.end(), ancora.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "[`" + std::string(d->nome) + "`](" + (pagina == aqui ? "" : pagina) + "#" + ancora + ")";
}

std::string Nota(const Catalogo& cat, const tolv::CampoDesc& c, const std::string& aqui)
{
    switch (c.tipo) {
    case tolv::Tipo::Moeda: return "amount x 10,000";
    case tolv::Tipo::Texto: return std::to_string(c.capacidade) + " bytes and a NUL";
    case tolv::Tipo::TextoFixo: return std::to_string(c.capacidade) + " bytes, no NUL when full";
    case tolv::Tipo::Bloco: return std::string("`") + c.tipoC + "`, taken whole";
    case tolv::Tipo::Reservado: return "travels unchanged";
    case tolv::Tipo::Array:
        return "→ " + (c.elemento ? Link(cat, c.elemento, aqui) : std::string("?")) + "[`" +
               (c.contagem ? c.contagem : "?") + "`]";
    case tolv::Tipo::TextoVar:
        return std::string("→ text of `") + (c.contagem ? c.contagem : "?") + "` bytes, its NUL included";
    default: return "";
    }
}

// The structures whose nested arrays hold d, as links.
std::string Origens(const Catalogo& cat, const tolv::EstruturaDesc* d, const std::string& aqui)
{
    unsigned n = 0;
    const tolv::EstruturaDesc* const* todas = tolv::Estruturas(n);
    std::vector<std::string> r;
    for (unsigned i = 0; i < n; ++i)
        for (unsigned k = 0; k < todas[i]->nCampos; ++k)
            if (todas[i]->campos[k].tipo == tolv::Tipo::Array && todas[i]->campos[k].elemento == d)
                r.push_back(Link(cat, todas[i], aqui) + ".`" + todas[i]->campos[k].nome + "`");
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    std::string s;
    for (const std::string& x : r)
        s += (s.empty() ? "" : ", ") + x;
    return s;
}

void Secao(const Catalogo& cat, const tolv::EstruturaDesc* d, const std::string& aqui, const std::string& papel,
           std::string& t)
{
    t += "\n## " + std::string(d->nome) + "\n\n" + std::to_string(d->tamanho) + " bytes";
    if (!papel.empty())
        t += "; " + papel;
    std::string origens = Origens(cat, d, aqui);
    if (!origens.empty())
        t += ". Elements of " + origens;
    std::string classes;
    for (const char* c : ClassesDe(d))
        classes += (classes.empty() ? "`" : ", `") + std::string(c) + "`";
    if (!classes.empty())
        t += ". Converted by " + classes;
    t += ".\n\n| offset | size | kind | field | accessors | notes |\n|---:|---:|---|---|---|---|\n";
    for (unsigned i = 0; i < d->nCampos; ++i) {
        const tolv::CampoDesc& c = d->campos[i];
        std::string acc = Acessores(*d, i);
        if (!acc.empty()) {
            std::string a = "`";
            for (char ch : acc)
                a += ch == ',' ? std::string("`,") : ch == ' ' ? std::string(" `") : std::string(1, ch);
            acc = a + "`";
        }
        t += "| " + std::to_string(c.offset) + " | " + std::to_string(c.tamanho) + " | " + tolv::NomeTipo(c.tipo) +
             " | `" + c.nome + "` | " + acc + " | " + Nota(cat, c, aqui) + " |\n";
    }
}

const char kGuia[] = R"(Kinds: `currency` is a signed 64-bit amount scaled by 10,000; `date` a 4-byte
date, `date-slot` that date and 4 bytes the setters zero, `date-ps` the 8-byte
slot taken whole, `date-time` an 8-byte date and time; `key` and `key-ps` 8-byte
record keys (a 64-bit number: bits 14 to 45 the number, bits 46 to 61 a 16-bit
part); `position` a product key (32-bit) and three 16-bit grade items in 16
bytes; `nfe-id` a 24-byte document identification; `text` N bytes and a NUL,
`text-fixed` N bytes with no NUL when full, both Windows-1252; `array` and
`text-pointer` 32-bit pointers to a nested array or text, whose count or length
field the notes name (in a whole-document file, the block's file offset).
All values are little-endian.
)";

} // namespace

bool Markdown(const Catalogo& cat, std::vector<Arquivo>& saida, std::string&)
{
    std::string proc = Procedencia("markdown");
    std::string indice = "# Transfer layouts of tolvdata\n\n" + proc +
                         "\n\nOne page per document: its structures, each with the offset, size, kind, "
                         "field and accessor names of every field, nested arrays linked to their element "
                         "structures. The same descriptions give the C header (`tolvdata export c-header`), "
                         "the Kaitai Struct declarations (`tolvdata export ksy`) and the JSON Schema of "
                         "`dump --json` (`tolvdata export json-schema`).\n\n"
                         "| document | root structure | size | structures | |\n|---|---|---:|---:|---|\n";
    for (const Documento& doc : cat.documentos) {
        std::string aqui = std::string(doc.codigo) + ".md";
        indice += "| [" + std::string(doc.codigo) + "](" + aqui + ") | `" + doc.raiz + "` | " +
                  std::to_string(doc.dRaiz->tamanho) + " | " + std::to_string(doc.proprias.size()) + " | " +
                  doc.descricao + (doc.parcial ? " (partial root)" : "") + " |\n";

        std::string t = "# " + std::string(doc.codigo) + ": " + doc.descricao + "\n\n" + proc + "\n\n";
        t += "Root structure: " + Link(cat, doc.dRaiz, aqui) + ", " + std::to_string(doc.dRaiz->tamanho) + " bytes";
        if (doc.parcial)
            t += ", the part of the caller's structure that the library knows (the rest is the caller's)";
        t += ".";
        if (doc.dSegunda)
            t += " Second root: an array of " + Link(cat, doc.dSegunda, aqui) +
                 " that the caller owns, at bytes 24 to 31 of the file header.";
        std::string classes;
        for (auto* d : doc.proprias)
            for (const char* c : ClassesDe(d))
                if (classes.find(std::string("`") + c + "`") == std::string::npos)
                    classes += (classes.empty() ? "`" : ", `") + std::string(c) + "`";
        if (!classes.empty())
            t += " Classes: " + classes + ".";
        t += " A whole-document file of it: `tolvdata road --doc " + std::string(doc.codigo) +
             " --save FILE`. Structures shared with other documents are in [the shared page](comum.md).\n";
        for (auto* d : doc.proprias) {
            std::string papel = d == doc.dRaiz ? "the root" : d == doc.dSegunda ? "the second root" : "";
            Secao(cat, d, aqui, papel, t);
        }
        t += "\n" + std::string(kGuia);
        saida.push_back({aqui, t});
    }
    indice += "| [shared](comum.md) | | | " + std::to_string(cat.comuns.size()) +
              " | structures in more than one document, or outside their nested arrays |\n\n" + kGuia;

    std::string aqui = std::string(kComum) + ".md";
    std::string t = "# Shared structures\n\n" + proc +
                    "\n\nStructures that more than one document holds, and those that lie "
                    "outside the nested arrays of the documents.\n";
    for (auto* d : cat.comuns) {
        std::string em;
        for (auto* doc : cat.DocumentosDe(d))
            em += (em.empty() ? "in " : ", ") + std::string("[") + doc->codigo + "](" + doc->codigo + ".md)";
        Secao(cat, d, aqui, em.empty() ? "outside the nested arrays of the documents" : em, t);
    }
    t += "\n" + std::string(kGuia);
    saida.push_back({aqui, t});
    saida.push_back({"README.md", indice});
    return true;
}

} // namespace ferramenta::exporta
