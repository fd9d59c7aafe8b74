// Root of the framework's class tree and the run-time class record: lets a class be
// named, tested (IsKindOf) and created by its record (CreateObject), as hosts expect.
#pragma once

#include <windows.h>

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();

    // Null for a class without DECLARE_DYNCREATE.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject
{
  public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const
    {
        return GetRuntimeClass()->IsDerivedFrom(pClass);
    }

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass() { return &classCObject; }

  protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

// GetThisClass is defined out of line, with the class record, so that a class exported
// from a DLL exports it too: a host names an exported class through RUNTIME_CLASS.
#define DECLARE_DYNAMIC(class_name)                                                                \
  public:                                                                                          \
    static CRuntimeClass class##class_name;                                                        \
    static CRuntimeClass* GetThisClass();                                                          \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                            \
    static CRuntimeClass* _afxBaseOf##class_name()                                                 \
    {                                                                                              \
        return RUNTIME_CLASS(base_class_name);                                                     \
    }                                                                                              \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), pfnNew,        \
                                                   &_afxBaseOf##class_name};                       \
    CRuntimeClass* class_name::GetThisClass()                                                      \
    {                                                                                              \
        return &class##class_name;                                                                 \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return &class##class_name;                                                                 \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject()                                                            \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
