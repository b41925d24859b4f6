// Windows, streaming, values, storing and formats.
#include "grid/controls/edit/CGERichEditCtrl.h"

#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CGERichEditCtrl, CRichEditCtrl)

const CGEControlClass CGERichEditCtrl::controlClass = {"CGERichEditCtrl", &CGEControl::controlClass};

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

struct StreamSource {
    const char* pData;
    LONG nLength;
    LONG nPos;
};

DWORD CALLBACK ReadSource(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG nCount, LONG* pnRead) {
    auto* pSource = reinterpret_cast<StreamSource*>(dwCookie);
    const LONG n = std::min(nCount, pSource->nLength - pSource->nPos);
    std::memcpy(pBuffer, pSource->pData + pSource->nPos, static_cast<size_t>(n));
    pSource->nPos += n;
    *pnRead = n;
    return 0;
}

DWORD CALLBACK WriteTarget(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG nCount, LONG* pnWritten) {
    auto* pTarget = reinterpret_cast<CString*>(dwCookie);
    *pTarget += CString(reinterpret_cast<const char*>(pBuffer), nCount);
    *pnWritten = nCount;
    return 0;
}

} // namespace

CGERichEditCtrl::CGERichEditCtrl(CGEGridCore* pGrid) : CGEControl(pGrid) {}

CGERichEditCtrl::~CGERichEditCtrl() {
    for (CRichEditCtrl* pWnd : {&m_wndDraw, &m_wndText, &m_wndSize, &m_wndFormat})
        if (pWnd->GetSafeHwnd() != nullptr)
            pWnd->DestroyWindow();
    if (HasWindow())
        DestroyWindow();
}

// ---- text ----

BOOL CGERichEditCtrl::IsRtf(const CString& str) {
    return std::strncmp(str, "{\\rtf", 5) == 0;
}

CString CGERichEditCtrl::PlainTextToRtf(const CString& strText) {
    CString strRtf = "{\\rtf1\\ansi ";
    for (const char* p = strText; *p != '\0'; ++p) {
        const auto ch = static_cast<unsigned char>(*p);
        if (ch == '\\' || ch == '{' || ch == '}') {
            strRtf += '\\';
            strRtf += static_cast<char>(ch);
        } else if (ch == '\r') {
            if (p[1] != '\n')
                strRtf += "\\par ";
        } else if (ch == '\n') {
            strRtf += "\\par ";
        } else if (ch >= 128) {
            CString strHex;
            strHex.Format("\\'%02x", ch);
            strRtf += strHex;
        } else {
            strRtf += static_cast<char>(ch);
        }
    }
    strRtf += '}';
    return strRtf;
}

void CGERichEditCtrl::StreamValueIn(CRichEditCtrl& wnd, const CString& strValue) {
    const CString strRtf = IsRtf(strValue) ? strValue : PlainTextToRtf(strValue);
    StreamSource source{strRtf.GetString(), strRtf.GetLength(), 0};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, ReadSource};
    wnd.StreamIn(SF_RTF, es);
}

CString CGERichEditCtrl::StreamRtfOut(CRichEditCtrl& wnd) {
    CString strRtf;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&strRtf), 0, WriteTarget};
    wnd.StreamOut(SF_RTF, es);
    return strRtf;
}

void CGERichEditCtrl::LoadCached(CRichEditCtrl& wnd, CString& strCache, const CString& strValue) {
    if (strCache == strValue && wnd.GetTextLength() > 0)
        return;
    StreamValueIn(wnd, strValue);
    strCache = strValue;
}

CString CGERichEditCtrl::WindowPlainText(const CRichEditCtrl& wnd) {
    CString strText;
    wnd.GetWindowText(strText);
    // The window ends its paragraphs with CR alone; a cell's text uses CR LF.
    strText.Replace("\r\n", "\r");
    strText.Replace("\r", "\r\n");
    return strText;
}

// ---- windows ----

BOOL CGERichEditCtrl::CreateWindows() {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    pGridWnd->ModifyStyle(0, WS_CLIPCHILDREN);
    const DWORD dwStyle = WS_CHILD | ES_MULTILINE;
    if (!Create(dwStyle, CRect(0, 0, 10, 10), pGridWnd, 0))
        return FALSE;
    // The helper windows lie far off the screen inside the main window.
    const CRect offScreen(30000, 30000, 30100, 30100);
    BOOL bCreated = m_wndSize.Create(dwStyle, offScreen, this, 0);
    for (CRichEditCtrl* pWnd : {&m_wndDraw, &m_wndText, &m_wndFormat})
        bCreated = pWnd->Create(dwStyle | WS_BORDER, offScreen, this, 0) && bCreated;
    return bCreated;
}

// ---- state ----

void CGERichEditCtrl::SetActive(BOOL bActive) {
    const BOOL bNew = HasWindow() ? bActive : FALSE;
    if (bNew && !m_bActive && m_bBound) {
        ResetStyleCache(TRUE);
        GetCellStyle();
    }
    m_bActive = bNew;
}

