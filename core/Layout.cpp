#include "core/Layout.h"

#include <cstring>

extern "C" {
extern const tolv::EstruturaDesc* const __start_tolv_estruturas[] __attribute__((weak, visibility("hidden")));
extern const tolv::EstruturaDesc* const __stop_tolv_estruturas[] __attribute__((weak, visibility("hidden")));
extern const tolv::RegistroAcessos __start_tolv_acessos[] __attribute__((weak, visibility("hidden")));
extern const tolv::RegistroAcessos __stop_tolv_acessos[] __attribute__((weak, visibility("hidden")));
}

namespace tolv {

const char* NomeTipo(Tipo t) noexcept
{
    switch (t) {
    case Tipo::Moeda: return "currency";
    case Tipo::Data: return "date-slot";
    case Tipo::Data4: return "date";
    case Tipo::DataPS: return "date-ps";
    case Tipo::DataHora: return "date-time";
    case Tipo::Chave: return "key";
    case Tipo::ChavePS: return "key-ps";
    case Tipo::NFe: return "nfe-id";
    case Tipo::Posicao: return "position";
    case Tipo::Inteiro: return "int";
    case Tipo::Natural: return "uint";
    case Tipo::Texto: return "text";
    case Tipo::TextoFixo: return "text-fixed";
    case Tipo::Reservado: return "reserved";
    case Tipo::Bloco: return "block";
    case Tipo::Array: return "array";
    case Tipo::TextoVar: return "text-pointer";
    }
    return "?";
}

const EstruturaDesc* const* Estruturas(unsigned& quantidade)
{
    if (!__start_tolv_estruturas || !__stop_tolv_estruturas) {
        quantidade = 0;
        return nullptr;
    }
    quantidade = static_cast<unsigned>(__stop_tolv_estruturas - __start_tolv_estruturas);
    return __start_tolv_estruturas;
}

const EstruturaDesc* EstruturaPorNome(const char* nome)
{
    unsigned n = 0;
    const EstruturaDesc* const* v = Estruturas(n);
    for (unsigned i = 0; i < n; ++i)
        if (std::strcmp(v[i]->nome, nome) == 0)
            return v[i];
    return nullptr;
}

const Acesso* AcessosDe(const EstruturaDesc& d) noexcept
{
    if (!__start_tolv_acessos || !__stop_tolv_acessos)
        return nullptr;
    for (const RegistroAcessos* r = __start_tolv_acessos; r != __stop_tolv_acessos; ++r)
        if (r->desc == &d || std::strcmp(r->desc->nome, d.nome) == 0)
            return r->acessos;
    return nullptr;
}

} // namespace tolv
