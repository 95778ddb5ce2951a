// `tolvdata export c-header`: every transfer structure as a packed C struct,
// with a static assertion on every size and field offset.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/Exporta.h"

namespace ferramenta::exporta {

namespace {

std::string Formata(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Formata(const char* fmt, ...)
{
    va_list ap, ap2;
    va_start(ap, fmt);
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string r(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    std::vsnprintf(r.data(), r.size() + 1, fmt, ap2);
    va_end(ap2);
    return r;
}

const char* Inteiro(const tolv::CampoDesc& c)
{
    bool s = c.tipo == tolv::Tipo::Inteiro;
    switch (c.tamanho) {
    case 1: return s ? "int8_t" : "uint8_t";
    case 2: return s ? "int16_t" : "uint16_t";
    case 4: return s ? "int32_t" : "uint32_t";
    default: return s ? "int64_t" : "uint64_t";
    }
}

// The declaration of one field and its comment.
bool Campo(const tolv::CampoDesc& c, std::string& decl, std::string& nota, std::string& erro)
{
    const char* nome = c.nome;
    switch (c.tipo) {
    case tolv::Tipo::Moeda:
        decl = Formata("int64_t %s;", nome);
        nota = "currency x 10,000";
        break;
    case tolv::Tipo::Data: decl = Formata("tolv_date_slot %s;", nome); break;
    case tolv::Tipo::Data4: decl = Formata("tolv_date %s;", nome); break;
    case tolv::Tipo::DataPS: decl = Formata("tolv_date_ps %s;", nome); break;
    case tolv::Tipo::DataHora: decl = Formata("tolv_date_time %s;", nome); break;
    case tolv::Tipo::Chave: decl = Formata("tolv_key %s;", nome); break;
    case tolv::Tipo::ChavePS: decl = Formata("tolv_key_ps %s;", nome); break;
    case tolv::Tipo::NFe: decl = Formata("tolv_nfe_id %s;", nome); break;
    case tolv::Tipo::Posicao: decl = Formata("tolv_position %s;", nome); break;
    case tolv::Tipo::Inteiro:
    case tolv::Tipo::Natural: decl = Formata("%s %s;", Inteiro(c), nome); break;
    case tolv::Tipo::Texto:
        decl = Formata("char %s[%u];", nome, c.tamanho);
        nota = Formata("text of up to %u bytes and its NUL, Windows-1252", c.capacidade);
        break;
    case tolv::Tipo::TextoFixo:
        decl = Formata("char %s[%u];", nome, c.tamanho);
        nota = Formata("text of %u bytes, no NUL when full, Windows-1252", c.capacidade);
        break;
    case tolv::Tipo::Reservado:
        decl = Formata("uint8_t %s[%u];", nome, c.tamanho);
        nota = "reserved: travels unchanged";
        break;
    case tolv::Tipo::Bloco:
        decl = Formata("uint8_t %s[%u];", nome, c.tamanho);
        nota = Formata("%s, taken whole", c.tipoC);
        break;
    case tolv::Tipo::Array:
        if (!c.elemento || !c.contagem) {
            erro = std::string("array ") + nome + " names no element or count";
            return false;
        }
        decl = Formata("uint32_t %s;", nome);
        nota = Formata("-> tolv_%s[%s]", c.elemento->nome, c.contagem);
        break;
    case tolv::Tipo::TextoVar:
        decl = Formata("uint32_t %s;", nome);
        nota = Formata("-> char[%s], its NUL included, Windows-1252", c.contagem ? c.contagem : "?");
        break;
    }
    return true;
}

bool Estrutura(const tolv::EstruturaDesc& d, const char* onde, std::string& corpo, std::string& checagens,
               std::string& erro)
{
    corpo += Formata("\n/* %s: %u bytes; %s. */\n", d.nome, d.tamanho, onde);
    corpo += Formata("typedef struct tolv_%s {\n", d.nome);
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        std::string decl, nota;
        if (!Campo(c, decl, nota, erro)) {
            erro.insert(0, ": ").insert(0, d.nome);
            return false;
        }
        std::string linha = Formata("    %-40s /* %4u", decl.c_str(), c.offset);
        if (!nota.empty())
            linha += " " + nota;
        corpo += linha + " */\n";
        checagens += Formata("TOLV_LAYOUTS_ASSERT(offsetof(tolv_%s, %s) == %u, \"offset of %s.%s\");\n", d.nome, c.nome,
                             c.offset, d.nome, c.nome);
    }
    corpo += Formata("} tolv_%s;\n", d.nome);
    checagens += Formata("TOLV_LAYOUTS_ASSERT(sizeof(tolv_%s) == %u, \"size of %s\");\n", d.nome, d.tamanho, d.nome);
    return true;
}

const char kPrologo[] = R"(#ifndef TOLVDATA_LAYOUTS_H
#define TOLVDATA_LAYOUTS_H

#include <stddef.h>
#include <stdint.h>

#define TOLV_LAYOUTS_LIBRARY_VERSION "%s"
/* The whole-document file: a 32-byte header, then the root block and every
   block it reaches, each at an 8-byte-aligned offset; each pointer field holds
   the file offset of its block, 0 for a null pointer. All little-endian. */
#define TOLV_LAYOUTS_FILE_FORMAT %u
#define TOLV_LAYOUTS_FILE_MAGIC "TOLVDOC" /* and a NUL: 8 bytes */
/* The `format` of the JSON that `tolvdata dump --json` prints. */
#define TOLV_LAYOUTS_JSON_FORMAT "%s"

#if defined(__cplusplus)
#define TOLV_LAYOUTS_ASSERT(e, m) static_assert(e, m)
#else
#define TOLV_LAYOUTS_ASSERT(e, m) _Static_assert(e, m)
#endif

#pragma pack(push, 1)

typedef struct tolv_file_header {
    char magic[8];           /*  0 "TOLVDOC" and a NUL */
    uint32_t version;        /*  8 TOLV_LAYOUTS_FILE_FORMAT */
    uint32_t root;           /* 12 offset of the root block */
    uint32_t size;           /* 16 size of the file */
    uint32_t root_name;      /* 20 offset of the root structure's name, ASCII and a NUL */
    uint32_t second_root;    /* 24 offset of the second root array, 0 if none */
    uint32_t second_count;   /* 28 its count */
} tolv_file_header;

/* 4-byte date, opaque. */
typedef struct tolv_date {
    uint8_t bytes[4];
} tolv_date;
/* 8-byte date slot: the date and 4 bytes that the setters zero. */
typedef struct tolv_date_slot {
    tolv_date date;
    uint8_t zero[4];
} tolv_date_slot;
/* 8-byte date slot taken whole. */
typedef struct tolv_date_ps {
    uint8_t bytes[8];
} tolv_date_ps;
/* Date and time with time-zone reference, opaque. */
typedef struct tolv_date_time {
    uint8_t bytes[8];
} tolv_date_time;
/* 8-byte record key, a 64-bit little-endian number: bits 14 to 45 the
   number, bits 46 to 61 a 16-bit part (0 unless between 1 and 34440). */
typedef struct tolv_key {
    uint8_t bytes[8];
} tolv_key;
typedef tolv_key tolv_key_ps;
/* Electronic-document identification block, opaque. */
typedef struct tolv_nfe_id {
    uint8_t bytes[24];
} tolv_nfe_id;
/* Product position: product key and three grade items. */
typedef struct tolv_position {
    int32_t PonteiroProduto;
    uint16_t PonteiroItemGrade1;
    uint16_t PonteiroItemGrade2;
    uint16_t PonteiroItemGrade3;
    uint8_t Reservado[6];
} tolv_position;

static inline uint64_t tolv_key_bits(const tolv_key* k)
{
    uint64_t v = 0;
    int i;
    for (i = 7; i >= 0; --i)
        v = (v << 8) | k->bytes[i];
    return v;
}
static inline uint32_t tolv_key_number(const tolv_key* k) { return (uint32_t)(tolv_key_bits(k) >> 14); }
static inline uint16_t tolv_key_part16(const tolv_key* k)
{
    uint32_t v = (uint32_t)(tolv_key_bits(k) >> 46) & 0xFFFFu;
    return (uint16_t)(v >= 1 && v <= 34440 ? v : 0);
}
)";

const char kTiposChecados[] = R"(
TOLV_LAYOUTS_ASSERT(sizeof(tolv_file_header) == 32, "size of the file header");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_date) == 4, "size of tolv_date");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_date_slot) == 8, "size of tolv_date_slot");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_date_ps) == 8, "size of tolv_date_ps");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_date_time) == 8, "size of tolv_date_time");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_key) == 8, "size of tolv_key");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_nfe_id) == 24, "size of tolv_nfe_id");
TOLV_LAYOUTS_ASSERT(sizeof(tolv_position) == 16, "size of tolv_position");
)";

} // namespace

