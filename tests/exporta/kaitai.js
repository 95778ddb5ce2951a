// The exported .ksy files under the Kaitai Struct compiler: each compiles to
// JavaScript (the shared types through the compiler's importer). With --docs,
// the parsers read every whole-document file there and must agree with
// `tolvdata dump --json` on every field.
//
//   node kaitai.js --npm DIR --ksy DIR --out DIR [--docs DIR --tool TOOL]
'use strict';

const fs = require('fs');
const path = require('path');

function opcoes(argv) {
    const o = {};
    for (let i = 2; i < argv.length; i += 2)
        o[argv[i].replace(/^--/, '')] = argv[i + 1];
    return o;
}

const o = opcoes(process.argv);
const modulos = path.join(o.npm, 'node_modules');
if (!fs.existsSync(path.join(modulos, 'kaitai-struct-compiler')) || !fs.existsSync(path.join(modulos, 'js-yaml'))) {
    console.log(`SKIPPED: the npm packages are not in ${modulos} (run scripts/deps.sh)`);
    process.exit(77);
}
process.env.NODE_PATH = modulos;
require('module').Module._initPaths();
const yaml = require('js-yaml');
const compilador = require('kaitai-struct-compiler');

function leKsy(nome) {
    return yaml.load(fs.readFileSync(path.join(o.ksy, nome.replace(/\.ksy$/, '') + '.ksy'), 'utf8'));
}

const importador = {
    importYaml(nome) {
        return Promise.resolve(leKsy(path.basename(nome)));
    },
};

async function compila() {
    fs.mkdirSync(o.out, {recursive: true});
    const arquivos = fs.readdirSync(o.ksy).filter((f) => f.endsWith('.ksy')).sort();
    if (arquivos.length < 2)
        throw new Error(`no .ksy files in ${o.ksy}`);
    for (const f of arquivos) {
        let js;
        try {
            js = await compilador.compile('javascript', leKsy(f), importador, true);
        } catch (e) {
            throw new Error(`${f} does not compile: ${e && e.message ? e.message : JSON.stringify(e)}`);
        }
        for (const [nome, codigo] of Object.entries(js))
            fs.writeFileSync(path.join(o.out, nome), codigo);
    }
    return arquivos;
}

module.exports = {o, compila, leKsy};

if (require.main === module) {
    compila()
        .then(async (arquivos) => {
            console.log(`${arquivos.length} .ksy files compile to JavaScript`);
            if (o.docs)
                await require('./kaitai_docs.js').confere(o);
        })
        .catch((e) => {
            console.error(`kaitai.js: ${e.message}`);
            process.exit(1);
        });
}
