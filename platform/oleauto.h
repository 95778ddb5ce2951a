// OLE Automation currency and decimal arithmetic.
//
// CY is a 64-bit integer scaled by 10,000; DECIMAL a 96-bit magnitude with a
// power-of-ten scale of 0 to 28 and a sign byte (0 or DECIMAL_NEG). Results
// that need rounding are rounded half to even. On failure the result argument
// is left as it was.
#pragma once

#include "platform/wintypes.h"

extern "C" {

// Exact sum; DISP_E_OVERFLOW outside the CY range.
TOLV_API HRESULT VarCyAdd(CY cyLeft, CY cyRight, LPCY pcyResult);
// Product rounded to four decimals; DISP_E_OVERFLOW outside the CY range.
TOLV_API HRESULT VarCyMul(CY cyLeft, CY cyRight, LPCY pcyResult);
// The exact binary value of dblIn times 10,000, rounded half to even (0.00015
// is a little below 1.5 ten-thousandths and gives 1); DISP_E_OVERFLOW outside
// the CY range and for NaN or infinity.
TOLV_API HRESULT VarCyFromR8(double dblIn, CY* pcyOut);
// Rounded to four decimals; DISP_E_OVERFLOW outside the CY range,
// E_INVALIDARG for a malformed decimal.
TOLV_API HRESULT VarCyFromDec(DECIMAL* pdecIn, CY* pcyOut);

// The currency value at scale 4.
TOLV_API HRESULT VarDecFromCy(CY cyIn, DECIMAL* pdecOut);
// The double rounded to 15 significant digits, trailing zeros dropped;
// DISP_E_OVERFLOW beyond the decimal range and for NaN or infinity.
TOLV_API HRESULT VarDecFromR8(double dblIn, DECIMAL* pdecOut);
// Product and quotient keep as many decimals as fit in 96 bits (scale 28 at
// most); DISP_E_OVERFLOW when the integer part does not fit, DISP_E_DIVBYZERO
// for a zero divisor, E_INVALIDARG for a malformed operand.
TOLV_API HRESULT VarDecMul(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult);
TOLV_API HRESULT VarDecDiv(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult);

} // extern "C"

#define DEC_MAX_SCALE 28
