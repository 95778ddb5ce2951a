#include "platform/afx.h"

#include <new>

// --- Exceptions -------------------------------------------------------------

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

void AfxThrowInvalidArgException() { throw new CInvalidArgException; }

void AfxThrowMemoryException()
{
    // When even the exception object cannot be allocated, a static one is thrown.
    static CMemoryException reserva(FALSE);
    CMemoryException* e = new (std::nothrow) CMemoryException;
    throw e ? e : &reserva;
}

// --- CObject -----------------------------------------------------------------

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr, nullptr};

CRuntimeClass* CObject::GetThisClass() { return &classCObject; }

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext&) const {}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->GetBaseClass())
        if (p == pBaseClass)
            return true;
    return false;
}

// --- Class list and extension modules ----------------------------------------

extern "C" {
// Bounds of this shared object's class section, provided by the linker.
extern CRuntimeClass* const __start_tolv_afx_classes[] __attribute__((weak, visibility("hidden")));
extern CRuntimeClass* const __stop_tolv_afx_classes[] __attribute__((weak, visibility("hidden")));
}

namespace {
CDynLinkLibrary* g_primeiraDLL = nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule)
{
    if (!hModule)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    // Chain the module's classes in the order of the section.
    CRuntimeClass** cauda = &state.pFirstSharedClass;
    if (__start_tolv_afx_classes && __stop_tolv_afx_classes) {
        for (CRuntimeClass* const* p = __start_tolv_afx_classes; p != __stop_tolv_afx_classes; ++p) {
            (*p)->m_pNextClass = nullptr;
            *cauda = *p;
            cauda = &(*p)->m_pNextClass;
        }
    }
    state.bInitialized = TRUE;
    return TRUE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_bSystem(bSystem), m_pFirstSharedClass(state.pFirstSharedClass), m_pNextDLL(nullptr)
{
    CDynLinkLibrary** p = &g_primeiraDLL;
    while (*p)
        p = &(*p)->m_pNextDLL;
    *p = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** p = &g_primeiraDLL; *p; p = &(*p)->m_pNextDLL)
        if (*p == this) {
            *p = m_pNextDLL;
            break;
        }
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    (void)bAll;
    if (!state.bInitialized)
        return;
    for (CDynLinkLibrary* p = g_primeiraDLL; p;) {
        CDynLinkLibrary* next = p->m_pNextDLL;
        if (p->m_hModule == state.hModule)
            delete p;
        p = next;
    }
    state.bInitialized = FALSE;
}

void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass*, void*), void* pContext)
{
    pfn(&CObject::classCObject, pContext);
    for (CDynLinkLibrary* dll = g_primeiraDLL; dll; dll = dll->m_pNextDLL)
        for (CRuntimeClass* c = dll->m_pFirstSharedClass; c; c = c->m_pNextClass)
            pfn(c, pContext);
}
