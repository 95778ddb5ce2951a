// Purchase requisition subsystem: every public header of DadosSC.
#pragma once

#include "records/DadosSC/DadosSC_Item.h"
#include "records/DadosSC/DadosSC_Rateio.h"
#include "records/DadosSC/DadosSC_Solicitacao.h"
