// Construction, the mask, values, storing, clipboard, find and replace.
#include "grid/controls/edit/CGEMaskControl.h"

#include "framework/core/CSharedFile.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/GETextSearch.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CGEMaskControl, CGEEditControl)

const CGEControlClass CGEMaskControl::controlClass = {"CGEMaskControl", &CGEStatic::controlClass};

namespace {

std::unique_ptr<CGEMaskData> MakeMaskData(CRuntimeClass* pClass) {
    if (pClass != nullptr) {
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        if (auto* pData = dynamic_cast<CGEMaskData*>(pObject.get())) {
            pObject.release();
            return std::unique_ptr<CGEMaskData>(pData);
        }
    }
    return std::make_unique<CGEMaskData>();
}

CString UserAttributeText(const CGEStyle& style, WORD nId) {
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValueText() : CString();
}

CString DisplayText(CGEMaskData& data) {
    CString str;
    data.GetDisplayText(str, 0, -1);
    return str;
}

CString TrimmedValue(CGEMaskData& data) {
    CString str;
    data.GetValue(str, 0, -1, TRUE);
    return str;
}

// Puts a zero-terminated copy of a text on the open clipboard under a format.
BOOL PutClipboardText(UINT nFormat, const CString& strText) {
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    file.Write(strText.GetString(), static_cast<UINT>(strText.GetLength() + 1));
    HGLOBAL hData = file.Detach();
    if (::SetClipboardData(nFormat, hData) == nullptr) {
        ::GlobalFree(hData);
        return FALSE;
    }
    return TRUE;
}

} // namespace

CGEMaskControl::CGEMaskControl(CGEGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass)
    : CGEEditControl(pGrid, nID), m_pMaskData(MakeMaskData(pMaskDataClass)),
      m_pScratchData(MakeMaskData(pMaskDataClass)) {}

CGEMaskControl::~CGEMaskControl() = default;

void CGEMaskControl::AddUserAttributes(CGEStylesMap& stylesMap) {
    CGEStyle maskStyle;
    maskStyle.SetWrapText(TRUE).SetAutoSize(TRUE);
    stylesMap.AddUserAttribute(GE_IDS_UA_MASKEDIT_MASK, &maskStyle);
    CGEStyle promptStyle;
    promptStyle.SetMaxLength(1);
    stylesMap.AddUserAttribute(GE_IDS_UA_MASKEDIT_PROMPT, &promptStyle);
}

UINT CGEMaskControl::GetClipboardFormat() {
    static const UINT s_nFormat = ::RegisterClipboardFormatA("GE_MASKDATA");
    return s_nFormat;
}

// ---- the mask ----

void CGEMaskControl::ApplyMaskStyle(CGEMaskData& data, const CGEStyle& style) {
    data.ClearMask();
    // A prompt the mask data refuses (longer than one character) shows as the default prompt.
    if (!data.SetPromptChar(UserAttributeText(style, GE_IDS_UA_MASKEDIT_PROMPT), FALSE))
        data.SetPromptChar("", FALSE);
    data.SetMask(UserAttributeText(style, GE_IDS_UA_MASKEDIT_MASK));
    data.SetMaxLength(INT_MAX);
    if (style.GetIncludeMaxLength() && style.GetMaxLength() != 0)
        data.SetMaxLength(style.GetMaxLength());
}

DWORD CGEMaskControl::CalcEditStyle(CRect* pRect, int* pLineHeight) {
    // The masked text is one line whatever the cell's wrapping, Enter and scroll bar settings.
    const BOOL bWrap = m_bWrapText;
    m_bWrapText = FALSE;
    DWORD dwStyle = CGEEditControl::CalcEditStyle(pRect, pLineHeight);
    m_bWrapText = bWrap;
    dwStyle &= ~static_cast<DWORD>(ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL);
    if (m_bForceLeftAlign)
        dwStyle &= ~static_cast<DWORD>(ES_CENTER | ES_RIGHT);
    return dwStyle;
}

BOOL CGEMaskControl::CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) {
    return CGEStatic::CanFloatCell(nRow, nCol, style, bFloatOrFlood);
}

BOOL CGEMaskControl::OnValidate() {
    if (m_bActive && GetModify() && !m_pMaskData->IsDataValid())
        return FALSE;
    return CGEControl::OnValidate();
}

// ---- values ----

BOOL CGEMaskControl::GetValue(CString& strResult) {
    strResult.Empty();
    if (!m_bBound)
        return FALSE;
    m_pMaskData->GetDisplayText(strResult, 0, -1);
    return TRUE;
}

void CGEMaskControl::SetValue(LPCSTR pszValue) {
    if (!m_bBound || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strText(pszValue != nullptr ? pszValue : "");
    if (!ValidateString(strText))
        return;
    if (ReplaceRange(*m_pMaskData, 0, m_pMaskData->GetDataCount(), strText, FALSE, FALSE) < 0 &&
        !strText.IsEmpty())
        return;
    RefreshText();
    OnModifyCell();
}

BOOL CGEMaskControl::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    m_pMaskData->GetValue(strResult, 0, -1, TRUE);
    return TRUE;
}

