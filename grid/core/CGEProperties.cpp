#include "grid/core/CGEProperties.h"

#include "framework/core/CArchive.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractGridDocSerializeImp.h"
#include "grid/core/CGEAbstractGridParamCopyOperatorImp.h"
#include "grid/core/CGEAbstractGridProfileImp.h"
#include "grid/core/CGEAbstractGridPrintImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStyle.h"

IMPLEMENT_SERIAL(CGEProperties, CObject, 3)

namespace {

// A system-colour reference as the colour table keeps it: 254 - index in the high byte.
constexpr DWORD SysColorRef(int nIndex) {
    return static_cast<DWORD>(254 - nIndex) << 24;
}

// The print feature of a grid that uses these properties; null without one.
CGEAbstractGridPrintImp* PrintImpFor(const CGEProperties* pProps) {
    CGEGridCore* pGrid = GEGetLibraryState()->GetFirstGridForObject(pProps);
    return pGrid != nullptr ? pGrid->m_pPrintImp : nullptr;
}

} // namespace

CGEProperties::CGEProperties() : m_pHeaderData(new CGEData), m_pFooterData(new CGEData) {
    // Grid lines, fixed lines, tracking line, dragging line, background.
    for (DWORD dwColor : {SysColorRef(COLOR_GRAYTEXT), SysColorRef(COLOR_ACTIVECAPTION),
                          DWORD{RGB(255, 0, 0)}, DWORD{RGB(255, 0, 0)}, SysColorRef(COLOR_BTNFACE)})
        m_ColorTable.Add(dwColor);
    for (LPCSTR pszToken : {"$F", "$A", "$P", "$N", "$D", "$R"}) {
        m_TokenNames.Add(pszToken);
        m_TokenValues.Add("");
    }
    m_pHeaderData->StoreRowCount(10);
    m_pHeaderData->StoreColCount(3);
    m_pFooterData->StoreRowCount(10);
    m_pFooterData->StoreColCount(3);
}

CGEProperties::~CGEProperties() = default;

namespace {

template <class TArray> void CopyArray(TArray& dst, const TArray& src) {
    dst.RemoveAll();
    dst.Append(src);
}

} // namespace

CGEProperties& CGEProperties::operator=(const CGEProperties& src) {
    if (this != &src) {
        if (CGEAbstractGridParamCopyOperatorImp* pImp = GEGetLibraryState()->m_pParamCopyOperatorImp)
            pImp->CopyProperties(*this, src);
    }
    return *this;
}

void CGEProperties::CopyFrom(const CGEProperties& src) {
    if (this == &src)
        return;
    m_strSection = src.m_strSection;
    m_nZoom = src.m_nZoom;
    m_b3dHeaders = src.m_b3dHeaders;
    m_b3dLook = src.m_b3dLook;
    m_bDisplayVertLines = src.m_bDisplayVertLines;
    m_bDisplayHorzLines = src.m_bDisplayHorzLines;
    m_bMarkRowHeader = src.m_bMarkRowHeader;
    m_bMarkColHeader = src.m_bMarkColHeader;
    m_bFrozenRowLine = src.m_bFrozenRowLine;
    m_bFrozenColLine = src.m_bFrozenColLine;
    m_bPrinting = src.m_bPrinting;
    m_bBlackWhite = src.m_bBlackWhite;
    m_bPrintColors = src.m_bPrintColors;
    m_bPrintVertLines = src.m_bPrintVertLines;
    m_bPrintHorzLines = src.m_bPrintHorzLines;
    m_bPrintFrozenRowLine = src.m_bPrintFrozenRowLine;
    m_bPrintFrozenColLine = src.m_bPrintFrozenColLine;
    m_bPrintRowHeaders = src.m_bPrintRowHeaders;
    m_bPrintColHeaders = src.m_bPrintColHeaders;
    m_bDisplayOption1 = src.m_bDisplayOption1;
    m_bDisplayOption2 = src.m_bDisplayOption2;
    CopyArray(m_ColorTable, src.m_ColorTable);
    CopyArray(m_ColorNames, src.m_ColorNames);
    m_nLeftMargin = src.m_nLeftMargin;
    m_nTopMargin = src.m_nTopMargin;
    m_nRightMargin = src.m_nRightMargin;
    m_nBottomMargin = src.m_nBottomMargin;
    m_nHeaderDistance = src.m_nHeaderDistance;
    m_nFooterDistance = src.m_nFooterDistance;
    m_nFirstPage = src.m_nFirstPage;
    m_nPageOrder = src.m_nPageOrder;
    m_bCenterHorizontal = src.m_bCenterHorizontal;
    m_bCenterVertical = src.m_bCenterVertical;
    m_bPrintFrame = src.m_bPrintFrame;
    CopyArray(m_ColBreaks, src.m_ColBreaks);
    CopyArray(m_RowBreaks, src.m_RowBreaks);
    *m_pHeaderData = *src.m_pHeaderData;
    *m_pFooterData = *src.m_pFooterData;
    CopyArray(m_TokenNames, src.m_TokenNames);
    CopyArray(m_TokenValues, src.m_TokenValues);
    m_mapUserProperties.clear();
    for (const auto& [nId, entry] : src.m_mapUserProperties) {
        UserProperty& copy = m_mapUserProperties[nId];
        copy.nId = entry.nId;
        copy.strName = entry.strName;
        copy.pStyle.reset(entry.pStyle != nullptr ? entry.pStyle->Clone() : nullptr);
    }
}

