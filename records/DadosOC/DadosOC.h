// Purchase order subsystem: every public header of DadosOC.
#pragma once

#include "records/DadosOC/DadosOC_Item.h"
#include "records/DadosOC/DadosOC_Ordem.h"
#include "records/DadosOC/DadosOC_Parcela.h"
