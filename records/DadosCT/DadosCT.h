// Freight bill subsystem: every public header of DadosCT.
#pragma once

#include "records/DadosCT/DadosCT_Conhecimento.h"
#include "records/DadosCT/DadosCT_Documentos.h"
#include "records/DadosCT/DadosCT_Rateio.h"
