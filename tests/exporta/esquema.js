// The exported JSON Schema under a validator (ajv, draft 2020-12, strict):
// `dump --json` of every whole-document file in --docs and of a raw block of
// every registered structure validates; JSON that `pack` would refuse does not.
//
//   node esquema.js --npm DIR --schema FILE --docs DIR --tool TOOL --out DIR
'use strict';

const fs = require('fs');
const path = require('path');
const {execFileSync} = require('child_process');

const o = {};
for (let i = 2; i < process.argv.length; i += 2)
    o[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
const modulos = path.join(o.npm, 'node_modules');
if (!fs.existsSync(path.join(modulos, 'ajv'))) {
    console.log(`SKIPPED: the npm packages are not in ${modulos} (run scripts/deps.sh)`);
    process.exit(77);
}
process.env.NODE_PATH = modulos;
require('module').Module._initPaths();
const Ajv2020 = require('ajv/dist/2020');

function dump(nome, arq) {
    return JSON.parse(execFileSync(o.tool, ['dump', nome, arq, '--json'], {encoding: 'utf8', maxBuffer: 1 << 28}));
}

function principal() {
    const esquema = JSON.parse(fs.readFileSync(o.schema, 'utf8'));
    const valida = new Ajv2020({strict: true, allErrors: true}).compile(esquema);
    const confere = (json, onde) => {
        if (!valida(json))
            throw new Error(`${onde} does not validate: ${JSON.stringify(valida.errors.slice(0, 3))}`);
    };

    let docs = 0;
    let exemplo = null;
    for (const f of fs.readdirSync(o.docs).filter((f) => f.endsWith('.tolvdoc')).sort()) {
        const arq = path.join(o.docs, f);
        const buf = fs.readFileSync(arq);
        const ofs = buf.readUInt32LE(20);
        const json = dump(buf.toString('latin1', ofs, buf.indexOf(0, ofs)), arq);
        confere(json, f);
        if (json.structure === 'tagREG_ENTRADAPS')
            exemplo = json;
        ++docs;
    }
    if (docs === 0 || !exemplo)
        throw new Error(`no whole-document files (RE among them) in ${o.docs}`);

    // A raw block of every structure: zeros, and 0xFF bytes.
    const lista = JSON.parse(execFileSync(o.tool, ['layout', '--list', '--json'], {encoding: 'utf8'})).structures;
    fs.mkdirSync(o.out, {recursive: true});
    for (const s of lista) {
        for (const byte of [0x00, 0xff]) {
            const arq = path.join(o.out, `${s.name}.${byte}.bin`);
            fs.writeFileSync(arq, Buffer.alloc(s.size, byte));
            confere(dump(s.name, arq), `a raw ${s.name} of bytes ${byte}`);
        }
    }

    // What pack refuses, the schema refuses too.
    const copia = () => JSON.parse(JSON.stringify(exemplo));
    const ruins = [
        ['a currency as a number', (j) => (j.root.ValorTotalProdutos = 1.5)],
        ['an unknown field', (j) => (j.root.Inexistente = 0)],
        ['a missing field', (j) => delete j.root.ValorTotalProdutos],
        ['a 16-bit value out of range', (j) => (j.root.pProduto[0].QtdRateio = 70000)],
        ['a text too long for its field', (j) => (j.root.ComplementoHistorico = 'x'.repeat(5000))],
        ['reserved bytes of the wrong length', (j) => (j.root.Reservado8 = '00')],
        ['another format', (j) => (j.format = 'tolvdata/0')],
        ['an element of another structure', (j) => (j.root.pProduto[0] = j.root.pTituloImposto[0])],
    ];
    for (const [nome, estraga] of ruins) {
        const j = copia();
        estraga(j);
        if (valida(j))
            throw new Error(`the schema accepts ${nome}`);
    }
    console.log(`${docs} documents and ${lista.length} structures validate; ${ruins.length} faults are refused`);
}

try {
    principal();
} catch (e) {
    console.error(`esquema.js: ${e.message}`);
    process.exit(1);
}
