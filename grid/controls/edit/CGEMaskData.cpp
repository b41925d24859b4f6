#include "grid/controls/edit/CGEMaskData.h"

#include <mbstring.h>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CGEMaskData, CObject)

namespace {

// Positions and text indexes differ only where double-byte character sets are enabled.
const bool g_bDbcsEnabled = ::GetSystemMetrics(SM_DBCSENABLED) != 0;

// The next character of a text (a lead byte with its trail byte is one character); advances p.
CString NextChar(const char*& p) {
    if (g_bDbcsEnabled && ::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') {
        CString str(p, 2);
        p += 2;
        return str;
    }
    CString str(p, 1);
    ++p;
    return str;
}

int CharCount(LPCSTR psz) {
    int nCount = 0;
    for (const char* p = psz; *p != '\0'; ++nCount)
        NextChar(p);
    return nCount;
}

// The character's code from unsigned bytes, so that accented letters of the code page are letters.
unsigned CodeOf(const CString& strChar) {
    const auto* p = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strChar));
    return strChar.GetLength() >= 2 ? (p[0] << 8) | p[1] : p[0];
}

bool IsLetter(unsigned nCode) {
    if (nCode > 0xFF)
        return _ismbcalpha(nCode) != 0;
    return ::IsCharAlphaA(static_cast<char>(nCode)) != 0;
}

bool IsDigit(unsigned nCode) {
    if (nCode > 0xFF)
        return _ismbcdigit(nCode) != 0;
    return nCode >= '0' && nCode <= '9';
}

// The character converted to lower or upper case, as one or two bytes like the original.
CString ToCase(const CString& strChar, bool bUpper) {
    if (strChar.GetLength() >= 2) {
        const unsigned nCode = bUpper ? _mbctoupper(CodeOf(strChar)) : _mbctolower(CodeOf(strChar));
        const char sz[3] = {static_cast<char>((nCode >> 8) & 0xFF), static_cast<char>(nCode & 0xFF), '\0'};
        return CString(sz);
    }
    char sz[2] = {strChar.IsEmpty() ? '\0' : strChar[0], '\0'};
    if (bUpper)
        ::CharUpperBuffA(sz, 1);
    else
        ::CharLowerBuffA(sz, 1);
    return CString(sz);
}

} // namespace

// ---- the mask ----

void CGEMaskData::ClearMask() {
    m_mask.clear();
    m_literal.clear();
}

void CGEMaskData::SetMask(LPCSTR pszMask) {
    ClearMask();
    if (pszMask == nullptr || *pszMask == '\0') {
        m_nMaxLength = INT_MAX;
        return;
    }
    // Only the positions made count: an escaping backslash makes none.
    bool bEscape = false;
    for (const char* p = pszMask; *p != '\0';) {
        const CString strChar = NextChar(p);
        if (strChar.GetLength() == 2) {
            m_mask.push_back(strChar);
            m_literal.push_back(1);
            bEscape = false;
        } else if (bEscape) {
            m_mask.push_back(strChar);
            m_literal.push_back(1);
            bEscape = false;
        } else if (strChar == "\\") {
            bEscape = true;
        } else {
            m_mask.push_back(strChar);
            m_literal.push_back(IsMaskChar(strChar) ? 0 : 1);
        }
    }
}

BOOL CGEMaskData::IsMaskChar(const CString& strChar) const {
    return strChar.GetLength() == 1 && std::strchr("#&?ALU", strChar[0]) != nullptr;
}

BOOL CGEMaskData::IsLiteral(int nPos) const {
    if (IsFreeText() || nPos < 0 || nPos >= GetPositionCount())
        return FALSE;
    return m_literal[static_cast<size_t>(nPos)] != 0;
}

