#include "grid/controls/GEChoiceList.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <windows.h>

int CutFirstLine(CString& strSource, CString& strLine) {
    const int nBreak = strSource.FindOneOf("\r\n");
    if (nBreak < 0) {
        strLine = strSource;
        strSource.Empty();
        return -1;
    }
    strLine = strSource.Left(nBreak);
    const int nSkip = strSource[nBreak] == '\r' && strSource[nBreak + 1] == '\n' ? 2 : 1;
    strSource = strSource.Mid(nBreak + nSkip);
    return nBreak;
}

int CountChoiceListLines(LPCSTR pszList) {
    CString strRest(pszList);
    CString strLine;
    int nCount = 0;
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        ++nCount;
    }
    return nCount;
}

std::vector<CString> GetChoiceListLines(LPCSTR pszList, BOOL bSkipEmpty) {
    std::vector<CString> lines;
    CString strRest(pszList);
    CString strLine;
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        if (!bSkipEmpty || !strLine.IsEmpty())
            lines.push_back(strLine);
    }
    return lines;
}

CString CopyTabField(LPCSTR pszLine, int nField, int nMax) {
    if (pszLine == nullptr || nField < 0)
        return CString();
    const char* p = pszLine;
    for (int i = 0; i < nField; ++i) {
        p = std::strchr(p, '\t');
        if (p == nullptr)
            return CString();
        ++p;
    }
    const char* pEnd = std::strchr(p, '\t');
    const int nLength = pEnd != nullptr ? static_cast<int>(pEnd - p) : static_cast<int>(std::strlen(p));
    return CString(p, std::min(nLength, std::max(nMax, 0)));
}

BOOL GEStartsWithNoCase(LPCSTR pszText, LPCSTR pszPrefix) {
    const CString strText(pszText);
    const CString strPrefix(pszPrefix);
    if (strPrefix.GetLength() > strText.GetLength())
        return FALSE;
    return strText.Left(strPrefix.GetLength()).CompareNoCase(strPrefix) == 0;
}

int FindChoiceListEntry(LPCSTR pszText, int nColumn, LPCSTR pszList, BOOL bSkipHeader, CString& strLine,
                        BOOL bExact) {
    strLine.Empty();
    const CString strText(pszText);
    CString strRest(pszList);
    CString strCandidate;
    if (bSkipHeader && !strRest.IsEmpty())
        CutFirstLine(strRest, strCandidate);
    for (int nIndex = 0; !strRest.IsEmpty(); ++nIndex) {
        CutFirstLine(strRest, strCandidate);
        const CString strField = CopyTabField(strCandidate, nColumn);
        const BOOL bMatch = bExact ? strField == strText : GEStartsWithNoCase(strField, strText);
        if (bMatch) {
            strLine = strCandidate;
            return nIndex;
        }
    }
    return -1;
}

CString SortChoiceList(LPCSTR pszList, int nColumn, BOOL bKeepHeader) {
    CString strRest(pszList);
    CString strLine;
    std::vector<CString> lines;
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        lines.push_back(strLine);
    }
    const auto first = lines.begin() + (bKeepHeader && !lines.empty() ? 1 : 0);
    std::stable_sort(first, lines.end(), [nColumn](const CString& a, const CString& b) {
        return CopyTabField(a, nColumn).CompareNoCase(CopyTabField(b, nColumn)) < 0;
    });
    CString strResult;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            strResult += "\r\n";
        strResult += lines[i];
    }
    return strResult;
}