void CGEProperties::AddDefaults() {
    m_ColorNames.RemoveAll();
    for (UINT nId : {GE_IDS_COLOR_GRIDLINES, GE_IDS_COLOR_FIXEDLINES, GE_IDS_COLOR_TRACKINGLINE,
                     GE_IDS_COLOR_DRAGGINGLINE, GE_IDS_COLOR_BACKGROUND}) {
        CString strName;
        strName.LoadString(nId);
        m_ColorNames.Add(strName);
    }
    AddUserProperty(GE_IDS_PROP_CURRENTCELL, nullptr);
}

void CGEProperties::Serialize(CArchive& ar) {
    if (CGEAbstractGridDocSerializeImp* pImp = GEGetLibraryState()->m_pDocSerializeImp)
        pImp->SerializeProperties(this, ar);
}

void CGEProperties::WriteProfile() const {
    if (CGEAbstractGridProfileImp* pImp = GEGetLibraryState()->m_pProfileImp)
        pImp->WriteProperties(const_cast<CGEProperties*>(this));
}

BOOL CGEProperties::ReadProfile() {
    CGEAbstractGridProfileImp* pImp = GEGetLibraryState()->m_pProfileImp;
    return pImp != nullptr ? pImp->ReadProperties(this) : FALSE;
}

COLORREF CGEProperties::GetColorValue(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_ColorTable.GetSize())
        return RGB(0, 0, 0);
    const DWORD dw = m_ColorTable[nIndex];
    const BYTE nKind = static_cast<BYTE>(dw >> 24);
    if (nKind >= 65)
        return ::GetSysColor(254 - nKind);
    return dw & 0x00FFFFFF;
}

void CGEProperties::SetColor(int nIndex, DWORD dwEncodedColor) {
    if (nIndex >= 0)
        m_ColorTable.SetAtGrow(nIndex, dwEncodedColor);
}

void CGEProperties::AddUserProperty(WORD nId, LPCSTR pszName, const CGEStyle* pStyle) {
    UserProperty& entry = m_mapUserProperties[nId];
    if (entry.pStyle != nullptr)
        return;
    entry.nId = nId;
    if (pszName != nullptr)
        entry.strName = pszName;
    else
        entry.strName.LoadString(nId);
    entry.pStyle.reset(pStyle != nullptr ? pStyle->Clone() : new CGEStyle);
}

CString CGEProperties::GetUserProperty(WORD nId) const {
    const auto found = m_mapUserProperties.find(nId);
    if (found == m_mapUserProperties.end() || found->second.pStyle == nullptr ||
        !found->second.pStyle->GetIncludeValue())
        return CString();
    return found->second.pStyle->GetValue();
}

void CGEProperties::SetUserProperty(WORD nId, LPCSTR pszValue) {
    AddUserProperty(nId, nullptr);
    m_mapUserProperties[nId].pStyle->SetValue(pszValue);
}

void CGEProperties::PrintHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGEGridParam* pParam) {
    if (CGEAbstractGridPrintImp* pImp = PrintImpFor(this))
        pImp->PrintHeaderAndFooter(this, pDC, pInfo, pDoc, pParam);
}

int CGEProperties::CalcHeaderFooterHeight(CDC* pDC, CGEData* pBlock, CGEStylesMap* pStyles) {
    CGEAbstractGridPrintImp* pImp = PrintImpFor(this);
    return pImp != nullptr ? pImp->CalcHeaderFooterHeight(this, pDC, pBlock, pStyles) : 0;
}

void CGEProperties::DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo, const CRect& rect, CGEData* pBlock,
                                     CGEStylesMap* pStyles) {
    if (CGEAbstractGridPrintImp* pImp = PrintImpFor(this))
        pImp->DrawHeaderFooter(this, pDC, pInfo, rect, pBlock, pStyles);
}

CString CGEProperties::SubstTokenText(const CString& strText) {
    CGEAbstractGridPrintImp* pImp = PrintImpFor(this);
    return pImp != nullptr ? pImp->SubstTokenText(this, strText) : CString();
}

CString CGEProperties::GetTokenValue(CString& strToken, CString& strRest) {
    CGEAbstractGridPrintImp* pImp = PrintImpFor(this);
    return pImp != nullptr ? pImp->GetTokenValue(this, strToken, strRest) : CString();
}

CString CGEProperties::ParseTokenArgument(CString& strRest) {
    CGEAbstractGridPrintImp* pImp = PrintImpFor(this);
    return pImp != nullptr ? pImp->ParseTokenArgument(this, strRest) : CString();
}
