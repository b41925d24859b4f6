#include "grid/controls/GETextSearch.h"

#include "grid/core/CGEFindReplaceState.h"

#include <mbstring.h>

#include <cstring>

int GEFindFrom(const CString& strText, const CString& strFind, int nStart) {
    if (strFind.IsEmpty() || nStart < 0)
        return -1;
    const auto* p = reinterpret_cast<const unsigned char*>(strText.GetString());
    int i = 0;
    while (i < nStart && p[i] != 0)
        i += _ismbblead(p[i]) && p[i + 1] != 0 ? 2 : 1;
    for (; i + strFind.GetLength() <= strText.GetLength(); i += _ismbblead(p[i]) && p[i + 1] != 0 ? 2 : 1) {
        if (std::strncmp(strText.GetString() + i, strFind, static_cast<size_t>(strFind.GetLength())) == 0)
            return i;
    }
    return -1;
}

CString GESearchCopy(const CString& strText, const CGEFindReplaceState& state) {
    CString strCopy = strText;
    if (!state.m_bMatchCase)
        strCopy.MakeUpper();
    return strCopy;
}

CString GEReplaceFrom(const CString& strText, const CGEFindReplaceState& state, int nStart, int* pnCount) {
    const CString strSearch = GESearchCopy(strText, state);
    CString strResult = strText.Left(nStart);
    int nPos = nStart;
    int nCount = 0;
    for (int nFound = GEFindFrom(strSearch, state.m_strFindCompare, nPos); nFound >= 0;
         nFound = GEFindFrom(strSearch, state.m_strFindCompare, nPos)) {
        strResult += strText.Mid(nPos, nFound - nPos);
        strResult += state.m_strReplace;
        nPos = nFound + state.m_strFindCompare.GetLength();
        ++nCount;
    }
    strResult += strText.Mid(nPos);
    *pnCount = nCount;
    return strResult;
}