bool CabecalhoC(const Catalogo& cat, std::vector<Arquivo>& saida, std::string& erro)
{
    std::string t = "/* tolvdata_layouts.h: the transfer structures of tolvdata, for C and for\n"
                    "   readers of captured images on any architecture (pointers are their 32-bit\n"
                    "   slots, uint32_t).\n   " +
                    Procedencia("c-header") + " */\n";
    t += Formata(kPrologo, TOLVDATA_VERSION, kVersaoArquivo, kFormatoJson);
    std::string checagens = kTiposChecados;
    t += "\n/* --- Shared by several documents ---------------------------------------- */\n";
    for (auto* d : cat.comuns) {
        std::string onde;
        for (auto* doc : cat.DocumentosDe(d))
            onde += std::string(onde.empty() ? "" : ", ") + doc->codigo;
        if (onde.empty())
            onde = "outside the nested arrays of the documents";
        else
            onde.insert(0, "in ");
        if (!Estrutura(*d, onde.c_str(), t, checagens, erro))
            return false;
    }
    for (const Documento& doc : cat.documentos) {
        t += Formata("\n/* --- %s: %s -", doc.codigo, doc.descricao);
        t += std::string(doc.codigo[0] && 60 > std::strlen(doc.codigo) + std::strlen(doc.descricao)
                             ? 60 - std::strlen(doc.codigo) - std::strlen(doc.descricao)
                             : 1,
                         '-') +
             " */\n";
        for (auto* d : doc.proprias) {
            std::string onde = d == doc.dRaiz ? std::string("root of ") + doc.codigo : std::string("in ") + doc.codigo;
            if (d == doc.dRaiz && doc.parcial)
                onde += ", the part the library knows: the caller's structure may be longer";
            if (d == doc.dSegunda)
                onde = std::string("second root of ") + doc.codigo + ", an array the caller owns";
            if (!Estrutura(*d, onde.c_str(), t, checagens, erro))
                return false;
        }
    }
    t += "\n#pragma pack(pop)\n" + checagens + "\n#endif /* TOLVDATA_LAYOUTS_H */\n";
    saida.push_back({"tolvdata_layouts.h", t});
    return true;
}

} // namespace ferramenta::exporta