void CGEMaskControl::SetCurrentText(const CString& str) {
    if (!HasWindow())
        return;
    if (m_bBound)
        ApplyMaskStyle(*m_pMaskData, GetCellStyle());
    m_pMaskData->PutValue(str, -1, FALSE);
    SetWindowText(DisplayText(*m_pMaskData));
}

BOOL CGEMaskControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                    const CGEStyle& style) {
    ApplyMaskStyle(*m_pScratchData, style);
    const CString strValue = pszValue != nullptr       ? CString(pszValue)
                             : style.GetIncludeValue() ? style.GetValue()
                                                       : CString();
    strResult.Empty();
    if (strValue.IsEmpty() && !m_bShowMaskWhenEmpty)
        return TRUE;
    if (m_pScratchData->PutValue(strValue, -1, FALSE) == -1)
        return FALSE;
    m_pScratchData->GetDisplayText(strResult, 0, -1);
    return TRUE;
}

BOOL CGEMaskControl::TakesWholeValue(CGEMaskData& data, LPCSTR pszValue) {
    CString strValue(pszValue);
    strValue.TrimRight();
    if (strValue.IsEmpty()) {
        data.ResetData();
        return TRUE;
    }
    if (data.PutValue(strValue, -1, FALSE) == -1)
        return FALSE;
    // Every character must have found its place: the mask may have changed the case of letters.
    return TrimmedValue(data).CompareNoCase(strValue) == 0;
}

BOOL CGEMaskControl::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                               const CGEStyle* pOldStyle) {
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    ApplyMaskStyle(*m_pScratchData, *pOldStyle);
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    // A text with its literals first; a text that is not one (even when it left the data valid, as a
    // text broken off at its first character does) is taken as a value, which must fit completely.
    const int nEnd = m_pScratchData->PutDisplayText(str, -1, FALSE);
    if ((nEnd == -1 || !m_pScratchData->IsDataValid()) && !TakesWholeValue(*m_pScratchData, str))
        return FALSE;
    str = TrimmedValue(*m_pScratchData);
    return TRUE;
}

// ---- window helpers ----

void CGEMaskControl::GetSelPos(int& nStart, int& nEnd) {
    int nStartIndex = 0;
    int nEndIndex = 0;
    GetSel(nStartIndex, nEndIndex);
    nStart = m_pMaskData->PositionFromTextIndex(nStartIndex);
    nEnd = m_pMaskData->PositionFromTextIndex(nEndIndex);
}

void CGEMaskControl::SetSelPos(int nStart, int nEnd, BOOL bNoScroll) {
    SetSel(m_pMaskData->TextIndexFromPosition(nStart), m_pMaskData->TextIndexFromPosition(nEnd), TRUE);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CGEMaskControl::RefreshText() {
    SetWindowText(DisplayText(*m_pMaskData));
    SetModify(TRUE);
}

void CGEMaskControl::NotifyChange() {
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

BOOL CGEMaskControl::IsReadOnlyByStyle() {
    if (!m_bBound)
        return FALSE;
    const CGEStyle& style = GetCellStyle();
    return style.GetIncludeReadOnly() && style.GetReadOnly();
}

BOOL CGEMaskControl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_bActive && HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == GetSafeHwnd())
        OnModifyCell();
    return FALSE;
}

// ---- replacing text ----

int CGEMaskControl::ReplaceRange(CGEMaskData& data, int nStart, int nEnd, LPCSTR pszText, BOOL bInsert,
                                 BOOL bValueOnly) {
    const int nPos = data.GetNextEditPos(nStart - 1);
    if (nPos == -1 || (nStart != nEnd && nPos >= nEnd))
        return -1;
    if (nStart != nEnd)
        data.DeleteRange(nEnd, nPos);
    // A failed attempt may have stored part of the text: each attempt starts from this state.
    const CString strBefore = DisplayText(data);
    if (!bValueOnly) {
        // A display text begins with the literals in front of the first editable position: at the
        // selection's start when that is a literal, else (a caret) just after the editable position before.
        int nDisplayStart = nStart < nPos ? nStart : nPos;
        while (nStart == nEnd && nDisplayStart > 0 && data.IsLiteral(nDisplayStart - 1))
            --nDisplayStart;
        const int nNext = data.PutDisplayText(pszText, nDisplayStart, bInsert);
        if (nNext != -1 && data.IsDataValid())
            return nNext;
        data.PutDisplayText(strBefore, -1, FALSE);
    }
    const int nNext = data.PutValue(pszText, nPos, bInsert);
    if (nNext == -1)
        data.PutDisplayText(strBefore, -1, FALSE);
    return nNext;
}