BOOL CGEMaskData::SetPromptChar(LPCSTR pszPrompt, BOOL bReplace) {
    CString strPrompt = pszPrompt != nullptr ? pszPrompt : "";
    if (strPrompt.GetLength() > 2)
        return FALSE;
    if (strPrompt.GetLength() == 2 && !::IsDBCSLeadByte(static_cast<BYTE>(strPrompt[0])))
        return FALSE;
    if (strPrompt.IsEmpty())
        strPrompt = "_";
    if (bReplace) {
        for (int i = 0; i < GetDataCount(); ++i) {
            if (!IsLiteral(i) && m_data[static_cast<size_t>(i)] == m_strPrompt)
                m_data[static_cast<size_t>(i)] = strPrompt;
        }
    }
    m_strPrompt = strPrompt;
    return TRUE;
}

// ---- the data ----

void CGEMaskData::ResetData() {
    m_data.clear();
    if (IsFreeText())
        return;
    for (size_t i = 0; i < m_mask.size(); ++i)
        m_data.push_back(m_literal[i] != 0 ? m_mask[i] : m_strPrompt);
}

BOOL CGEMaskData::IsFilled(int nPos) const {
    if (nPos < 0 || nPos >= GetDataCount() || IsLiteral(nPos))
        return FALSE;
    return m_data[static_cast<size_t>(nPos)] != m_strPrompt;
}

void CGEMaskData::StoreAt(int nPos, const CString& strChar) {
    if (nPos >= GetDataCount())
        m_data.resize(static_cast<size_t>(nPos) + 1, m_strPrompt);
    m_data[static_cast<size_t>(nPos)] = strChar;
}

void CGEMaskData::GetDisplayText(CString& strResult, int nFirst, int nLast) {
    strResult.Empty();
    const int nEnd = nLast < 0 ? GetDataCount() - 1 : std::min(nLast, GetDataCount() - 1);
    for (int i = std::max(0, nFirst); i <= nEnd; ++i)
        strResult += m_data[static_cast<size_t>(i)];
}

void CGEMaskData::GetValue(CString& strResult, int nFirst, int nLast, BOOL bTrim) {
    if (IsFreeText()) {
        GetDisplayText(strResult, nFirst, nLast);
    } else {
        strResult.Empty();
        const int nCount = std::min(GetPositionCount(), GetDataCount());
        const int nEnd = nLast < 0 ? nCount - 1 : std::min(nLast, nCount - 1);
        for (int i = std::max(0, nFirst); i <= nEnd; ++i) {
            if (IsLiteral(i))
                continue;
            const CString& strData = m_data[static_cast<size_t>(i)];
            strResult += strData == m_strPrompt ? CString(" ") : strData;
        }
    }
    if (bTrim)
        strResult.TrimRight();
}

