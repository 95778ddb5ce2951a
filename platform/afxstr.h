// CString: a multibyte string value (bytes up to the first NUL).
#pragma once

#include <cstddef>

#include "platform/wintypes.h"

class TOLV_API CString {
public:
    CString() noexcept = default;
    CString(const char* psz);
    CString(const char* pch, int nLength);
    CString(const CString& src);
    CString(CString&& src) noexcept : m_p(src.m_p), m_n(src.m_n)
    {
        src.m_p = nullptr;
        src.m_n = 0;
    }
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(const char* psz);
    CString& operator+=(const CString& s);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    int GetLength() const noexcept { return m_n; }
    bool IsEmpty() const noexcept { return m_n == 0; }
    void Empty() noexcept;
    CString Left(int nCount) const;
    CString Mid(int nFirst, int nCount) const;
    char GetAt(int i) const;
    const char* GetString() const noexcept { return m_p ? m_p : ""; }
    operator LPCTSTR() const noexcept { return GetString(); }
    int Compare(const char* psz) const;

    // The n bytes at p, known to hold no NUL (the library's own reads, which
    // have just measured the text).
    TOLV_INTERNO static CString DeTrecho(const char* p, int n);

    friend TOLV_API bool operator==(const CString& a, const CString& b) noexcept;
    friend TOLV_API bool operator==(const CString& a, const char* b);
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) noexcept { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend TOLV_API CString operator+(const CString& a, const CString& b);

private:
    void Assign(const char* p, int n);
    // The m_n + 1 bytes of a block shared by the copies of the string (it never
    // changes once written), or null for the empty string. Holding a single
    // pointer keeps the value bitwise relocatable, as list storage expects.
    char* m_p = nullptr;
    int m_n = 0;
};
