// Printing of a grid: the header and footer blocks and their tokens.
#include "grid/features/CGEGridPrintImp.h"

#include "framework/win/CDC.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFont.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CWinApp.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <cstring>
#include <ctime>

namespace {

constexpr ROWCOL kBlockLines = 10;
constexpr ROWCOL kBlockColumns = 3;
// Left, centre and right column of a block; never clipped, no prefix characters.
constexpr UINT kColumnFormats[kBlockColumns] = {DT_LEFT | DT_NOCLIP | DT_NOPREFIX,
                                                DT_CENTER | DT_NOCLIP | DT_NOPREFIX,
                                                DT_RIGHT | DT_NOCLIP | DT_NOPREFIX};
constexpr int kColumnInset = 8;
constexpr int kTokenDate = 4;

// The standard style of a styles map, or null.
const CGEStyle* StandardStyle(CGEStylesMap* pStyles) {
    if (pStyles == nullptr)
        return nullptr;
    pStyles->UpdateStandardStyleIds();
    return pStyles->LookupStyle(pStyles->m_nStandardStyleId);
}

LOGFONTA LogFontOf(const CGEStyle* pStyle) {
    LOGFONTA lf{};
    if (pStyle != nullptr && pStyle->GetIncludeFont())
        pStyle->GetFont().GetLogFont(lf, 100);
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    return lf;
}

// One line of a block: its style over the standard style, and its font selected for as long as the
// object lives when it differs from the standard one (the DC's font stays when none can be made).
class BlockLine {
public:
    BlockLine(CDC* pDC, const CGEStyle& lineStyle, const CGEStyle* pStandard, const LOGFONTA& lfStandard)
        : m_pDC(pDC) {
        if (pStandard != nullptr)
            m_style.MergeFrom(*pStandard, geCopy);
        m_style.MergeFrom(lineStyle, geOverride);
        const LOGFONTA lf = LogFontOf(&m_style);
        if (std::memcmp(&lf, &lfStandard, sizeof lf) != 0 && m_font.CreateFontIndirect(&lf))
            m_pOld = pDC->SelectObject(&m_font);
    }
    ~BlockLine() {
        if (m_pOld != nullptr)
            m_pDC->SelectObject(m_pOld);
    }
    BlockLine(const BlockLine&) = delete;
    BlockLine& operator=(const BlockLine&) = delete;

    // The height of "X" in the line's font.
    int Height() const { return m_pDC->GetTextExtent("X", 1).cy; }

private:
    CDC* m_pDC;
    CGEStyle m_style;
    CFont m_font;
    CFont* m_pOld = nullptr;
};

// Each valid conversion of the C library's strftime (with the '#' flag); an unknown one would end the
// program through the library's invalid-parameter handler, and the format comes from stored documents.
bool IsKnownDateFormat(const CString& strFormat) {
    static const char kConversions[] = "aAbBcdHIjmMpSUwWxXyYzZ%";
    const char* p = strFormat;
    while (*p != '\0') {
        if (*p++ != '%')
            continue;
        if (*p == '#')
            ++p;
        if (*p == '\0' || std::strchr(kConversions, *p) == nullptr)
            return false;
        ++p;
    }
    return true;
}

} // namespace

CString GEFormatPrintDate(const CString& strFormat) {
    const CString format = strFormat.IsEmpty() ? CString("%c") : strFormat;
    if (!IsKnownDateFormat(format))
        return CString();
    const std::time_t now = std::time(nullptr);
    const std::tm* pLocal = std::localtime(&now);
    char buffer[256] = {};
    if (pLocal == nullptr || std::strftime(buffer, 255, format, pLocal) == 0)
        return CString();
    return CString(buffer);
}

void CGEGridPrintImp::PrintHeaderAndFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo* pInfo,
                                           CDocument* pDoc, CGEGridParam* pParam) {
    if (pProps == nullptr || pDC == nullptr)
        return;
    CStringArray& values = pProps->m_TokenValues;
    if (values.GetSize() < pProps->m_TokenNames.GetSize())
        values.SetSize(pProps->m_TokenNames.GetSize());
    auto setValue = [&values](INT_PTR nIndex, const CString& str) {
        if (nIndex < values.GetSize())
            values[nIndex] = str;
    };
    setValue(0, pDoc != nullptr ? pDoc->GetPathName() : CString());
    const LPCSTR pszApp = AfxGetAppName();
    setValue(1, pszApp != nullptr ? CString(pszApp) : CString());
    if (pInfo != nullptr) {
        CString str;
        str.Format("%d", static_cast<int>(pInfo->GetMaxPage()));
        setValue(3, str);
        const UINT nPage = pProps->m_nFirstPage != 0xFFFFFFFF
                               ? pInfo->m_nCurPage - pInfo->GetMinPage() + pProps->m_nFirstPage
                               : pInfo->m_nCurPage;
        str.Format("%d", static_cast<int>(nPage));
        setValue(2, str);
    }
    setValue(5, pParam != nullptr ? pParam->m_strName : CString());

    CGEStylesMap* pStyles = pParam != nullptr ? pParam->GetStylesMap() : nullptr;
    const CRect page = [pDC] {
        CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&rect);
        return rect;
    }();
    CRect header(page.left, pProps->m_nHeaderDistance, page.right, page.bottom);
    if (pInfo != nullptr) {
        header.left = pInfo->m_rectDraw.left;
        header.right = pInfo->m_rectDraw.right;
        header.bottom = pInfo->m_rectDraw.top;
    }
    DrawHeaderFooter(pProps, pDC, pInfo, header, pProps->m_pHeaderData.get(), pStyles);

    CRect footer = page;
    footer.bottom -= pProps->m_nFooterDistance;
    if (pInfo != nullptr) {
        footer.left = pInfo->m_rectDraw.left;
        footer.right = pInfo->m_rectDraw.right;
        const int nTop =
            footer.bottom - CalcHeaderFooterHeight(pProps, pDC, pProps->m_pFooterData.get(), pStyles);
        footer.top = pInfo->m_rectDraw.bottom <= nTop ? nTop : pInfo->m_rectDraw.bottom;
    }
    DrawHeaderFooter(pProps, pDC, pInfo, footer, pProps->m_pFooterData.get(), pStyles);
}

