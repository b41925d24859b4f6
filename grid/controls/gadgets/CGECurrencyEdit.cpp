// The currency cell: construction, attributes, formats, values and storing.
#include "grid/controls/gadgets/CGECurrencyEdit.h"

#include "framework/core/CResourceException.h"
#include "grid/GridResource.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <cstdio>
#include <memory>
#include <cstdlib>
#include <string>

IMPLEMENT_DYNAMIC(CGECurrencyEdit, CGEBCurrencyEdit)

const CGEControlClass CGECurrencyEdit::controlClass = {"CGECurrencyEdit", &CGEStatic::controlClass};

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

// An attribute counts when its text is not empty.
BOOL Attribute(const CGEStyle& style, UINT nId, CString& strValue) {
    if (!style.HasUserAttribute(nId))
        return FALSE;
    strValue = style.GetUserAttribute(nId).GetValueText();
    return !strValue.IsEmpty();
}

// The style of a cell composed by the grid, released with the scope.
class ComposedStyle {
public:
    ComposedStyle(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
        : m_pGrid(pGrid), m_pStyle(pGrid->CreateStyle()) {
        pGrid->ComposeStyleRowCol(nRow, nCol, m_pStyle);
    }
    ~ComposedStyle() { m_pGrid->RecycleStyle(m_pStyle); }
    ComposedStyle(const ComposedStyle&) = delete;
    ComposedStyle& operator=(const ComposedStyle&) = delete;
    const CGEStyle& Get() const { return *m_pStyle; }

private:
    CGEGridCore* m_pGrid;
    CGEStyle* m_pStyle;
};

} // namespace

CGECurrencyEdit::CGECurrencyEdit(CGEGridCore* pGrid, UINT nID) : CGEStatic(pGrid), m_nWindowId(nID) {}

CGECurrencyEdit::~CGECurrencyEdit() {
    if (CGEBCurrencyEdit::GetSafeHwnd() != nullptr)
        DestroyWindow();
    if (m_hidden.GetSafeHwnd() != nullptr)
        m_hidden.DestroyWindow();
}

void CGECurrencyEdit::AddUserAttributes(CGEStylesMap& stylesMap) {
    CGEStyle attributes;
    attributes.SetControl(GE_IDS_CTRL_MASKEDIT).SetUserAttribute(GE_IDS_UA_MASKEDIT_MASK, "##AAAA#");
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_ATTRIBUTES, &attributes);
    const auto choices = [](UINT nList) {
        CString strList;
        if (!strList.LoadString(nList))
            AfxThrowResourceException();
        CGEStyle style;
        style.SetControl(GE_IDS_CTRL_ZEROBASED_EX).SetChoiceList(strList);
        return style;
    };
    const CGEStyle positive = choices(GE_IDS_CHOICES_CURRENCY_POSITIVE);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_POSITIVE, &positive);
    const CGEStyle negative = choices(GE_IDS_CHOICES_CURRENCY_NEGATIVE);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_NEGATIVE, &negative);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_INTDIGITS);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_FRACDIGITS);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_SYMBOL);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_SEPARATORS);
    stylesMap.AddUserAttribute(GE_IDS_UA_CURRENCY_CALCBUTTON);
}

BOOL CGECurrencyEdit::WantsCalculatorButton(const CGEStyle& style) {
    CString strValue;
    if (!Attribute(style, GE_IDS_UA_CURRENCY_ATTRIBUTES, strValue))
        return FALSE;
    if (strValue.GetLength() != 4)
        strValue = "11 1";
    return strValue[3] != '0';
}

void CGECurrencyEdit::ApplyStyle(CGEBCurrencyEdit* pTarget, const CGEStyle& style) {
    if (pTarget == nullptr)
        pTarget = this;
    CGEBCurrencyFormat format(TRUE);
    format.m_bOverflowMode = pTarget->m_bOverflowMode;
    format.m_bFillBeforeGroup = pTarget->m_bFillBeforeGroup;
    CString strValue;
    if (Attribute(style, GE_IDS_UA_CURRENCY_ATTRIBUTES, strValue)) {
        if (strValue.GetLength() != 4)
            strValue = "11 1";
        format.m_bLeadingZero = strValue[0] == '1';
        format.m_bDecimalLine = strValue[1] == '1';
        format.SetFillChar(strValue[2]);
    }
    if (Attribute(style, GE_IDS_UA_CURRENCY_POSITIVE, strValue))
        format.SetPositiveFormat(std::atoi(strValue));
    if (Attribute(style, GE_IDS_UA_CURRENCY_NEGATIVE, strValue))
        format.SetNegativeFormat(std::atoi(strValue));
    if (Attribute(style, GE_IDS_UA_CURRENCY_INTDIGITS, strValue))
        format.m_nIntDigits = std::atoi(strValue);
    if (Attribute(style, GE_IDS_UA_CURRENCY_FRACDIGITS, strValue))
        format.m_nFracDigits = std::atoi(strValue);
    if (Attribute(style, GE_IDS_UA_CURRENCY_SYMBOL, strValue))
        format.m_strSymbol = strValue == "0" ? CString() : strValue;
    if (Attribute(style, GE_IDS_UA_CURRENCY_SEPARATORS, strValue)) {
        if (strValue.GetLength() != 2)
            strValue = ",.";
        format.m_cThousandSep = strValue[0] == '0' ? '\0' : strValue[0];
        format.m_cDecimalSep = strValue[1];
    }
    pTarget->SetFormat(format);
}

