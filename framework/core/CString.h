// CString: the framework's counted, value-semantics ANSI string.
#pragma once

#include "AfxDefs.h"

#include <cstdarg>
#include <string>

// Format() and AppendFormat() are checked by the compiler against the Microsoft printf dialect, which
// accepts %I64d, %lld and %Iu and rejects a CString passed to "..." without an (LPCSTR) cast.
#define AFX_PRINTF_FORMAT(fmt, first) __attribute__((format(ms_printf, fmt, first)))

class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    // A null pointer gives an empty string; MAKEINTRESOURCE(id) loads string resource id.
    CString(LPCSTR text);
    CString(LPCSTR text, int length);
    // Explicit, so that a stray int or char never turns into a one-character string silently.
    explicit CString(char ch, int repeat = 1);
    CString(const unsigned char* text);
    ~CString() = default;

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCSTR text);
    CString& operator=(char ch);
    CString& operator=(const unsigned char* text);

    // Size and element access. Out-of-range indexes read as '\0' and are ignored on write.
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }

    // Sub-strings: arguments out of range are clamped.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCSTR charSet) const;
    CString SpanExcluding(LPCSTR charSet) const;

    // Searching: zero-based index, or -1 when not found.
    int Find(char ch) const;
    int Find(char ch, int start) const;
    int Find(LPCSTR sub) const;
    int Find(LPCSTR sub, int start) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR charSet) const;

    // Editing.
    int Replace(char oldCh, char newCh);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(LPCSTR targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(LPCSTR targets);
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(LPCSTR targets);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Ordering. Compare/CompareNoCase follow the user's locale (lstrcmpA/lstrcmpiA); Compare breaks a
    // locale tie by bytes so that only identical strings compare equal. Collate/CollateNoCase are the
    // plain locale comparison (CompareStringA).
    int Compare(LPCSTR other) const;
    int CompareNoCase(LPCSTR other) const;
    int Collate(LPCSTR other) const;
    int CollateNoCase(LPCSTR other) const;

    // Direct buffer access. GetBuffer returns room for at least minLength characters plus '\0' and keeps
    // the contents; ReleaseBuffer(-1) takes the length up to the first '\0'.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    char* LockBuffer() { return GetBuffer(0); }
    void UnlockBuffer() {}
    void FreeExtra() { m_str.shrink_to_fit(); }

    // Resources and formatting.
    BOOL LoadString(UINT id);
    void Format(LPCSTR format, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(LPCSTR format, va_list args);
    void AppendFormat(LPCSTR format, ...) AFX_PRINTF_FORMAT(2, 3);
    void AppendFormatV(LPCSTR format, va_list args);
    // Message-style inserts: %1, %2!d!, %% ... with FormatMessageA rules.
    void FormatMessage(LPCSTR format, ...);
    void FormatMessage(UINT formatId, ...);
    void FormatMessageV(LPCSTR format, va_list* args);

    // Concatenation.
    CString& operator+=(const CString& text);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    // == and != compare bytes exactly; the ordering operators use Compare.
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.EqualsBytes(b); }
    friend bool operator==(LPCSTR a, const CString& b) { return b.EqualsBytes(a); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
    friend bool operator!=(LPCSTR a, const CString& b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
    friend bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
    friend bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
    friend bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
    friend bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

private:
    bool EqualsBytes(LPCSTR text) const;
    void Assign(LPCSTR text);

    std::string m_str;
};

// Loads string resource id and replaces %1 (and %2) with the given texts; a missing string gives "".
void AFXAPI AfxFormatString1(CString& out, UINT idString, LPCSTR s1);
void AFXAPI AfxFormatString2(CString& out, UINT idString, LPCSTR s1, LPCSTR s2);
// Copies the index-th field of full, fields separated by sep. FALSE (and out empty) when there is none.
BOOL AFXAPI AfxExtractSubString(CString& out, LPCSTR full, int index, char sep = '\n');
