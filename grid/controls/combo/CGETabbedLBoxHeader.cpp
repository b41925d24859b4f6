#include "grid/controls/combo/CGETabbedLBoxHeader.h"

#include "framework/win/CPaintDC.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/combo/GEDropDown.h"

BEGIN_MESSAGE_MAP(CGETabbedLBoxHeader, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CGETabbedLBoxHeader::CreateHeader() {
    return CreateEx(WS_EX_TOOLWINDOW, GEGetPopupClassName(), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
}

void CGETabbedLBoxHeader::SetLayout(BOOL bShowAll, int nTextCol, int nColCount,
                                    const std::vector<int>& boundaries) {
    m_bShowAll = bShowAll;
    m_nTextCol = nTextCol;
    m_nColCount = nColCount;
    m_boundaries = boundaries;
}

void CGETabbedLBoxHeader::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    CString strTitle = m_strTitle;
    if (m_bShowAll && m_nTextCol > 0) {
        const int nTab = strTitle.Find('\t');
        strTitle = nTab >= 0 ? strTitle.Mid(nTab + 1) : CString();
    }
    const int nLast = m_bShowAll ? std::min<int>(m_nColCount, static_cast<int>(m_boundaries.size())) : 0;
    int left = client.left;
    for (int i = 0; i <= nLast; ++i) {
        const int right = i < nLast ? client.left + m_boundaries[i] - 1 : client.right;
        CRect box(left, client.top, right, client.bottom);
        dc.DrawEdge(&box, BDR_RAISEDINNER, BF_RECT);
        const CString strField = CopyTabField(strTitle, i);
        CRect inner = box;
        inner.DeflateRect(1, 1);
        if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strField))
            pDIB->Draw(&dc, inner, CGEDIB::alignCenter | CGEDIB::alignVCenter);
        else
            dc.DrawText(strField, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        left = right + 1;
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
}