BOOL CGECurrencyEdit::CreateWindows(DWORD dwStyle) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    RegisterWindowClass();
    dwStyle &= ~static_cast<DWORD>(ES_MULTILINE | ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD | ES_AUTOVSCROLL |
                                   ES_NOHIDESEL | ES_WANTRETURN);
    BOOL bResult = TRUE;
    if (!HasWindow())
        bResult = Create(WS_CHILD | dwStyle, RECT{0, 0, 0, 0}, pGridWnd, m_nWindowId);
    if (m_hidden.GetSafeHwnd() == nullptr)
        bResult = m_hidden.Create(WS_CHILD | dwStyle, RECT{0, 0, 0, 0}, pGridWnd, m_nWindowId + 4) && bResult;
    return bResult;
}

BOOL CGECurrencyEdit::ParseStoredValue(CGEBCurrencyFormat& format, LPCSTR pszValue, double& dAbsolute,
                                       BOOL& bNegative) {
    CString strValue = pszValue != nullptr ? pszValue : "";
    // Stored amounts use the C locale's point.
    if (format.m_cDecimalSep != 0 && format.m_cDecimalSep != '.')
        strValue.Replace('.', format.m_cDecimalSep);
    return format.Parse(strValue, dAbsolute, bNegative);
}

CString CGECurrencyEdit::StorageText(const CGEBCurrencyFormat& format, double dAbsolute, BOOL bNegative) {
    const int nFrac = format.m_nFracDigits < 0 ? 0 : format.m_nFracDigits;
    const double dSigned = bNegative && dAbsolute != 0.0 ? -dAbsolute : dAbsolute;
    char szText[400];
    std::snprintf(szText, sizeof(szText), "%.*f", nFrac > 20 ? 20 : nFrac, dSigned);
    return CString(szText);
}

BOOL CGECurrencyEdit::ReadCellAmount(const CGEStyle& style, LPCSTR pszValue, CGEBCurrencyFormat& format,
                                     double& dAbsolute, BOOL& bNegative) {
    ApplyStyle(&m_hidden, style);
    m_hidden.GetFormat(format);
    return ParseStoredValue(format, pszValue, dAbsolute, bNegative);
}

BOOL CGECurrencyEdit::IsCellReadOnly() {
    return CGEStatic::IsReadOnly();
}

// ---- the editor's state ----

void CGECurrencyEdit::SetActive(BOOL bActive) {
    m_bActive = bActive && HasWindow();
}

void CGECurrencyEdit::Init(ROWCOL nRow, ROWCOL nCol) {
    m_bUpdating = TRUE;
    CGEStatic::Init(nRow, nCol);
    if (!HasWindow())
        CreateWindows(0);
    const CGEStyle& style = GetCellStyle();
    ApplyStyle(this, style);
    SetCurrentText(style.GetValue());
    const UINT nAlign = style.GetIncludeHorizontalAlignment() ? style.GetHorizontalAlignment() : DT_LEFT;
    SetAlignment(nAlign == DT_CENTER ? 1 : nAlign == DT_RIGHT ? 2 : 0);
    if (HasWindow()) {
        SetSel(0, 0);
        CGEGridParam* pParam = m_pGrid->GetParam();
        if (pParam != nullptr && (pParam->m_wActivateFlags & 4) != 0 && OnStartEditing())
            SetActive(TRUE);
    }
    m_bUpdating = FALSE;
    SetModify(FALSE);
}

BOOL CGECurrencyEdit::Store() {
    CString strText;
    if (!m_bBound || !GetModify() || !GetCurrentText(strText))
        return TRUE;
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strText, geOverride,
                                      m_pGrid->m_nCurrentCommandType, GE_INVALIDATE);
}

BOOL CGECurrencyEdit::GetValue(CString& strResult) {
    strResult.Empty();
    if (m_bActive) {
        GetWindowText(strResult);
        return TRUE;
    }
    if (!m_bBound)
        return FALSE;
    return GetControlText(strResult, m_nRow, m_nCol, nullptr, GetCellStyle());
}

void CGECurrencyEdit::SetValue(LPCSTR pszValue) {
    if (m_bBound && HasWindow())
        SetWindowText(pszValue != nullptr ? pszValue : "");
}

