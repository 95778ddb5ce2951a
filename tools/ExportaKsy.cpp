// `tolvdata export ksy`: Kaitai Struct declarations of the whole-document
// file, one per document and one (tolv_comum) for the shared types.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>

#include "tolvdata.h"
#include "tools/Exporta.h"

namespace ferramenta::exporta {

namespace {

const char kComum[] = "tolv_comum";

std::string Aspas(const std::string& s)
{
    std::string r = "'";
    for (char c : s)
        r += c == '\'' ? std::string("''") : std::string(1, c);
    return r + "'";
}

std::string Id(const Documento& doc) { return "tolv_" + Cobra(doc.codigo); }

// The value types every document uses, in tolv_comum.
const char kTiposValor[] = R"(  date:
    doc: 4-byte date, opaque
    seq:
      - id: raw
        type: u4
  date_slot:
    doc: 8-byte date slot, the date and 4 bytes that the setters zero
    seq:
      - id: date
        type: date
      - id: zero
        size: 4
  date_ps:
    doc: 8-byte date slot taken whole
    seq:
      - id: date
        type: date
      - id: rest
        size: 4
  date_time:
    doc: date and time with time-zone reference, opaque
    seq:
      - id: raw
        size: 8
  key:
    doc: 8-byte record key, a 64-bit number; bits 14 to 45 the number, bits 46 to 61 a 16-bit part
    seq:
      - id: lo
        type: u4
      - id: hi
        type: u4
    instances:
      number:
        value: lo / 16384 + (hi % 16384) * 262144
      part16_raw:
        value: (hi / 16384) % 65536
      part16:
        value: 'part16_raw >= 1 and part16_raw <= 34440 ? part16_raw : 0'
  nfe_id:
    doc: electronic-document identification block, opaque
    seq:
      - id: raw
        size: 24
  position:
    doc: product position, product key and three grade items
    seq:
      - id: ponteiro_produto
        type: s4
      - id: ponteiro_item_grade1
        type: u2
      - id: ponteiro_item_grade2
        type: u2
      - id: ponteiro_item_grade3
        type: u2
      - id: reservado
        size: 6
)";

class Gerador {
public:
    Gerador(const Catalogo& cat, const Documento* doc) : m_cat(cat), m_doc(doc) {}

    // A type name as seen from the file being written.
    std::string Tipo(const tolv::EstruturaDesc* d) const
    {
        const Documento* dono = m_cat.Dono(d);
        std::string id = Cobra(d->nome);
        if (dono == m_doc)
            return id;
        return (dono ? Id(*dono) : std::string(kComum)) + "::" + id;
    }
    std::string Valor(const char* tipo) const { return m_doc ? std::string(kComum) + "::" + tipo : tipo; }