BOOL CGEMaskData::IsValidChar(int nPos, CString& strChar) {
    if (IsFreeText())
        return TRUE;
    if (nPos < 0 || nPos >= GetPositionCount() || IsLiteral(nPos))
        return FALSE;
    if (strChar == " ") {
        strChar = m_strPrompt;
        return TRUE;
    }
    if (strChar == m_strPrompt)
        return TRUE;
    if (strChar.IsEmpty())
        return FALSE;
    const unsigned nCode = CodeOf(strChar);
    const CString& strMask = m_mask[static_cast<size_t>(nPos)];
    switch (strMask.IsEmpty() ? '\0' : strMask[0]) {
    case '#':
        return IsDigit(nCode);
    case '&':
        return TRUE;
    case '?':
        return IsLetter(nCode);
    case 'A':
        return IsLetter(nCode) || IsDigit(nCode);
    case 'L':
    case 'U':
        if (!IsLetter(nCode))
            return FALSE;
        strChar = ToCase(strChar, strMask[0] == 'U');
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGEMaskData::IsDataValid() {
    if (IsFreeText())
        return GetDataCount() <= m_nMaxLength;
    if (GetDataCount() != GetPositionCount())
        return FALSE;
    for (int i = 0; i < GetPositionCount(); ++i) {
        CString strChar = m_data[static_cast<size_t>(i)];
        if (IsLiteral(i) ? strChar != m_mask[static_cast<size_t>(i)] : !IsValidChar(i, strChar))
            return FALSE;
    }
    return TRUE;
}

// ---- moving ----

int CGEMaskData::GetNextEditPos(int nPos) {
    const int nCount = IsFreeText() ? m_nMaxLength : GetPositionCount();
    if (nCount == 0 || nPos >= nCount)
        return nPos;
    for (int i = std::max(0, nPos + 1); i < nCount; ++i) {
        if (!IsLiteral(i))
            return i;
    }
    return -1;
}

int CGEMaskData::GetPrevEditPos(int nPos) {
    const int nCount = IsFreeText() ? GetDataCount() + 1 : GetPositionCount();
    for (int i = std::min(nPos - 1, nCount - 1); i >= 0; --i) {
        if (!IsLiteral(i))
            return i;
    }
    return -1;
}

int CGEMaskData::GetInputEnd(int nPos) {
    if (IsFreeText())
        return std::min(nPos, GetDataCount());
    if (nPos <= 0)
        return 1;
    const int nCount = GetPositionCount();
    if (nPos >= nCount) {
        const int nBefore = nCount - 1;
        if (IsFilled(nBefore))
            return nPos;
        nPos = nBefore;
    }
    const int nAt = IsLiteral(nPos) ? GetNextEditPos(nPos) : nPos;
    if (IsFilled(nAt))
        return nPos;
    int nWalk = IsLiteral(nPos) ? GetPrevEditPos(nPos) : nPos;
    while (nWalk > 0 && !IsFilled(nWalk))
        nWalk = GetPrevEditPos(nWalk);
    if (nWalk > 0)
        return nWalk + 1;
    return IsFilled(0) ? 1 : GetNextEditPos(-1);
}

// ---- storing ----

int CGEMaskData::PutValue(LPCSTR pszValue, int nStart, BOOL bInsert) {
    if (IsFreeText())
        return PutDisplayText(pszValue, nStart, bInsert);
    if (nStart == -1) {
        ResetData();
        nStart = 0;
    }
    const int nCount = GetPositionCount();
    if (nCount == 0 || nStart < 0 || nStart >= nCount)
        return -1;
    int nPos = nStart;
    if (IsLiteral(nPos)) {
        nPos = GetNextEditPos(nPos);
        if (nPos < 0 || nPos >= nCount)
            return -1;
    }
    for (const char* p = pszValue != nullptr ? pszValue : ""; *p != '\0';) {
        CString strChar = NextChar(p);
        if (IsLiteral(nPos)) {
            nPos = GetNextEditPos(nPos);
            if (nPos < 0) {
                nPos = nCount;
                break;
            }
        }
        if (nPos >= nCount || !IsValidChar(nPos, strChar))
            break;
        if (bInsert) {
            int nNext = -1;
            if (!InsertCharAt(nPos, strChar, nNext))
                break;
        } else {
            StoreAt(nPos, strChar);
        }
        ++nPos;
    }
    return nPos;
}

int CGEMaskData::PutDisplayText(LPCSTR pszText, int nStart, BOOL bInsert) {
    const char* pszSafe = pszText != nullptr ? pszText : "";
    if (nStart == -1) {
        ResetData();
        nStart = 0;
    }
    const BOOL bFree = IsFreeText();
    if (bFree && !bInsert)
        m_data.resize(static_cast<size_t>(nStart + CharCount(pszSafe)));
    const int nCount = GetPositionCount();
    int nPos = std::max(0, nStart);
    for (const char* p = pszSafe; *p != '\0'; ++nPos) {
        if (!bFree && nPos >= nCount)
            break;
        CString strChar = NextChar(p);
        if (IsLiteral(nPos)) {
            if (strChar != m_mask[static_cast<size_t>(nPos)])
                return -1;
            if (!bInsert)
                StoreAt(nPos, strChar);
            continue;
        }
        if (!IsValidChar(nPos, strChar))
            return -1;
        if (bInsert) {
            int nNext = -1;
            if (!InsertCharAt(nPos, strChar, nNext))
                return -1;
        } else {
            StoreAt(nPos, strChar);
        }
    }
    if (!bFree)
        m_data.resize(static_cast<size_t>(nCount), m_strPrompt);
    else if (GetDataCount() > m_nMaxLength)
        m_data.resize(static_cast<size_t>(m_nMaxLength));
    return nPos;
}

BOOL CGEMaskData::InsertCharAt(int nPos, const CString& strChar, int& nNext) {
    nNext = -1;
    if (IsFreeText()) {
        if (GetDataCount() >= m_nMaxLength || nPos < 0 || nPos > GetDataCount())
            return FALSE;
        m_data.insert(m_data.begin() + nPos, strChar);
        nNext = nPos + 1;
        return TRUE;
    }
    const int nCount = GetPositionCount();
    if (nPos < 0 || nPos > nCount)
        return FALSE;
    if (IsLiteral(nPos))
        nPos = GetNextEditPos(nPos);
    if (nPos < 0 || nPos >= nCount)
        return FALSE;
    if (GetDataCount() != nCount)
        m_data.resize(static_cast<size_t>(nCount), m_strPrompt);
    const int nLast = GetPrevEditPos(nCount);
    if (nLast < 0 || IsFilled(nLast))
        return FALSE; // no room at the end
    // Shift the editable positions from the insertion point one place to the right, from the back.
    int nTo = nLast;
    for (int nFrom = GetPrevEditPos(nTo); nFrom >= nPos && nFrom >= 0; nFrom = GetPrevEditPos(nFrom)) {
        m_data[static_cast<size_t>(nTo)] = m_data[static_cast<size_t>(nFrom)];
        nTo = nFrom;
    }
    m_data[static_cast<size_t>(nPos)] = strChar;
    const int nAfter = GetNextEditPos(nPos);
    nNext = nAfter < 0 ? nPos + 1 : nAfter;
    return TRUE;
}

void CGEMaskData::DeleteRange(int nEnd, int nStart) {
    if (IsFreeText()) {
        const int nFrom = std::clamp(nStart, 0, GetDataCount());
        const int nTo = std::clamp(nEnd, nFrom, GetDataCount());
        m_data.erase(m_data.begin() + nFrom, m_data.begin() + nTo);
        return;
    }
    const int nCount = GetPositionCount();
    if (nEnd < 0 || nEnd > nCount || nStart < 0 || GetDataCount() != nCount)
        return;
    if (IsLiteral(nStart))
        nStart = GetNextEditPos(nStart);
    if (nStart < 0 || nStart >= nCount || nEnd < nStart)
        return;
    if (nEnd == nCount)
        nEnd = -1;
    else if (IsLiteral(nEnd))
        nEnd = GetNextEditPos(nEnd);
    while (nEnd >= 0 && nEnd < nCount) {
        m_data[static_cast<size_t>(nStart)] = m_data[static_cast<size_t>(nEnd)];
        nStart = GetNextEditPos(nStart);
        nEnd = GetNextEditPos(nEnd);
    }
    for (int i = nStart; i >= 0 && i < nCount; ++i) {
        if (!IsLiteral(i))
            m_data[static_cast<size_t>(i)] = m_strPrompt;
    }
}

// ---- positions and text indexes ----

int CGEMaskData::TextIndexFromPosition(int nPos) {
    if (!g_bDbcsEnabled || nPos == -1)
        return nPos;
    int nIndex = 0;
    for (int i = 0; i < nPos && i < GetDataCount(); ++i)
        nIndex += m_data[static_cast<size_t>(i)].GetLength();
    return nIndex;
}

int CGEMaskData::PositionFromTextIndex(int nIndex) {
    if (!g_bDbcsEnabled || nIndex == -1)
        return nIndex;
    int nBytes = 0;
    int nPos = 0;
    while (nBytes < nIndex && nPos < GetDataCount())
        nBytes += m_data[static_cast<size_t>(nPos++)].GetLength();
    return nPos;
}
