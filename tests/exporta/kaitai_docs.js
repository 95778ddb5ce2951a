// The parsers compiled from the exported .ksy files read every whole-document
// file in --docs (CODE.tolvdoc, from `tolvdata road --doc CODE --save`) and
// must agree with `tolvdata dump --json` of the same file on every field:
// the ksy declarations are walked beside the JSON, field by field. 64-bit
// fields are compared by their two 32-bit halves, read at the position the
// parser recorded (the runtime's Numbers are exact only up to 2^53).
'use strict';

const fs = require('fs');
const path = require('path');
const {execFileSync} = require('child_process');

function camelo(id) {
    return id.replace(/_([a-z0-9])/g, (_, c) => c.toUpperCase());
}

function classe(id) {
    const c = camelo(id);
    return c[0].toUpperCase() + c.slice(1);
}

function hex(bytes) {
    return Buffer.from(bytes).toString('hex');
}

// The 64-bit value at pos as its two halves.
function metades(buf, pos) {
    return [buf.readUInt32LE(pos), buf.readUInt32LE(pos + 4)];
}

// Two halves of a decimal text (an amount with 4 places loses its point).
function metadesDe(texto) {
    let v = BigInt(texto.replace('.', ''));
    if (v < 0n)
        v += 1n << 64n;
    return [Number(v & 0xffffffffn), Number(v >> 32n)];
}

class Conferencia {
    constructor(ksys, buf) {
        this.ksys = ksys; // id of each .ksy -> its YAML
        this.buf = buf;
        this.campos = 0;
    }

    falha(caminho, msg) {
        throw new Error(`${caminho}: ${msg}`);
    }

    // The type declaration `nome` as seen from the file `arq`.
    tipo(arq, nome) {
        let [a, t] = nome.includes('::') ? nome.split('::') : [arq, nome];
        const decl = this.ksys[a] && this.ksys[a].types && this.ksys[a].types[t];
        if (!decl)
            throw new Error(`no type ${nome} in ${arq}`);
        return {arq: a, decl};
    }

    texto(caminho, k, j) {
        const t = j !== null && typeof j === 'object' ? j.text : j;
        if (typeof t !== 'string' || k !== t)
            this.falha(caminho, `the parser reads ${JSON.stringify(k)}, dump ${JSON.stringify(j)}`);
    }

    igual(caminho, k, j) {
        if (k !== j)
            this.falha(caminho, `the parser reads ${JSON.stringify(k)}, dump ${JSON.stringify(j)}`);
    }

    // One structure: every field of its seq, and the instances behind its pointers.
    registro(arq, nome, obj, json, caminho) {
        const {arq: a, decl} = this.tipo(arq, nome);
        if (json === null || typeof json !== 'object')
            this.falha(caminho, `dump gives no object for ${nome}`);
        const instancias = {};
        for (const [id, inst] of Object.entries(decl.instances || {}))
            instancias[inst['-orig-id']] = {id, inst};
        const nomes = new Set();
        for (const campo of decl.seq) {
            const orig = campo['-orig-id'];
            nomes.add(orig);
            const aqui = caminho + (caminho ? '.' : '') + orig;
            if (!(orig in json))
                this.falha(aqui, 'dump --json has no such field');
            const j = json[orig];
            const k = obj[camelo(campo.id)];
            const pos = obj._debug[camelo(campo.id)].start + obj._debug[camelo(campo.id)].ioOffset;
            this.campos++;
            if (instancias[orig]) {
                this.aninhado(a, instancias[orig], obj, j, aqui);
            } else if (campo.type === 's8' || campo.type === 'u8') {
                const [lo, hi] = metades(this.buf, pos);
                const [jlo, jhi] = metadesDe(String(j));
                if (lo !== jlo || hi !== jhi)
                    this.falha(aqui, `the file holds ${hi}:${lo}, dump ${j}`);
            } else if (/^[su][124]$/.test(campo.type || '')) {
                this.igual(aqui, k, j);
            } else if (campo.type === 'strz') {
                this.texto(aqui, k, j);
            } else if (!campo.type) {
                this.igual(aqui, hex(k), j);
            } else {
                this.valor(campo.type.split('::').pop(), k, j, pos, aqui);
            }
        }
        for (const orig of Object.keys(json))
            if (!nomes.has(orig))
                this.falha(caminho, `dump --json has ${orig}, the .ksy has not`);
    }