    bool Estrutura(const tolv::EstruturaDesc& d, std::string& t, std::string& erro) const
    {
        std::string seq, inst;
        std::set<std::string> ids, doSeq;
        for (unsigned i = 0; i < d.nCampos; ++i)
            doSeq.insert(Cobra(d.campos[i].nome));
        auto novo = [&](const std::string& id, const char* nome) {
            if (!ids.insert(id).second) {
                erro = std::string(d.nome) + "." + nome + ": its id " + id + " is taken by another field";
                return false;
            }
            return true;
        };
        for (unsigned i = 0; i < d.nCampos; ++i) {
            const tolv::CampoDesc& c = d.campos[i];
            std::string id = Cobra(c.nome);
            if (id.empty() || !std::isalpha(static_cast<unsigned char>(id[0])) || !novo(id, c.nome)) {
                if (erro.empty())
                    erro = std::string(d.nome) + "." + c.nome + " gives no valid id";
                return false;
            }
            std::string doc = c.nome;
            seq += "      - id: " + id + "\n";
            switch (c.tipo) {
            case tolv::Tipo::Moeda:
                seq += "        type: s8\n";
                doc += ", currency: the amount times 10,000";
                break;
            case tolv::Tipo::Data: seq += "        type: " + Valor("date_slot") + "\n"; break;
            case tolv::Tipo::Data4: seq += "        type: " + Valor("date") + "\n"; break;
            case tolv::Tipo::DataPS: seq += "        type: " + Valor("date_ps") + "\n"; break;
            case tolv::Tipo::DataHora: seq += "        type: " + Valor("date_time") + "\n"; break;
            case tolv::Tipo::Chave:
            case tolv::Tipo::ChavePS: seq += "        type: " + Valor("key") + "\n"; break;
            case tolv::Tipo::NFe: seq += "        type: " + Valor("nfe_id") + "\n"; break;
            case tolv::Tipo::Posicao: seq += "        type: " + Valor("position") + "\n"; break;
            case tolv::Tipo::Inteiro:
            case tolv::Tipo::Natural:
                seq += std::string("        type: ") + (c.tipo == tolv::Tipo::Inteiro ? "s" : "u") +
                       std::to_string(c.tamanho) + "\n";
                break;
            case tolv::Tipo::Texto:
            case tolv::Tipo::TextoFixo:
                seq += "        type: strz\n        size: " + std::to_string(c.tamanho) + "\n";
                doc += c.tipo == tolv::Tipo::Texto ? ", text and its NUL" : ", text with no NUL when full";
                break;
            case tolv::Tipo::Reservado:
                seq += "        size: " + std::to_string(c.tamanho) + "\n";
                doc += ", reserved";
                break;
            case tolv::Tipo::Bloco:
                seq += "        size: " + std::to_string(c.tamanho) + "\n";
                doc += std::string(", ") + c.tipoC + " taken whole";
                break;
            case tolv::Tipo::Array:
            case tolv::Tipo::TextoVar: {
                seq += "        type: u4\n";
                doc += ", file offset of the block, 0 for none";
                if (!c.contagem) {
                    erro = std::string(d.nome) + "." + c.nome + " names no count";
                    return false;
                }
                // The pointer's name without its p_; a field of that name
                // already there gives <name>_items or <name>_text.
                std::string alvo = id.rfind("p_", 0) == 0 ? id.substr(2) : id;
                if (alvo == id || doSeq.count(alvo))
                    alvo += c.tipo == tolv::Tipo::Array ? "_items" : "_text";
                std::string qtd = Cobra(c.contagem);
                inst += "      " + alvo + ":\n";
                inst += "        -orig-id: " + std::string(c.nome) + "\n";
                inst += "        doc: " +
                        Aspas(std::string(c.tipo == tolv::Tipo::Array ? "the elements of " : "the text of ") + c.nome +
                              ", " + c.contagem + (c.tipo == tolv::Tipo::Array ? " of them" : " bytes")) +
                        "\n";
                inst += "        io: _root._io\n        pos: " + id + "\n";
                if (c.tipo == tolv::Tipo::Array) {
                    inst += "        type: " + Tipo(c.elemento) + "\n";
                    inst += "        repeat: expr\n        repeat-expr: " + qtd + "\n";
                } else {
                    inst += "        type: strz\n        size: " + qtd + "\n";
                }
                std::string se = id;
                se.append(" != 0 and ").append(qtd).append(" > 0");
                inst.append("        if: ").append(Aspas(se)).append("\n");
                m_alvos.push_back(alvo);
                break;
            }
            }
            seq += "        -orig-id: " + std::string(c.nome) + "\n        doc: " + Aspas(doc) + "\n";
        }
        for (const std::string& a : m_alvos)
            if (!novo(a, a.c_str()))
                return false;
        m_alvos.clear();
        t += "  " + Cobra(d.nome) + ":\n";
        t += "    -orig-id: " + std::string(d.nome) + "\n";
        t += "    doc: " + Aspas(std::string(d.nome) + ", " + std::to_string(d.tamanho) + " bytes") + "\n";
        t += "    seq:\n" + seq;
        if (!inst.empty())
            t += "    instances:\n" + inst;
        return true;
    }

private:
    const Catalogo& m_cat;
    const Documento* m_doc;
    mutable std::vector<std::string> m_alvos;
};

std::string Inicio(const std::string& id, const std::string& titulo, const std::vector<std::string>& importa)
{
    std::string t = "# " + Procedencia("ksy") + "\nmeta:\n  id: " + id + "\n  title: " + Aspas(titulo) + "\n";
    t += std::string("  ks-version: '0.10'\n  endian: le\n  encoding: windows-1252\n");
    if (!importa.empty()) {
        t += "  imports:\n";
        for (const std::string& i : importa)
            t += "    - " + i + "\n";
    }
    return t;
}

} // namespace

