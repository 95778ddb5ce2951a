// tolvdata: every public header of the library.
#pragma once

#include "platform/afx.h"
#include "platform/afxstr.h"
#include "platform/afxtempl.h"
#include "platform/mbstring.h"
#include "platform/objbase.h"
#include "platform/oleauto.h"
#include "platform/wintypes.h"

#include "companions/IEVinculo.h"
#include "companions/JQDFConx.h"
#include "companions/JQLConx.h"
#include "companions/TOLVSVCUtil.h"

#include "core/Aninhados.h"
#include "core/DadosCore.h"
#include "core/JQCurrency.h"
#include "core/JQMem.h"
#include "core/JQTexto.h"
#include "core/JQTipos.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Rateio.h"
#include "core/Registro.h"

#include "records/DadosCP/DadosCP.h"
#include "records/DadosOC/DadosOC.h"
#include "records/DadosRE/DadosRE.h"
#include "records/DadosSC/DadosSC.h"
