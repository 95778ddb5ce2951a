// Purchase contracts subsystem: every public header of DadosCC.
#pragma once

#include "records/DadosCC/DadosCC_Contrato.h"
#include "records/DadosCC/DadosCC_Contrato2.h"
