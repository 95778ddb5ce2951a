// `tolvdata export json-schema`: a JSON Schema (draft 2020-12) of what
// `tolvdata dump --json` prints and `tolvdata pack` reads, for every
// structure the library registers.
#include <algorithm>
#include <cstring>
#include <string>

#include "tolvdata.h"
#include "tools/Exporta.h"
#include "tools/Json.h"

namespace ferramenta::exporta {

namespace {

using json::Aspas;

std::string Ref(const char* def) { return std::string("{\"$ref\": \"#/$defs/") + def + "\"}"; }

// n bytes as lowercase hex, no separators.
std::string HexDe(unsigned n)
{
    return "{\"type\": \"string\", \"pattern\": \"^([0-9a-f]{2}){" + std::to_string(n) + "}$\"}";
}

std::string Inteiro(const tolv::CampoDesc& c)
{
    bool s = c.tipo == tolv::Tipo::Inteiro;
    if (c.tamanho == 8)
        return Ref(s ? "int64" : "uint64");
    long long min = 0, max = 0;
    switch (c.tamanho) {
    case 1:
        min = s ? -128 : 0;
        max = s ? 127 : 255;
        break;
    case 2:
        min = s ? -32768 : 0;
        max = s ? 32767 : 65535;
        break;
    default: min = s ? -2147483648LL : 0; max = s ? 2147483647LL : 4294967295LL;
    }
    return "{\"type\": \"integer\", \"minimum\": " + std::to_string(min) + ", \"maximum\": " + std::to_string(max) +
           "}";
}

// A fixed text: its text up to the NUL, and any nonzero bytes after it as hex.
std::string TextoFixo(unsigned limite, unsigned tamanho)
{
    std::string texto = "{\"type\": \"string\", \"maxLength\": " + std::to_string(limite) + "}";
    return "{\"oneOf\": [" + texto + ", {\"type\": \"object\", \"properties\": {\"text\": " + texto +
           ", \"tail\": {\"type\": \"string\", \"pattern\": \"^([0-9a-f]{2}){1," + std::to_string(tamanho) +
           "}$\"}}, \"required\": [\"text\", \"tail\"], \"additionalProperties\": false}]}";
}

std::string Campo(const tolv::CampoDesc& c)
{
    switch (c.tipo) {
    case tolv::Tipo::Moeda: return Ref("currency");
    case tolv::Tipo::Data: return Ref("date-slot");
    case tolv::Tipo::Data4: return Ref("date");
    case tolv::Tipo::DataPS: return Ref("date-slot");
    case tolv::Tipo::DataHora: return Ref("date-time");
    case tolv::Tipo::Chave:
    case tolv::Tipo::ChavePS: return Ref("uint64");
    case tolv::Tipo::Posicao: return Ref("position");
    case tolv::Tipo::Inteiro:
    case tolv::Tipo::Natural: return Inteiro(c);
    case tolv::Tipo::Texto: return TextoFixo(c.capacidade, c.tamanho);
    case tolv::Tipo::TextoFixo: return TextoFixo(c.tamanho, c.tamanho);
    case tolv::Tipo::NFe:
    case tolv::Tipo::Reservado:
    case tolv::Tipo::Bloco: return HexDe(c.tamanho);
    case tolv::Tipo::Array:
        return "{\"oneOf\": [{\"type\": \"null\"}, " + Ref("address") +
               ", {\"type\": \"array\", \"items\": " + Ref(c.elemento ? c.elemento->nome : "?") + "}]}";
    case tolv::Tipo::TextoVar:
        return "{\"oneOf\": [{\"type\": \"null\"}, " + Ref("address") + ", " + Ref("variable-text") + "]}";
    }
    return "{}";
}

std::string Estrutura(const tolv::EstruturaDesc& d)
{
    std::string props, req;
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        props += std::string(i ? ",\n" : "\n") + "        " + Aspas(c.nome) + ": " + Campo(c);
        req += std::string(i ? ", " : "") + Aspas(c.nome);
    }
    return "{\n      \"description\": " + Aspas(std::string(d.nome) + ", " + std::to_string(d.tamanho) + " bytes") +
           ",\n      \"type\": \"object\",\n      \"properties\": {" + props + "\n      },\n      \"required\": [" +
           req + "],\n      \"additionalProperties\": false\n    }";
}

const char kValores[] = R"J(
    "currency": {"description": "currency: the amount with 4 decimal places", "type": "string", "pattern": "^-?[0-9]+\\.[0-9]{4}$"},
    "int64": {"type": "string", "pattern": "^-?[0-9]{1,19}$"},
    "uint64": {"type": "string", "pattern": "^[0-9]{1,20}$"},
    "iso": {"oneOf": [{"type": "null"}, {"type": "string", "pattern": "^[0-9]{4}-[0-9]{2}-[0-9]{2}(T[0-9]{2}:[0-9]{2}:[0-9]{2})?$"}]},
    "date": {"description": "4-byte date: its raw number, and the calendar date it reads as (null when none)", "type": "object", "properties": {"raw": {"type": "integer", "minimum": 0, "maximum": 4294967295}, "iso": {"$ref": "#/$defs/iso"}}, "required": ["raw", "iso"], "additionalProperties": false},
    "date-slot": {"description": "8-byte date slot: the date and the 4 bytes after it as hex", "type": "object", "properties": {"raw": {"type": "integer", "minimum": 0, "maximum": 4294967295}, "iso": {"$ref": "#/$defs/iso"}, "after": {"type": "string", "pattern": "^([0-9a-f]{2}){4}$"}}, "required": ["raw", "iso", "after"], "additionalProperties": false},
    "date-time": {"description": "8-byte date and time: its raw 64-bit number as a decimal string", "type": "object", "properties": {"raw": {"$ref": "#/$defs/uint64"}, "iso": {"$ref": "#/$defs/iso"}}, "required": ["raw", "iso"], "additionalProperties": false},
    "position": {"type": "object", "properties": {"PonteiroProduto": {"type": "integer", "minimum": -2147483648, "maximum": 2147483647}, "PonteiroItemGrade1": {"type": "integer", "minimum": 0, "maximum": 65535}, "PonteiroItemGrade2": {"type": "integer", "minimum": 0, "maximum": 65535}, "PonteiroItemGrade3": {"type": "integer", "minimum": 0, "maximum": 65535}, "Reservado": {"type": "string", "pattern": "^([0-9a-f]{2}){6}$"}}, "required": ["PonteiroProduto", "PonteiroItemGrade1", "PonteiroItemGrade2", "PonteiroItemGrade3", "Reservado"], "additionalProperties": false},
    "address": {"description": "a raw block's pointer, another process's address, shown and never followed", "type": "object", "properties": {"address": {"type": "string", "pattern": "^0x[0-9a-f]{8}$"}}, "required": ["address"], "additionalProperties": false},
    "variable-text": {"description": "a variable text without its NUL; bytes after the first NUL as hex", "oneOf": [{"type": "string"}, {"type": "object", "properties": {"text": {"type": "string"}, "tail": {"type": "string", "pattern": "^([0-9a-f]{2})+$"}}, "required": ["text", "tail"], "additionalProperties": false}]},)J";

} // namespace