void CGEMaskControl::ReplaceSel(LPCSTR pszText) {
    if (!m_bBound || IsReadOnly())
        return;
    if (!m_bActive || !HasWindow()) {
        // The text becomes the cell's: with or without its literals, converted to a value.
        if (m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            SetControlText(m_nRow, m_nCol, CString(pszText), GE_UPDATENOW, nullptr);
        return;
    }
    int nStart = 0;
    int nEnd = 0;
    GetSelPos(nStart, nEnd);
    const int nNext = ReplaceRange(*m_pMaskData, nStart, nEnd, pszText, m_bInsertMode, m_bPastingValue);
    if (nNext == -1)
        return;
    RefreshText();
    NotifyChange();
    SetSelPos(nNext, nNext);
}

BOOL CGEMaskControl::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    if (state.m_strFindCompare.IsEmpty())
        return FALSE;
    const BOOL bOwnData = IsBoundToCellAt(nRow, nCol);
    std::unique_ptr<CGEMaskData> pTemp;
    CGEMaskData* pData = m_pMaskData.get();
    if (!bOwnData) {
        pTemp = MakeMaskData(m_pMaskData->GetRuntimeClass());
        CGEStyle* pStyle = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
        ApplyMaskStyle(*pTemp, *pStyle);
        pTemp->PutValue(pStyle->GetIncludeValue() ? pStyle->GetValue() : CString(), -1, FALSE);
        m_pGrid->RecycleStyle(pStyle);
        pData = pTemp.get();
    }
    const CString strSearch = GESearchCopy(DisplayText(*pData), state);
    std::vector<int> found;
    for (int nAt = GEFindFrom(strSearch, state.m_strFindCompare, 0); nAt >= 0;
         nAt = GEFindFrom(strSearch, state.m_strFindCompare, nAt + state.m_strFindCompare.GetLength()))
        found.push_back(nAt);
    if (found.empty())
        return FALSE;
    // From the last to the first, so that the earlier positions stay where they were found.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        const int nStart = pData->PositionFromTextIndex(*it);
        const int nEnd = pData->PositionFromTextIndex(*it + state.m_strFindCompare.GetLength());
        ReplaceRange(*pData, nStart, nEnd, state.m_strReplace, m_bInsertMode, FALSE);
    }
    // Stored through the cell's conversion, which refuses read-only cells.
    if (!SetControlText(nRow, nCol, DisplayText(*pData), GE_UPDATENOW, nullptr))
        return FALSE;
    if (bOwnData && m_bActive && HasWindow())
        SetWindowText(DisplayText(*m_pMaskData));
    return TRUE;
}

// ---- clipboard ----

BOOL CGEMaskControl::Copy() {
    if (!m_bBound || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return FALSE;
    CString strValue;
    if (!m_bActive || !HasWindow()) {
        // The grid copies the cell; the masked value joins it for masked cells.
        const BOOL bCopied = CGEControl::Copy();
        m_pMaskData->GetValue(strValue, 0, -1, TRUE);
        BOOL bAdded = FALSE;
        if (!strValue.IsEmpty() && ::OpenClipboard(GetGridWindow()->GetSafeHwnd())) {
            if (!bCopied)
                ::EmptyClipboard();
            bAdded = PutClipboardText(GetClipboardFormat(), strValue);
            if (!bCopied)
                bAdded = PutClipboardText(CF_TEXT, DisplayText(*m_pMaskData)) && bAdded;
            ::CloseClipboard();
        }
        return bCopied || bAdded;
    }
    int nStart = 0;
    int nEnd = 0;
    GetSelPos(nStart, nEnd);
    m_pMaskData->GetValue(strValue, nStart, nEnd - 1, TRUE);
    CString strText;
    GetSelectedText(strText);
    if (!::OpenClipboard(GetSafeHwnd()))
        return FALSE;
    ::EmptyClipboard();
    const BOOL bValue = !strValue.IsEmpty() && PutClipboardText(GetClipboardFormat(), strValue);
    const BOOL bText = PutClipboardText(CF_TEXT, strText);
    ::CloseClipboard();
    return bValue || bText;
}

BOOL CGEMaskControl::Paste() {
    if (IsGridClipboardPreferred() || !m_bBound || !m_bActive || !HasWindow() || IsReadOnlyByStyle())
        return FALSE;
    const BOOL bOpenedHere = ::GetOpenClipboardWindow() == nullptr;
    if (bOpenedHere && !::OpenClipboard(GetSafeHwnd()))
        return FALSE;
    CString strText;
    BOOL bFound = ReadClipboardText(GetClipboardFormat(), strText);
    m_bPastingValue = bFound;
    if (!bFound)
        bFound = ReadClipboardText(CF_TEXT, strText) || ReadClipboardText(CF_OEMTEXT, strText);
    if (bOpenedHere)
        ::CloseClipboard();
    if (bFound)
        ReplaceSel(strText);
    m_bPastingValue = FALSE;
    return bFound;
}

BOOL CGEMaskControl::CanPaste() {
    if (IsGridClipboardPreferred() || !m_bBound || !m_bActive || IsReadOnlyByStyle() || IsReadOnly())
        return FALSE;
    // Plain text is pasted too, so it enables pasting as the masked value does.
    return ::IsClipboardFormatAvailable(GetClipboardFormat()) || ::IsClipboardFormatAvailable(CF_TEXT) ||
           ::IsClipboardFormatAvailable(CF_OEMTEXT);
}
