// Fiscal-bookkeeping movement subsystem: every public header of DadosEF.
#pragma once

#include "records/DadosEF/DadosEF_Anexos.h"
#include "records/DadosEF/DadosEF_Item.h"
#include "records/DadosEF/DadosEF_Movimento.h"
