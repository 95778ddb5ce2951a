// `tolvdata export ksy`: Kaitai Struct declarations of the whole-document file.
#include "tools/Exporta.h"

namespace ferramenta::exporta {

bool Kaitai(const Catalogo&, std::vector<Arquivo>&, std::string& erro)
{
    erro = "not yet";
    return false;
}

} // namespace ferramenta::exporta
