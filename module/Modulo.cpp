// Library entry point: the extension module and its class registration.
#include "platform/afx.h"

namespace {

AFX_EXTENSION_MODULE DadosDLL = {FALSE, nullptr, nullptr, nullptr};

} // namespace

extern "C" TOLV_API BOOL TolvDllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(DadosDLL, hInstance))
            return FALSE;
        // Joins the module's classes to the application's class list.
        new CDynLinkLibrary(DadosDLL);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(DadosDLL);
    }
    return TRUE;
}

namespace {

__attribute__((constructor)) void AoCarregar()
{
    // The module handle is the address of the module's own state.
    TolvDllMain(static_cast<HINSTANCE>(&DadosDLL), DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void AoDescarregar()
{
    TolvDllMain(static_cast<HINSTANCE>(&DadosDLL), DLL_PROCESS_DETACH, nullptr);
}

} // namespace