void CGERichEditCtrl::SetModify(BOOL bModified) {
    if (HasWindow())
        CRichEditCtrl::SetModify(bModified);
}

BOOL CGERichEditCtrl::GetModify() const {
    return HasWindow() ? CRichEditCtrl::GetModify() : FALSE;
}

void CGERichEditCtrl::ApplyDefaultFormats(CRichEditCtrl& wnd, const CGEStyle& style) {
    PARAFORMAT pf{};
    CHARFORMAT cf{};
    StyleToFormats(pf, cf, &style);
    if (cf.dwMask != 0)
        wnd.SetDefaultCharFormat(cf);
    if (pf.dwMask != 0)
        wnd.SetParaFormat(pf);
}

void CGERichEditCtrl::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEControl::Init(nRow, nCol);
    if (!HasWindow())
        CreateWindows();
    if (!HasWindow())
        return;
    ResetStyleCache(FALSE);
    const CGEStyle& style = GetCellStyle();
    ApplyDefaultFormats(*this, style);
    StreamValueIn(*this, style.GetIncludeValue() ? style.GetValue() : CString());
    SetSel(0, -1);
    SetModify(FALSE);
}

BOOL CGERichEditCtrl::Store() {
    CString strRtf;
    if (!m_bBound || !GetModify() || !GetCurrentText(strRtf))
        return TRUE;
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strRtf, geOverride,
                                      m_pGrid->m_nCurrentCommandType, GE_INVALIDATE);
}

// ---- values ----

void CGERichEditCtrl::SetValue(LPCSTR pszValue) {
    if (!m_bBound || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    if (!ValidateString(CString(pszValue)))
        return;
    StreamValueIn(*this, pszValue);
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGERichEditCtrl::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    if (m_bActive && HasWindow())
        strResult = StreamRtfOut(*this);
    else
        strResult = GetCellStyle().GetIncludeValue() ? GetCellStyle().GetValue() : CString();
    return TRUE;
}

void CGERichEditCtrl::SetCurrentText(const CString& str) {
    if (HasWindow())
        StreamValueIn(*this, str);
}

BOOL CGERichEditCtrl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                     const CGEStyle& style) {
    CString strValue;
    if (pszValue != nullptr)
        strValue = pszValue;
    else if (style.GetIncludeValue())
        strValue = style.GetValue();
    if (strValue.IsEmpty() || !IsRtf(strValue)) {
        strResult = strValue; // plain text is its own plain text
        return pszValue != nullptr || style.GetIncludeValue();
    }
    if (m_wndText.GetSafeHwnd() == nullptr) {
        // Without the windows (a grid without a window) the RTF cannot be read: no text rather than codes.
        strResult.Empty();
        return FALSE;
    }
    LoadCached(m_wndText, m_strTextCache, strValue);
    strResult = WindowPlainText(m_wndText);
    return TRUE;
}

BOOL CGERichEditCtrl::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                                const CGEStyle* pOldStyle) {
    const CGEStyle& style = pOldStyle != nullptr ? *pOldStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    if (style.GetIncludeMaxLength() && style.GetMaxLength() > 0 && str.GetLength() > style.GetMaxLength())
        str = str.Left(style.GetMaxLength());
    str = PlainTextToRtf(str);
    return TRUE;
}

BOOL CGERichEditCtrl::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                                     const CGEStyle* pOldStyle) {
    const CGEGridParam* pParam = m_pGrid->GetParam();
    const CGEStyle& style = pOldStyle != nullptr ? *pOldStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    if (pParam != nullptr && pParam->m_bLockReadOnly && style.GetIncludeReadOnly() && style.GetReadOnly())
        return FALSE;
    CString strValue = str;
    ConvertControlTextToValue(strValue, nRow, nCol, pOldStyle);
    return m_pGrid->StoreValueInRange(Cell(nRow, nCol), strValue, geOverride, 0, nFlags);
}

// ---- formats ----