bool Kaitai(const Catalogo& cat, std::vector<Arquivo>& saida, std::string& erro)
{
    std::map<std::string, const tolv::EstruturaDesc*> tipos;
    unsigned n = 0;
    const tolv::EstruturaDesc* const* todas = tolv::Estruturas(n);
    for (unsigned i = 0; i < n; ++i) {
        std::string id = Cobra(todas[i]->nome);
        if (!tipos.emplace(id, todas[i]).second && tipos[id] != todas[i]) {
            erro = std::string(todas[i]->nome) + ": its type id " + id + " is taken by another structure";
            return false;
        }
    }

    std::string t = Inicio(kComum, "tolvdata: the types the documents share", {});
    t += "doc: |\n  The value types of the transfer structures and the structures that more than\n"
         "  one document holds. Every structure is read from the file's own stream: its\n"
         "  nested arrays follow the file offsets of the whole-document file.\n  " +
         Procedencia("ksy") + "\n";
    t += "types:\n";
    t += kTiposValor;
    Gerador comum(cat, nullptr);
    for (auto* d : cat.comuns)
        if (!comum.Estrutura(*d, t, erro))
            return false;
    saida.push_back({std::string(kComum) + ".ksy", t});

    for (const Documento& doc : cat.documentos) {
        Gerador g(cat, &doc);
        std::vector<std::string> importa{kComum};
        for (auto* d : doc.proprias)
            for (unsigned i = 0; i < d->nCampos; ++i) {
                const tolv::EstruturaDesc* e = d->campos[i].elemento;
                const Documento* outro = e ? cat.Dono(e) : nullptr;
                if (outro && outro != &doc && std::find(importa.begin(), importa.end(), Id(*outro)) == importa.end())
                    importa.push_back(Id(*outro));
            }
        std::string t = Inicio(Id(doc), std::string("tolvdata ") + doc.codigo + ": " + doc.descricao, importa);
        t += "doc: |\n  A whole-document file of " + std::string(doc.codigo) + " (" + doc.descricao +
             "): a 32-byte header, then the\n  root block " + doc.raiz +
             " and every block it reaches, each at an 8-byte-aligned\n"
             "  offset; each pointer field holds the file offset of its block, 0 for none.\n"
             "  Written by `tolvdata road --doc " +
             doc.codigo + " --save FILE`.\n  " + Procedencia("ksy") + "\n";
        if (doc.parcial)
            t += "  The root is the part of the caller's structure that the library knows.\n";
        t += "seq:\n"
             "  - id: magic\n    contents: [0x54, 0x4f, 0x4c, 0x56, 0x44, 0x4f, 0x43, 0x00]\n"
             "  - id: version\n    type: u4\n    valid: " +
             std::to_string(kVersaoArquivo) +
             "\n"
             "  - id: ofs_root\n    type: u4\n"
             "  - id: file_size\n    type: u4\n"
             "  - id: ofs_root_name\n    type: u4\n"
             "  - id: ofs_second_root\n    type: u4\n"
             "  - id: num_second_root\n    type: u4\n"
             "instances:\n"
             "  root_name:\n    pos: ofs_root_name\n    type: strz\n    encoding: ASCII\n"
             "  root:\n    pos: ofs_root\n    type: " +
             g.Tipo(doc.dRaiz) + "\n";
        if (doc.dSegunda)
            t += "  second_root:\n    doc: the caller's array beside the root\n    pos: ofs_second_root\n"
                 "    type: " +
                 g.Tipo(doc.dSegunda) +
                 "\n    repeat: expr\n    repeat-expr: num_second_root\n"
                 "    if: ofs_second_root != 0 and num_second_root > 0\n";
        t += "types:\n";
        for (auto* d : doc.proprias)
            if (!g.Estrutura(*d, t, erro))
                return false;
        saida.push_back({Id(doc) + ".ksy", t});
    }
    return true;
}

} // namespace ferramenta::exporta
