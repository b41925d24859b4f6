#include "CString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Whitespace as isspace() in the C locale, independent of the runtime's current locale.
bool IsCSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool InSet(LPCSTR set, char ch) {
    return ch != '\0' && set != nullptr && std::strchr(set, ch) != nullptr;
}

int ClampIndex(int value, int low, int high) {
    return std::clamp(value, low, high);
}

// The strings of a string table live in blocks of 16 counted UTF-16 strings; block n+1 holds ids
// 16n..16n+15. Reading the block directly gives texts of any length.
bool LoadResourceString(HINSTANCE module, UINT id, std::string& out) {
    HRSRC block = FindResourceA(module, MAKEINTRESOURCEA((id >> 4) + 1), MAKEINTRESOURCEA(6) /*RT_STRING*/);
    if (block == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module, block);
    if (loaded == nullptr)
        return false;
    const auto* p = static_cast<const WCHAR*>(LockResource(loaded));
    if (p == nullptr)
        return false;
    const DWORD size = SizeofResource(module, block) / sizeof(WCHAR);
    const WCHAR* end = p + size;
    for (UINT i = 0; i < (id & 15); ++i) {
        if (p >= end)
            return false;
        p += 1 + *p;
    }
    if (p >= end || *p == 0)
        return false;
    const int length = std::min<int>(*p, static_cast<int>(end - p - 1));
    const WCHAR* text = p + 1;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    out.resize(static_cast<size_t>(bytes));
    WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), bytes, nullptr, nullptr);
    return true;
}

// C99 printf semantics (32-bit long, %lld, %I64d, %.*f) whatever the C runtime's own vsnprintf does.
std::string VFormat(LPCSTR format, va_list args) {
    if (format == nullptr)
        return {};
    va_list probe;
    va_copy(probe, args);
    const int needed = __mingw_vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (needed <= 0)
        return {};
    std::string out(static_cast<size_t>(needed), '\0');
    __mingw_vsnprintf(out.data(), out.size() + 1, format, args);
    return out;
}

struct LocalFreer {
    void operator()(char* p) const { LocalFree(p); }
};

} // namespace

CString::CString(LPCSTR text) {
    Assign(text);
}

CString::CString(LPCSTR text, int length) {
    if (text != nullptr && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const unsigned char* text) {
    Assign(reinterpret_cast<LPCSTR>(text));
}

void CString::Assign(LPCSTR text) {
    if (text == nullptr) {
        m_str.clear();
    } else if (IS_INTRESOURCE(text)) {
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(text)));
    } else {
        m_str.assign(text);
    }
}

CString& CString::operator=(LPCSTR text) {
    Assign(text);
    return *this;
}

CString& CString::operator=(char ch) {
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator=(const unsigned char* text) {
    Assign(reinterpret_cast<LPCSTR>(text));
    return *this;
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength())
        m_str[static_cast<size_t>(index)] = ch;
}

CString CString::Left(int count) const {
    return Mid(0, count);
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    const int length = GetLength();
    first = ClampIndex(first, 0, length);
    count = ClampIndex(count, 0, length - first);
    CString result;
    result.m_str.assign(m_str, static_cast<size_t>(first), static_cast<size_t>(count));
    return result;
}