BOOL CGECurrencyEdit::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    CGEBCurrencyFormat format;
    GetFormat(format);
    const double dAmount =
        format.m_nIntDigits != -1 ? format.CutIntegerDigits(m_model.GetAmount()) : m_model.GetAmount();
    strResult = StorageText(format, dAmount, m_model.IsNegative());
    return TRUE;
}

void CGECurrencyEdit::SetCurrentText(const CString& str) {
    CString strText;
    GetControlText(strText, m_nRow, m_nCol, str, GetCellStyle());
    if (HasWindow()) {
        if (str.IsEmpty() || strText.IsEmpty())
            SetAmount(0.0, FALSE, TRUE);
        else
            SetWindowText(strText);
    }
}

BOOL CGECurrencyEdit::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                     const CGEStyle& style) {
    strResult.Empty();
    const CString strValue = pszValue != nullptr ? CString(pszValue) : style.GetValue();
    if (strValue.IsEmpty())
        return FALSE;
    CGEBCurrencyFormat format;
    double dAmount = 0.0;
    BOOL bNegative = FALSE;
    if (!ReadCellAmount(style, strValue, format, dAmount, bNegative))
        return FALSE;
    format.FormatValue(dAmount, strResult, bNegative);
    return !strResult.IsEmpty();
}

BOOL CGECurrencyEdit::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                                const CGEStyle* pOldStyle) {
    if (str.IsEmpty())
        return TRUE;
    std::unique_ptr<ComposedStyle> pComposed;
    if (pOldStyle == nullptr) {
        pComposed = std::make_unique<ComposedStyle>(m_pGrid, nRow, nCol);
        pOldStyle = &pComposed->Get();
    }
    ApplyStyle(&m_hidden, *pOldStyle);
    CGEBCurrencyFormat format;
    m_hidden.GetFormat(format);
    double dAmount = 0.0;
    BOOL bNegative = FALSE;
    if (!format.Parse(str, dAmount, bNegative))
        return FALSE;
    str = StorageText(format, dAmount, bNegative);
    return TRUE;
}

BOOL CGECurrencyEdit::GetDisplayValue(ROWCOL, ROWCOL, UINT, const CGEStyle& style, CString& str) {
    str = style.GetValue();
    if (str.IsEmpty())
        return TRUE;
    CGEBCurrencyFormat format;
    double dAmount = 0.0;
    BOOL bNegative = FALSE;
    if (ReadCellAmount(style, str, format, dAmount, bNegative))
        str = StorageText(format, dAmount, bNegative);
    return TRUE;
}

BOOL CGECurrencyEdit::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                                 UINT nFlags) {
    // The base puts a stored value into the editor, which marks it modified: remember the state before.
    const BOOL bWasModified = IsBoundToCellAt(nRow, nCol) && m_bModified;
    if (!CGEStatic::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags))
        return FALSE;
    if (pStyle == nullptr || (mt != geOverride && mt != geApplyNew) || !m_pGrid->IsCurrentCell(nRow, nCol))
        return TRUE;
    // A new value for a cell that was not being changed, or another control, ends the editing: the cell
    // shows what was stored and leaving it writes nothing back.
    if ((pStyle->GetIncludeValue() && !bWasModified) || pStyle->GetIncludeControl()) {
        Reset();
        return TRUE;
    }
    if (!IsBoundToCellAt(nRow, nCol))
        return TRUE;
    for (UINT nId = GE_IDS_UA_CURRENCY_ATTRIBUTES; nId <= GE_IDS_UA_CURRENCY_FRACDIGITS; ++nId) {
        if (pStyle->HasUserAttribute(nId)) {
            ApplyStyle(this, GetCellStyle());
            break;
        }
    }
    return TRUE;
}

void CGECurrencyEdit::ReplaceSel(LPCSTR pszText) {
    if (!m_bActive) {
        CGEStatic::ReplaceSel(pszText);
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    CString strText = m_model.GetText();
    if (m_model.GetSelection(nStart, nEnd))
        strText = strText.Left(nStart) + CString(pszText != nullptr ? pszText : "") + strText.Mid(nEnd);
    else
        strText.Insert(m_model.GetCaret(), pszText != nullptr ? pszText : "");
    SetWindowText(strText);
}

BOOL CGECurrencyEdit::GetSelectedText(CString& strResult) {
    if (!m_bActive) {
        GetValue(strResult);
        return FALSE;
    }
    int nStart = 0;
    int nEnd = 0;
    if (!m_model.GetSelection(nStart, nEnd))
        return FALSE;
    strResult = m_model.GetText().Mid(nStart, nEnd - nStart);
    return TRUE;
}

BOOL CGECurrencyEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_bActive && HIWORD(wParam) == EN_CHANGE &&
        reinterpret_cast<HWND>(lParam) == CGEBCurrencyEdit::GetSafeHwnd())
        OnModifyCell();
    // The editor's own context menu, then the cell's command handling.
    if (CGEBCurrencyEdit::OnCommand(wParam, lParam))
        return TRUE;
    return CGEStatic::OnCommand(wParam, lParam);
}