bool EsquemaJson(const Catalogo& cat, std::vector<Arquivo>& saida, std::string&)
{
    unsigned n = 0;
    const tolv::EstruturaDesc* const* v = tolv::Estruturas(n);
    std::vector<const tolv::EstruturaDesc*> todas(v, v + n);
    std::sort(todas.begin(), todas.end(), [](auto* a, auto* b) { return std::strcmp(a->nome, b->nome) < 0; });
    todas.erase(std::unique(todas.begin(), todas.end()), todas.end());

    std::string nomes, regras;
    for (size_t i = 0; i < todas.size(); ++i) {
        const tolv::EstruturaDesc* d = todas[i];
        nomes += std::string(i ? ", " : "") + Aspas(d->nome);
        regras += std::string(i ? ",\n" : "\n") +
                  "    {\"if\": {\"type\": \"object\", \"properties\": {\"structure\": {\"const\": " + Aspas(d->nome) +
                  "}}}, \"then\": {\"type\": \"object\", \"properties\": {\"root\": " + Ref(d->nome);
        const tolv::EstruturaDesc* segunda = nullptr;
        for (const Documento& doc : cat.documentos)
            if (doc.dRaiz == d)
                segunda = doc.dSegunda;
        if (segunda)
            regras += ", \"second\": {\"type\": \"object\", \"properties\": {\"structure\": {\"const\": " +
                      Aspas(segunda->nome) + "}, \"elements\": {\"type\": \"array\", \"items\": " + Ref(segunda->nome) +
                      "}}}";
        else
            regras += ", \"second\": false";
        regras += "}}}";
    }

    std::string t = "{\n  \"$schema\": \"https://json-schema.org/draft/2020-12/schema\",\n";
    t += "  \"$comment\": " + Aspas(Procedencia("json-schema")) + ",\n";
    t += "  \"title\": \"tolvdata dump --json\",\n";
    t += "  \"description\": " +
         Aspas("A transfer structure as `tolvdata dump --json` prints it and `tolvdata pack` reads it: a raw block "
               "(pointers as addresses) or a whole-document file (nested arrays as lists). Texts are decoded from "
               "Windows-1252.") +
         ",\n";
    t += "  \"type\": \"object\",\n  \"properties\": {\n";
    t += "    \"format\": {\"const\": \"" + std::string(kFormatoJson) + "\"},\n";
    t += "    \"content\": {\"enum\": [\"block\", \"document\"]},\n";
    t += "    \"structure\": {\"enum\": [" + nomes + "]},\n";
    t += "    \"partial\": {\"type\": \"boolean\"},\n";
    t += "    \"root\": {\"type\": \"object\"},\n";
    t += "    \"second\": {\"type\": \"object\", \"properties\": {\"structure\": {\"type\": \"string\"}, "
         "\"elements\": {\"type\": \"array\"}}, \"required\": [\"structure\", \"elements\"], "
         "\"additionalProperties\": false}\n";
    t += "  },\n  \"required\": [\"format\", \"content\", \"structure\", \"root\"],\n";
    t += "  \"additionalProperties\": false,\n";
    t += "  \"allOf\": [" + regras + "\n  ],\n";
    t += "  \"$defs\": {";
    t += kValores;
    for (size_t i = 0; i < todas.size(); ++i)
        t += std::string("\n    ") + Aspas(todas[i]->nome) + ": " + Estrutura(*todas[i]) +
             (i + 1 < todas.size() ? "," : "");
    t += "\n  }\n}\n";
    saida.push_back({"tolvdata.schema.json", t});
    return true;
}

} // namespace ferramenta::exporta
