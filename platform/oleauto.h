// OLE Automation currency and decimal arithmetic.
#pragma once

#include "platform/wintypes.h"

// CY: 64-bit integers scaled by 10,000. DECIMAL: 96-bit magnitude, scale 0..28
// and a sign. Results are rounded half to even at the target precision;
// overflow gives DISP_E_OVERFLOW, division by zero DISP_E_DIVBYZERO.
TOLV_API HRESULT VarCyAdd(CY cyLeft, CY cyRight, LPCY pcyResult);
TOLV_API HRESULT VarCyMul(CY cyLeft, CY cyRight, LPCY pcyResult);
TOLV_API HRESULT VarCyFromR8(double dblIn, CY* pcyOut);
TOLV_API HRESULT VarCyFromDec(DECIMAL* pdecIn, CY* pcyOut);
TOLV_API HRESULT VarDecFromCy(CY cyIn, DECIMAL* pdecOut);
// Keeps 15 significant digits of the double.
TOLV_API HRESULT VarDecFromR8(double dblIn, DECIMAL* pdecOut);
TOLV_API HRESULT VarDecMul(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult);
TOLV_API HRESULT VarDecDiv(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult);
