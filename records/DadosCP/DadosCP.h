// Price quotation subsystem: every public header of DadosCP.
#pragma once

#include "records/DadosCP/DadosCP_Cotacao.h"
#include "records/DadosCP/DadosCP_Fornecedor.h"
#include "records/DadosCP/DadosCP_Itens.h"
