// `tolvdata export`: the compiled layout descriptions in the forms the other
// side of the interchange reads: a C header, Kaitai Struct declarations, a
// JSON Schema of `dump --json` and reference pages.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "tolvdata.h"
#include "tools/Comandos.h"
#include "tools/Exporta.h"

namespace ferramenta {

namespace exporta {

namespace {

struct Modelo {
    const char* codigo;
    const char* raiz;
    const char* descricao;
    const char* segunda;
    bool parcial;
};

// Every document with a file form, in the order of `road --doc list`.
const Modelo kDocumentos[] = {
    {"RE", "tagREG_ENTRADAPS", "entry register", nullptr, false},
    {"OC", "tagREG_ORDEMPS", "purchase order", nullptr, false},
    {"OCAutorizacao", "tagREG_LISTAAUTORIZACAO_COMPRAPS", "authorizations of a purchase order", nullptr, true},
    {"SC", "tagREG_SOLICITACAO_COMPRAPS", "purchase requisition", nullptr, false},
    {"CP", "tagREG_COTACAOPS", "price quotation", nullptr, false},
    {"CC", "tagREG_CM_CONTRATO_COMPRAPS", "purchase contract", nullptr, false},
    {"CC2", "tagREG_CONTRATO_COMPRAPS", "purchase contract, second generation", nullptr, false},
    {"CT", "tagREG_CONHECIMENTOPS", "freight bill", nullptr, false},
    {"EF", "_REG_ESCRITAFISCALPS", "fiscal-bookkeeping movement with the caller's ICMS rates", "_REG_ALIQUOTASICMSPS",
     false},
    {"ES", "_REG_ES_MOVIMENTOPS", "inventory movement", nullptr, false},
    {"OP", "tagREG_CM_OPERACAO_OPPS", "operation", nullptr, false},
    {"MestreAutorizacoes", "tagREG_CM_AUTORIZACOESMESTRE_LISTAPS", "authorization rules master list", nullptr, true},
    {"MestreRecebimento", "tagREG_CM_RECEBIMENTOMESTRE_LISTAPS", "receiving windows master list", nullptr, true},
    {"MestreLeiauteOC", "tagREG_CM_LEIAUTEOCMESTRE_LISTAPS", "purchase-order layouts master list", nullptr, true},
};

void Visita(const tolv::EstruturaDesc* d, std::vector<const tolv::EstruturaDesc*>& r)
{
    if (std::find(r.begin(), r.end(), d) != r.end())
        return;
    r.push_back(d);
    for (unsigned i = 0; i < d->nCampos; ++i)
        if (d->campos[i].tipo == tolv::Tipo::Array && d->campos[i].elemento)
            Visita(d->campos[i].elemento, r);
}

} // namespace

void Alcancadas(const tolv::EstruturaDesc* d, std::vector<const tolv::EstruturaDesc*>& r) { Visita(d, r); }

bool MontaCatalogo(Catalogo& c, std::string& erro)
{
    c = Catalogo{};
    std::map<const tolv::EstruturaDesc*, std::vector<Documento*>> donos;
    for (const Modelo& m : kDocumentos) {
        Documento& doc = c.documentos.emplace_back();
        doc.codigo = m.codigo;
        doc.raiz = m.raiz;
        doc.descricao = m.descricao;
        doc.segunda = m.segunda;
        doc.parcial = m.parcial;
        doc.dRaiz = tolv::EstruturaPorNome(doc.raiz);
        doc.dSegunda = doc.segunda ? tolv::EstruturaPorNome(doc.segunda) : nullptr;
        if (!doc.dRaiz || (doc.segunda && !doc.dSegunda)) {
            erro = std::string("the library registers no structure ") + (doc.dRaiz ? doc.segunda : doc.raiz);
            return false;
        }
    }
    for (Documento& doc : c.documentos) {
        std::vector<const tolv::EstruturaDesc*> r;
        Alcancadas(doc.dRaiz, r);
        if (doc.dSegunda)
            Alcancadas(doc.dSegunda, r);
        doc.proprias = r;
        for (auto* d : r)
            donos[d].push_back(&doc);
    }
    for (Documento& doc : c.documentos)
        doc.proprias.erase(std::remove_if(doc.proprias.begin(), doc.proprias.end(),
                                          [&](auto* d) { return donos[d].size() != 1; }),
                           doc.proprias.end());
    unsigned n = 0;
    const tolv::EstruturaDesc* const* todas = tolv::Estruturas(n);
    std::set<const tolv::EstruturaDesc*> vistas;
    for (unsigned i = 0; i < n; ++i)
        if (donos[todas[i]].size() != 1 && vistas.insert(todas[i]).second)
            c.comuns.push_back(todas[i]);
    std::sort(c.comuns.begin(), c.comuns.end(), [](auto* a, auto* b) { return std::strcmp(a->nome, b->nome) < 0; });
    return true;
}

std::vector<const Documento*> Catalogo::DocumentosDe(const tolv::EstruturaDesc* d) const
{
    std::vector<const Documento*> r;
    for (const Documento& doc : documentos) {
        std::vector<const tolv::EstruturaDesc*> a;
        Alcancadas(doc.dRaiz, a);
        if (doc.dSegunda)
            Alcancadas(doc.dSegunda, a);
        if (std::find(a.begin(), a.end(), d) != a.end())
            r.push_back(&doc);
    }
    return r;
}

const Documento* Catalogo::Dono(const tolv::EstruturaDesc* d) const
{
    for (const Documento& doc : documentos)
        if (std::find(doc.proprias.begin(), doc.proprias.end(), d) != doc.proprias.end())
            return &doc;
    return nullptr;
}

std::string Procedencia(const char* verbo)
{
    char b[256];
    std::snprintf(b, sizeof b,
                  "Generated by `tolvdata export %s` from tolvdata %s (whole-document file format %u, "
                  "JSON format %u). Do not edit.",
                  verbo, TOLVDATA_VERSION, kVersaoArquivo, kFormatoJson);
    return b;
}

std::string Cobra(const std::string& nome)
{
    std::string r;
    auto maiuscula = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    auto minuscula = [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; };
    auto digito = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    for (size_t i = 0; i < nome.size(); ++i) {
        char c = nome[i];
        if (c == '_') {
            if (!r.empty() && r.back() != '_')
                r += '_';
            continue;
        }
        if (maiuscula(c) && !r.empty() && r.back() != '_') {
            char antes = nome[i - 1];
            bool depoisMinuscula = i + 1 < nome.size() && minuscula(nome[i + 1]);
            if (minuscula(antes) || digito(antes) || (maiuscula(antes) && depoisMinuscula))
                r += '_';
        }
        r += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!r.empty() && r.back() == '_')
        r.pop_back();
    return r;
}

std::string Acessores(const tolv::CampoDesc& c)
{
    switch (c.acesso) {
    case tolv::Acesso::RW: return std::string("Get") + c.nome + ", Set" + c.nome;
    case tolv::Acesso::RO: return std::string("Get") + c.nome;
    case tolv::Acesso::NO: break;
    }
    return "";
}

} // namespace exporta

namespace {

void UsoExporta(std::FILE* f)
{
    std::fprintf(f, "usage: tolvdata export c-header [-o FILE]\n"
                    "       tolvdata export ksy [-o DIR]\n"
                    "       tolvdata export json-schema [-o FILE]\n"
                    "       tolvdata export markdown [-o DIR]\n");
}

} // namespace

int Exporta(const Args& args)
{
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        UsoExporta(stdout);
        std::printf("Writes the transfer layouts, as the library's compiled descriptions give them, for\n"
                    "peers in other languages:\n"
                    "  c-header     one C11 header: packed structs prefixed tolv_, 32-bit pointers as\n"
                    "               uint32_t, a static assertion on every size and offset\n"
                    "  ksy          a Kaitai Struct declaration per document of the whole-document file,\n"
                    "               and tolv_comum.ksy with the shared types\n"
                    "  json-schema  a JSON Schema of what `dump --json` prints and `pack` reads\n"
                    "  markdown     a reference page per document, and an index (README.md)\n"
                    "Single files go to standard output without -o; DIR defaults to the current\n"
                    "directory. The output is the same, byte for byte, on every run.\n");
        return 0;
    }
    std::string tipo, saida;
    bool temSaida = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "tolvdata: export: -o needs a file or directory\n");
                UsoExporta(stderr);
                return 2;
            }
            saida = args[++i];
            temSaida = true;
        } else if (tipo.empty() && args[i].rfind("-", 0) != 0) {
            tipo = args[i];
        } else {
            std::fprintf(stderr, "tolvdata: export: unexpected argument %s\n", args[i].c_str());
            UsoExporta(stderr);
            return 2;
        }
    }
    bool (*gera)(const exporta::Catalogo&, std::vector<exporta::Arquivo>&, std::string&) = nullptr;
    bool diretorio = false;
    if (tipo == "c-header") {
        gera = exporta::CabecalhoC;
    } else if (tipo == "ksy") {
        gera = exporta::Kaitai;
        diretorio = true;
    } else if (tipo == "json-schema") {
        gera = exporta::EsquemaJson;
    } else if (tipo == "markdown") {
        gera = exporta::Markdown;
        diretorio = true;
    } else {
        std::fprintf(stderr, "tolvdata: export: %s%s\n", tipo.empty() ? "which export? " : "unknown export ",
                     tipo.c_str());
        UsoExporta(stderr);
        return 2;
    }
    exporta::Catalogo cat;
    std::vector<exporta::Arquivo> arquivos;
    std::string erro;
    if (!exporta::MontaCatalogo(cat, erro) || !gera(cat, arquivos, erro)) {
        std::fprintf(stderr, "tolvdata: export %s: %s\n", tipo.c_str(), erro.c_str());
        return 1;
    }
    if (!diretorio && (!temSaida || saida == "-")) {
        std::fwrite(arquivos[0].texto.data(), 1, arquivos[0].texto.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    namespace fs = std::filesystem;
    fs::path base = diretorio ? fs::path(temSaida ? saida : ".") : fs::path();
    std::error_code ec;
    if (diretorio && !fs::is_directory(base) && !fs::create_directories(base, ec)) {
        std::fprintf(stderr, "tolvdata: export %s: cannot create %s: %s\n", tipo.c_str(), base.string().c_str(),
                     ec.message().c_str());
        return 1;
    }
    for (const exporta::Arquivo& a : arquivos) {
        fs::path p = diretorio ? base / a.nome : fs::path(saida);
        std::ofstream f(p, std::ios::binary | std::ios::trunc);
        f.write(a.texto.data(), static_cast<std::streamsize>(a.texto.size()));
        f.close();
        if (!f) {
            std::fprintf(stderr, "tolvdata: export %s: cannot write %s\n", tipo.c_str(), p.string().c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace ferramenta