CString CString::Right(int count) const {
    count = ClampIndex(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(LPCSTR charSet) const {
    int n = 0;
    while (n < GetLength() && InSet(charSet, m_str[static_cast<size_t>(n)]))
        ++n;
    return Left(n);
}

CString CString::SpanExcluding(LPCSTR charSet) const {
    int n = 0;
    while (n < GetLength() && !InSet(charSet, m_str[static_cast<size_t>(n)]))
        ++n;
    return Left(n);
}

int CString::Find(char ch) const {
    return Find(ch, 0);
}

int CString::Find(char ch, int start) const {
    if (start < 0)
        start = 0;
    if (start >= GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR sub) const {
    return Find(sub, 0);
}

int CString::Find(LPCSTR sub, int start) const {
    if (sub == nullptr)
        return -1;
    if (start < 0)
        start = 0;
    if (start > GetLength())
        return -1;
    const size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    const size_t at = m_str.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCSTR charSet) const {
    for (int i = 0; i < GetLength(); ++i) {
        if (InSet(charSet, m_str[static_cast<size_t>(i)]))
            return i;
    }
    return -1;
}

int CString::Replace(char oldCh, char newCh) {
    int count = 0;
    for (char& c : m_str) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText) {
    if (oldText == nullptr || *oldText == '\0')
        return 0;
    // Copies first: either argument may point into this string.
    const std::string from(oldText);
    const std::string to(newText != nullptr ? newText : "");
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (size_t at = m_str.find(from); at != std::string::npos; at = m_str.find(from, pos)) {
        result.append(m_str, pos, at - pos);
        result += to;
        pos = at + from.size();
        ++count;
    }
    if (count > 0) {
        result.append(m_str, pos, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(char ch) {
    const auto removed = std::erase(m_str, ch);
    return static_cast<int>(removed);
}

int CString::Insert(int index, char ch) {
    index = ClampIndex(index, 0, GetLength());
    m_str.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCSTR text) {
    if (text != nullptr && *text != '\0') {
        index = ClampIndex(index, 0, GetLength());
        m_str.insert(static_cast<size_t>(index), std::string(text));
    }
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0)
        index = 0;
    if (index < GetLength() && count > 0) {
        count = std::min(count, GetLength() - index);
        m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    }
    return GetLength();
}

CString& CString::TrimLeft() {
    const auto first = std::find_if_not(m_str.begin(), m_str.end(), IsCSpace);
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimLeft(char target) {
    const auto first = std::find_if(m_str.begin(), m_str.end(), [target](char c) { return c != target; });
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimLeft(LPCSTR targets) {
    const std::string set(targets != nullptr ? targets : "");
    const auto first =
        std::find_if(m_str.begin(), m_str.end(), [&set](char c) { return !InSet(set.c_str(), c); });
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_str.empty() && IsCSpace(m_str.back()))
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(char target) {
    while (!m_str.empty() && m_str.back() == target)
        m_str.pop_back();
    return *this;
}

CString& CString::TrimRight(LPCSTR targets) {
    const std::string set(targets != nullptr ? targets : "");
    while (!m_str.empty() && InSet(set.c_str(), m_str.back()))
        m_str.pop_back();
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char target) {
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCSTR targets) {
    const std::string set(targets != nullptr ? targets : "");
    return TrimRight(set.c_str()).TrimLeft(set.c_str());
}

CString& CString::MakeUpper() {
    if (!m_str.empty())
        CharUpperBuffA(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower() {
    if (!m_str.empty())
        CharLowerBuffA(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

int CString::Compare(LPCSTR other) const {
    const LPCSTR rhs = other != nullptr ? other : "";
    const int byLocale = lstrcmpA(m_str.c_str(), rhs);
    if (byLocale != 0)
        return byLocale;
    const int byBytes = std::strcmp(m_str.c_str(), rhs);
    return byBytes < 0 ? -1 : (byBytes > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCSTR other) const {
    return lstrcmpiA(m_str.c_str(), other != nullptr ? other : "");
}

int CString::Collate(LPCSTR other) const {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, m_str.c_str(), -1, other != nullptr ? other : "", -1) -
           CSTR_EQUAL;
}

int CString::CollateNoCase(LPCSTR other) const {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_str.c_str(), -1,
                          other != nullptr ? other : "", -1) -
           CSTR_EQUAL;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength), '\0');
    return m_str.data();
}

char* CString::GetBufferSetLength(int length) {
    m_str.resize(static_cast<size_t>(std::max(length, 0)), '\0');
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

BOOL CString::LoadString(UINT id) {
    std::string text;
    if (!LoadResourceString(AfxGetResourceHandle(), id, text)) {
        m_str.clear();
        return FALSE;
    }
    m_str.swap(text);
    return TRUE;
}

void CString::Format(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCSTR format, va_list args) {
    m_str = VFormat(format, args);
}

void CString::AppendFormat(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR format, va_list args) {
    m_str += VFormat(format, args);
}

void CString::FormatMessage(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    FormatMessageV(format, &args);
    va_end(args);
}

void CString::FormatMessage(UINT formatId, ...) {
    CString format;
    format.LoadString(formatId);
    va_list args;
    va_start(args, formatId);
    FormatMessageV(format, &args);
    va_end(args);
}

void CString::FormatMessageV(LPCSTR format, va_list* args) {
    m_str.clear();
    if (format == nullptr || *format == '\0')
        return;
    char* raw = nullptr;
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, format,
                                          0, 0, reinterpret_cast<LPSTR>(&raw), 0, args);
    const std::unique_ptr<char, LocalFreer> owner(raw);
    if (length > 0 && raw != nullptr)
        m_str.assign(raw, length);
}

CString& CString::operator+=(const CString& text) {
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR text) {
    if (text != nullptr)
        m_str += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, LPCSTR b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(LPCSTR a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(char a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

bool CString::EqualsBytes(LPCSTR text) const {
    return m_str == (text != nullptr ? text : "");
}

namespace {

// Replaces %1..%9 with the given inserts; any other '%' stays as it is.
void FormatStrings(CString& out, UINT idString, const std::vector<LPCSTR>& inserts) {
    CString format;
    if (!format.LoadString(idString)) {
        out.Empty();
        return;
    }
    std::string result;
    const LPCSTR p = format;
    const size_t length = static_cast<size_t>(format.GetLength());
    for (size_t i = 0; i < length; ++i) {
        if (p[i] == '%' && i + 1 < length && p[i + 1] >= '1' && p[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(p[i + 1] - '1');
            if (n < inserts.size()) {
                result += inserts[n] != nullptr ? inserts[n] : "";
                ++i;
                continue;
            }
        }
        result += p[i];
    }
    out = CString(result.c_str(), static_cast<int>(result.size()));
}

} // namespace

void AFXAPI AfxFormatString1(CString& out, UINT idString, LPCSTR s1) {
    FormatStrings(out, idString, {s1});
}

void AFXAPI AfxFormatString2(CString& out, UINT idString, LPCSTR s1, LPCSTR s2) {
    FormatStrings(out, idString, {s1, s2});
}

BOOL AFXAPI AfxExtractSubString(CString& out, LPCSTR full, int index, char sep) {
    out.Empty();
    if (full == nullptr || index < 0)
        return FALSE;
    const char* p = full;
    for (; index > 0; --index) {
        p = std::strchr(p, sep);
        if (p == nullptr || sep == '\0')
            return FALSE;
        ++p;
    }
    const char* end = std::strchr(p, sep);
    const size_t length = end != nullptr && sep != '\0' ? static_cast<size_t>(end - p) : std::strlen(p);
    out = CString(p, static_cast<int>(length));
    return TRUE;
}
