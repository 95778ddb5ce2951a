// Entry register subsystem: every public header of DadosRE.
#pragma once

#include "records/DadosRE/DadosRE_AtivoImobilizado.h"
#include "records/DadosRE/DadosRE_Estoque.h"
#include "records/DadosRE/DadosRE_ItemImposto.h"
#include "records/DadosRE/DadosRE_Itens.h"
#include "records/DadosRE/DadosRE_Margens.h"
#include "records/DadosRE/DadosRE_Pagamento.h"
#include "records/DadosRE/DadosRE_RateioProduto.h"
#include "records/DadosRE/DadosRE_Rateios.h"
#include "records/DadosRE/DadosRE_Referencias.h"
#include "records/DadosRE/DadosRE_Registro.h"
