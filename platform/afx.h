// The subset of the MFC application framework that the records use: exceptions
// thrown as pointers, CObject with run-time class records, the class list and the
// extension-module entry points.
#pragma once

#include <cstddef>

#include "platform/afxstr.h"
#include "platform/wintypes.h"

// --- Exceptions -------------------------------------------------------------

class CRuntimeClass;

class TOLV_API CException {
public:
    CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;
    explicit CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
    virtual ~CException();
    // Releases an exception object caught by pointer (static ones stay).
    void Delete();

protected:
    BOOL m_bAutoDelete = TRUE;
};

class TOLV_API CSimpleException : public CException {
public:
    CSimpleException() = default;
    explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
};

class TOLV_API CInvalidArgException : public CSimpleException {
public:
    CInvalidArgException() = default;
    explicit CInvalidArgException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
};

class TOLV_API CMemoryException : public CSimpleException {
public:
    CMemoryException() = default;
    explicit CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}
};

[[noreturn]] TOLV_API void AfxThrowInvalidArgException();
[[noreturn]] TOLV_API void AfxThrowMemoryException();

// --- CObject and run-time classes --------------------------------------------

class CArchive;
class CDumpContext;
class CObject;

class TOLV_API CRuntimeClass {
public:
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;

    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
};

class TOLV_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    bool IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                                    \
protected:                                                                                                             \
    static CRuntimeClass* _GetBaseClass();                                                                             \
                                                                                                                       \
public:                                                                                                                \
    static CRuntimeClass class##class_name;                                                                            \
    static CRuntimeClass* GetThisClass();                                                                              \
    CRuntimeClass* GetRuntimeClass() const override;

// The class record goes into the module's class section, from which the
// extension module's initialisation collects it.
#define AFX_CLASSINIT_ENTRY(class_name)                                                                                \
    __attribute__((section("tolv_afx_classes"), used)) static CRuntimeClass* const _afxClassInit##class_name =         \
        &class_name::class##class_name;

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                           \
    IMPLEMENT_RUNTIMECLASS_RECORD(class_name, base_class_name, wSchema, pfnNew)                                        \
    AFX_CLASSINIT_ENTRY(class_name)

// The class record alone, for classes of other modules.
#define IMPLEMENT_RUNTIMECLASS_RECORD(class_name, base_class_name, wSchema, pfnNew)                                    \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }                              \
    CRuntimeClass class_name::class##class_name = {#class_name,                                                        \
                                                   static_cast<int>(sizeof(class class_name)),                         \
                                                   wSchema,                                                            \
                                                   pfnNew,                                                             \
                                                   &class_name::_GetBaseClass,                                         \
                                                   nullptr};                                                           \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }                               \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

// Calls pfn for every class of the application's class list.
TOLV_API void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass* pClass, void* pContext), void* pContext);

// --- Extension modules -------------------------------------------------------

struct TOLV_API AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HINSTANCE hModule;
    HINSTANCE hResource;
    CRuntimeClass* pFirstSharedClass;
};

class TOLV_API CDynLinkLibrary : public CObject {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HINSTANCE m_hModule;
    BOOL m_bSystem;
    CRuntimeClass* m_pFirstSharedClass;
    CDynLinkLibrary* m_pNextDLL;
};

// Collects the module's class records; fails (FALSE) for a null module handle.
TOLV_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule);
// Removes the module's libraries (and their classes) from the application lists.
TOLV_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