    valor(tipo, k, j, pos, aqui) {
        switch (tipo) {
        case 'date':
            this.igual(aqui + '.raw', k.date ? k.date.raw : k.raw, j.raw);
            break;
        case 'date_slot':
            this.igual(aqui + '.raw', k.date.raw, j.raw);
            this.igual(aqui + '.after', hex(k.zero), j.after);
            break;
        case 'date_ps':
            this.igual(aqui + '.raw', k.date.raw, j.raw);
            this.igual(aqui + '.after', hex(k.rest), j.after);
            break;
        case 'date_time': {
            const [lo, hi] = metades(this.buf, pos);
            const [jlo, jhi] = metadesDe(String(j.raw));
            if (lo !== jlo || hi !== jhi)
                this.falha(aqui, `the file holds ${hi}:${lo}, dump ${j.raw}`);
            break;
        }
        case 'key': {
            const [jlo, jhi] = metadesDe(String(j));
            if (k.lo !== jlo || k.hi !== jhi)
                this.falha(aqui, `the parser reads ${k.hi}:${k.lo}, dump ${j}`);
            // The number part as the key's bit layout gives it.
            const n = Number((BigInt(j) >> 14n) & 0xffffffffn);
            this.igual(aqui + ' (number)', k.number, n);
            break;
        }
        case 'nfe_id':
            this.igual(aqui, hex(k.raw), j);
            break;
        case 'position':
            this.igual(aqui + '.PonteiroProduto', k.ponteiroProduto, j.PonteiroProduto);
            this.igual(aqui + '.PonteiroItemGrade1', k.ponteiroItemGrade1, j.PonteiroItemGrade1);
            this.igual(aqui + '.PonteiroItemGrade2', k.ponteiroItemGrade2, j.PonteiroItemGrade2);
            this.igual(aqui + '.PonteiroItemGrade3', k.ponteiroItemGrade3, j.PonteiroItemGrade3);
            this.igual(aqui + '.Reservado', hex(k.reservado), j.Reservado);
            break;
        default:
            this.falha(aqui, `no comparison for the type ${tipo}`);
        }
    }

    // A nested array or text behind a pointer field.
    aninhado(arq, {id, inst}, obj, j, aqui) {
        const k = obj[camelo(id)];
        if (k === undefined || k === null) {
            if (j !== null)
                this.falha(aqui, 'the parser finds no block where dump has one');
            return;
        }
        if (j === null)
            this.falha(aqui, 'the parser finds a block where dump has none');
        if (inst.type === 'strz') {
            this.texto(aqui, k, j);
            return;
        }
        if (!Array.isArray(j) || j.length !== k.length)
            this.falha(aqui, `the parser reads ${k.length} elements, dump ${Array.isArray(j) ? j.length : 'none'}`);
        for (let i = 0; i < k.length; ++i)
            this.registro(arq, inst.type, k[i], j[i], `${aqui}[${i}]`);
    }
}

async function confere(o) {
    const yaml = require('js-yaml');
    const ksys = {};
    for (const f of fs.readdirSync(o.ksy).filter((f) => f.endsWith('.ksy')))
        ksys[f.replace(/\.ksy$/, '')] = yaml.load(fs.readFileSync(path.join(o.ksy, f), 'utf8'));
    const KaitaiStream = require('kaitai-struct/KaitaiStream');
    const arquivos = fs.readdirSync(o.docs).filter((f) => f.endsWith('.tolvdoc')).sort();
    if (arquivos.length === 0)
        throw new Error(`no .tolvdoc files in ${o.docs}`);
    let total = 0;
    for (const f of arquivos) {
        const arq = path.join(o.docs, f);
        const buf = fs.readFileSync(arq);
        const ofsNome = buf.readUInt32LE(20);
        const nome = buf.toString('latin1', ofsNome, buf.indexOf(0, ofsNome));
        const json = JSON.parse(
            execFileSync(o.tool, ['dump', nome, arq, '--json'], {encoding: 'utf8', maxBuffer: 1 << 28}));
        const id = Object.keys(ksys).find((k) => ksys[k].types && Object.values(ksys[k].types).some(
            (t) => t['-orig-id'] === json.structure) && ksys[k].seq && ksys[k].seq[0].id === 'magic');
        if (!id)
            throw new Error(`${f}: no .ksy has the root ${json.structure}`);
        const Parser = require(path.resolve(o.out, classe(id) + '.js'))[classe(id)];
        const doc = new Parser(new KaitaiStream(buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.length)));
        doc._read();
        if (doc.rootName !== json.structure)
            throw new Error(`${f}: the file names ${doc.rootName}, dump ${json.structure}`);
        const c = new Conferencia(ksys, buf);
        const raiz = Object.entries(ksys[id].types).find(([, t]) => t['-orig-id'] === json.structure)[0];
        try {
            c.registro(id, raiz, doc.root, json.root, '');
            if (json.second) {
                const seg = doc.secondRoot || [];
                const tipo = ksys[id].instances.second_root.type;
                if (seg.length !== json.second.elements.length)
                    c.falha('second', `the parser reads ${seg.length} elements, dump ${json.second.elements.length}`);
                seg.forEach((e, i) => c.registro(id, tipo, e, json.second.elements[i], `second[${i}]`));
            } else if (doc.secondRoot && doc.secondRoot.length) {
                c.falha('second', 'the parser reads a second root that dump has not');
            }
        } catch (e) {
            throw new Error(`${f}: ${e.message}`);
        }
        console.log(`${f}: ${c.campos} fields agree with dump --json`);
        total += c.campos;
    }
    console.log(`${arquivos.length} documents, ${total} fields: the Kaitai parsers agree with dump --json`);
}

module.exports = {confere};