void CGERichEditCtrl::StyleToFormats(PARAFORMAT& pf, CHARFORMAT& cf, const CGEStyle* pStyle) {
    pf = PARAFORMAT{};
    cf = CHARFORMAT{};
    pf.cbSize = sizeof pf;
    cf.cbSize = sizeof cf;
    if (pStyle == nullptr)
        return;
    if (pStyle->GetIncludeHorizontalAlignment()) {
        const UINT nAlign = pStyle->GetHorizontalAlignment();
        pf.dwMask |= PFM_ALIGNMENT;
        pf.wAlignment = static_cast<WORD>(nAlign == DT_CENTER  ? PFA_CENTER
                                          : nAlign == DT_RIGHT ? PFA_RIGHT
                                                               : PFA_LEFT);
    }
    if (pStyle->GetIncludeFont()) {
        const CGEFont& font = pStyle->GetFont();
        const auto effect = [&cf](BOOL bIncluded, BOOL bOn, DWORD dwMask, DWORD dwEffect) {
            if (!bIncluded)
                return;
            cf.dwMask |= dwMask;
            if (bOn)
                cf.dwEffects |= dwEffect;
        };
        effect(font.GetInclude(CGEFont::fontWeight), font.GetBold(), CFM_BOLD, CFE_BOLD);
        effect(font.GetInclude(CGEFont::fontItalic), font.GetItalic(), CFM_ITALIC, CFE_ITALIC);
        effect(font.GetInclude(CGEFont::fontUnderline), font.GetUnderline(), CFM_UNDERLINE, CFE_UNDERLINE);
        effect(font.GetInclude(CGEFont::fontStrikeOut), font.GetStrikeOut(), CFM_STRIKEOUT, CFE_STRIKEOUT);
        if (font.GetInclude(CGEFont::fontFaceName) && !font.GetFaceName().IsEmpty()) {
            cf.dwMask |= CFM_FACE;
            lstrcpynA(cf.szFaceName, font.GetFaceName(), LF_FACESIZE);
        }
        if (font.GetInclude(CGEFont::fontSize) && font.GetSizeTenths() != 0) {
            cf.dwMask |= CFM_SIZE;
            cf.yHeight = static_cast<LONG>(font.GetSizeTenths() * 2); // tenths of points to twips
        }
        LOGFONTA lf{};
        font.GetLogFont(lf, 100);
        cf.bCharSet = lf.lfCharSet;
        cf.bPitchAndFamily = lf.lfPitchAndFamily;
    }
    if (pStyle->GetIncludeTextColor()) {
        cf.dwMask |= CFM_COLOR;
        cf.crTextColor = pStyle->GetTextColor();
    }
}

BOOL CGERichEditCtrl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                                 UINT nFlags) {
    if (pStyle == nullptr || mt == geApplyNew || mt == geRemove || !HasWindow())
        return CGEControl::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags);
    PARAFORMAT pf{};
    CHARFORMAT cf{};
    StyleToFormats(pf, cf, pStyle);
    if (pf.dwMask == 0 && cf.dwMask == 0)
        return CGEControl::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags);
    // The formats live in the RTF: the style keeps everything else.
    CGEStyle rest(*pStyle);
    rest.SetIncludeHorizontalAlignment(FALSE).SetIncludeFont(FALSE).SetIncludeTextColor(FALSE);
    if (m_bActive && IsBoundToCellAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol)) {
        if (cf.dwMask != 0) {
            SetWordCharFormat(cf);
            SetSelectionCharFormat(cf);
        }
        if (pf.dwMask != 0)
            SetParaFormat(pf);
        SetModify(TRUE);
        OnModifyCell();
    } else {
        CString strValue = rest.GetIncludeValue() ? rest.GetValue() : m_pGrid->GetStoredCellValue(nRow, nCol);
        if (strValue != m_strFormatCache || strValue.IsEmpty()) {
            ApplyDefaultFormats(m_wndFormat, m_pGrid->LookupStyleRowCol(nRow, nCol));
            StreamValueIn(m_wndFormat, strValue);
            m_strFormatCache = strValue;
        }
        m_wndFormat.SetSel(0, -1);
        if (pf.dwMask != 0)
            m_wndFormat.SetParaFormat(pf);
        if (cf.dwMask != 0)
            m_wndFormat.SetSelectionCharFormat(cf);
        strValue = StreamRtfOut(m_wndFormat);
        m_strFormatCache = strValue;
        rest.SetValue(strValue);
    }
    BOOL bResult = TRUE;
    if (rest.GetIncludeMask() != 0)
        bResult = CGEControl::StoreStyle(nRow, nCol, &rest, mt, nType, nFlags);
    m_pGrid->RedrawRowCol(nRow, nCol, nRow, nCol, GE_INVALIDATE, FALSE);
    return bResult;
}

// ---- clipboard ----

BOOL CGERichEditCtrl::Copy() {
    if (m_bBound && m_pGrid->IsCurrentCell(m_nRow, m_nCol) && m_bActive && HasWindow()) {
        SendMessage(WM_COPY);
        return TRUE;
    }
    return CGEControl::Copy();
}

BOOL CGERichEditCtrl::Cut() {
    if (m_bActive && HasWindow() && !IsReadOnly()) {
        SendMessage(WM_CUT);
        return TRUE;
    }
    return CGEControl::Cut();
}

BOOL CGERichEditCtrl::Paste() {
    if (m_bBound && m_bActive && HasWindow() && !IsReadOnly() && ::GetOpenClipboardWindow() == nullptr) {
        SendMessage(WM_PASTE);
        return TRUE;
    }
    return CGEControl::Paste();
}

BOOL CGERichEditCtrl::CanPaste() {
    static const UINT s_nRtfFormat = ::RegisterClipboardFormatA("Rich Text Format");
    if (m_bBound && !IsReadOnly() && ::IsClipboardFormatAvailable(s_nRtfFormat))
        return TRUE;
    return CGEControl::CanPaste();
}

BOOL CGERichEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return TRUE;
    return CRichEditCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CGERichEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_bActive || reinterpret_cast<HWND>(lParam) != GetSafeHwnd() || HIWORD(wParam) != EN_CHANGE)
        return FALSE;
    OnModifyCell();
    return TRUE;
}