int CGEGridPrintImp::CalcHeaderFooterHeight(CGEProperties*, CDC* pDC, CGEData* pBlock,
                                            CGEStylesMap* pStyles) {
    if (pDC == nullptr || pBlock == nullptr)
        return 0;
    const CGEStyle* pStandard = StandardStyle(pStyles);
    const LOGFONTA lfStandard = LogFontOf(pStandard);
    int nHighest = 0;
    for (ROWCOL nCol = 1; nCol <= kBlockColumns; ++nCol) {
        int nSum = 0;
        for (ROWCOL nLine = 1; nLine <= kBlockLines; ++nLine) {
            const CGEStyle* pStyle = pBlock->LookupStyle(nLine, nCol);
            if (pStyle == nullptr || !pStyle->GetIncludeValue() || pStyle->GetValue().IsEmpty())
                continue;
            nSum += BlockLine(pDC, *pStyle, pStandard, lfStandard).Height();
        }
        nHighest = std::max(nHighest, nSum);
    }
    return nHighest;
}

void CGEGridPrintImp::DrawHeaderFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo*, const CRect& rect,
                                       CGEData* pBlock, CGEStylesMap* pStyles) {
    if (pDC == nullptr || pBlock == nullptr)
        return;
    const CGEStyle* pStandard = StandardStyle(pStyles);
    const LOGFONTA lfStandard = LogFontOf(pStandard);
    CGEDrawingAndFormatting* pDraw = CGEDrawingAndFormatting::GetInstance();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    for (ROWCOL nCol = 1; nCol <= kBlockColumns; ++nCol) {
        CRect rectLine(rect.left + kColumnInset, rect.top, rect.right - kColumnInset, rect.bottom);
        for (ROWCOL nLine = 1; nLine <= kBlockLines; ++nLine) {
            const CGEStyle* pStyle = pBlock->LookupStyle(nLine, nCol);
            if (pStyle == nullptr || !pStyle->GetIncludeValue() || pStyle->GetValue().IsEmpty())
                continue;
            const BlockLine line(pDC, *pStyle, pStandard, lfStandard);
            const CString strText = SubstTokenText(pProps, pStyle->GetValue());
            pDraw->DrawText(pDC, strText, strText.GetLength(), rectLine, kColumnFormats[nCol - 1]);
            rectLine.top += line.Height();
        }
    }
    pDC->SetBkMode(nOldMode);
}

CString CGEGridPrintImp::SubstTokenText(CGEProperties* pProps, const CString& strText) {
    if (pProps == nullptr)
        return strText;
    CString strResult;
    CString strRest = strText;
    while (!strRest.IsEmpty()) {
        BOOL bReplaced = FALSE;
        for (INT_PTR i = 0; i < pProps->m_TokenNames.GetSize(); ++i) {
            CString strToken = pProps->m_TokenNames[i];
            if (strToken.IsEmpty() || strRest.Left(strToken.GetLength()) != strToken)
                continue;
            strRest = strRest.Mid(strToken.GetLength());
            strResult += GetTokenValue(pProps, strToken, strRest);
            bReplaced = TRUE;
            break;
        }
        if (!bReplaced) {
            strResult += strRest[0];
            strRest = strRest.Mid(1);
        }
    }
    return strResult;
}

CString CGEGridPrintImp::GetTokenValue(CGEProperties* pProps, CString& strToken, CString& strRest) {
    if (pProps == nullptr)
        return CString();
    INT_PTR nIndex = -1;
    for (INT_PTR i = 0; i < pProps->m_TokenNames.GetSize() && nIndex < 0; ++i) {
        if (pProps->m_TokenNames[i] == strToken)
            nIndex = i;
    }
    if (nIndex == kTokenDate)
        return GEFormatPrintDate(ParseTokenArgument(pProps, strRest));
    if (nIndex < 0 || nIndex >= pProps->m_TokenValues.GetSize())
        return CString();
    return pProps->m_TokenValues[nIndex];
}

CString CGEGridPrintImp::ParseTokenArgument(CGEProperties*, CString& strRest) {
    if (strRest.IsEmpty() || strRest[0] != '{')
        return CString();
    const int nClose = strRest.Find('}');
    if (nClose < 0)
        return CString();
    const CString strArgument = strRest.Mid(1, nClose - 1);
    strRest = strRest.Mid(nClose + 1);
    return strArgument;
}
