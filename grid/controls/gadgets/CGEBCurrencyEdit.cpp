#include "grid/controls/gadgets/CGEBCurrencyEdit.h"

#include "framework/core/CResourceException.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CMenu.h"
#include "grid/core/CGELibraryState.h"
#include "grid/controls/gadgets/CGEBPopupCalculator.h"

IMPLEMENT_DYNAMIC(CGEBCurrencyEdit, CGEBDropEdit)

BEGIN_MESSAGE_MAP(CGEBCurrencyEdit, CGEBDropEdit)
ON_MESSAGE(WM_PAINT, OnPaintMsg)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
ON_MESSAGE(WM_SETFONT, OnSetFontMsg)
ON_MESSAGE(WM_GETFONT, OnGetFontMsg)
ON_MESSAGE(WM_SETFOCUS, OnSetFocusMsg)
ON_MESSAGE(WM_KILLFOCUS, OnKillFocusMsg)
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDownMsg)
ON_MESSAGE(WM_MOUSEMOVE, OnCurMouseMoveMsg)
ON_MESSAGE(WM_LBUTTONUP, OnCurLButtonUpMsg)
ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDblClkMsg)
ON_MESSAGE(WM_RBUTTONUP, OnRButtonUpMsg)
ON_MESSAGE(WM_KEYDOWN, OnCurKeyDownMsg)
ON_MESSAGE(WM_SYSKEYDOWN, OnCurSysKeyDownMsg)
ON_MESSAGE(WM_CHAR, OnCharMsg)
ON_MESSAGE(WM_CUT, OnCutMsg)
ON_MESSAGE(WM_COPY, OnCopyMsg)
ON_MESSAGE(WM_PASTE, OnPasteMsg)
ON_MESSAGE(WM_UNDO, OnUndoMsg)
ON_MESSAGE(EM_UNDO, OnUndoMsg)
ON_MESSAGE(EM_CANUNDO, OnCanUndoMsg)
ON_MESSAGE(EM_EMPTYUNDOBUFFER, OnEmptyUndoBufferMsg)
ON_MESSAGE(EM_GETSEL, OnGetSelMsg)
ON_MESSAGE(EM_SETSEL, OnSetSelMsg)
ON_MESSAGE(EM_SETREADONLY, OnSetReadOnlyMsg)
ON_MESSAGE(EM_SETMARGINS, OnSetMarginsMsg)
END_MESSAGE_MAP()

namespace {
constexpr char kWindowClass[] = "CGEBCurrencyEdit";
} // namespace

CGEBCurrencyEdit::CGEBCurrencyEdit() : m_model(TRUE) {}

CGEBCurrencyEdit::~CGEBCurrencyEdit() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CGEBCurrencyEdit::RegisterWindowClass() {
    const HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, kWindowClass, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = kWindowClass;
    if (::RegisterClassA(&wc) == 0)
        AfxThrowResourceException();
}

BOOL CGEBCurrencyEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    RegisterWindowClass();
    if (!CWnd::Create(kWindowClass, "", dwStyle, rect, pParentWnd, nID))
        return FALSE;
    m_model.m_bReadOnly = IsReadOnly();
    SetTextNoParse(m_model.GetText());
    return TRUE;
}

// ---- amount, format, text ----

void CGEBCurrencyEdit::SetValue(double dValue, BOOL bRedraw) {
    SetAmount(dValue < 0 ? -dValue : dValue, dValue < 0, bRedraw);
}

void CGEBCurrencyEdit::SetAmount(double dAbsolute, BOOL bNegative, BOOL bRedraw) {
    if (dAbsolute == m_model.GetAmount() && (bNegative != FALSE) == (m_model.IsNegative() != FALSE))
        return;
    if (GetSafeHwnd() == nullptr) {
        m_model.SetAmount(dAbsolute, bNegative);
        return;
    }
    SaveUndoState(nullptr, -1);
    m_model.SetAmount(dAbsolute, bNegative);
    SetTextNoParse(m_model.GetText());
    if (bRedraw && m_bDrawEnabled)
        InvalidateText(TRUE);
}

void CGEBCurrencyEdit::SetFormat(const Format& format) {
    if (!m_model.SetFormat(format))
        return;
    if (GetSafeHwnd() != nullptr)
        SetTextNoParse(m_model.GetText());
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
}

void CGEBCurrencyEdit::SetTextNoParse(const char* pszText) {
    const BOOL bOld = m_bParseOnSetText;
    m_bParseOnSetText = FALSE;
    if (GetSafeHwnd() != nullptr)
        ::SetWindowTextA(GetSafeHwnd(), pszText);
    else
        m_model.SetTextRaw(pszText);
    m_bParseOnSetText = bOld;
}

LRESULT CGEBCurrencyEdit::OnSetTextMsg(WPARAM, LPARAM lParam) {
    const char* pszText = reinterpret_cast<const char*>(lParam);
    if (m_bParseOnSetText) {
        double dValue = 0.0;
        BOOL bNegative = FALSE;
        Format format = m_model.GetFormat();
        if (!format.Parse(pszText, dValue, bNegative))
            return 0;
        SetAmount(dValue, bNegative, TRUE);
        return 1;
    }
    const LRESULT lResult = Default();
    m_model.SetTextRaw(pszText);
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
    return lResult;
}

int CGEBCurrencyEdit::GetAlignment() const {
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & ES_RIGHT) != 0)
        return 2;
    return (dwStyle & ES_CENTER) != 0 ? 1 : 0;
}

void CGEBCurrencyEdit::SetAlignment(int nAlignment) {
    const DWORD dwBit = nAlignment == 2 ? ES_RIGHT : nAlignment == 1 ? ES_CENTER : ES_LEFT;
    ModifyStyle(ES_CENTER | ES_RIGHT, dwBit);
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
}

BOOL CGEBCurrencyEdit::IsReadOnly() const {
    return GetSafeHwnd() != nullptr ? (GetStyle() & ES_READONLY) != 0 : m_model.m_bReadOnly;
}

void CGEBCurrencyEdit::SetReadOnly(BOOL bReadOnly) {
    m_model.m_bReadOnly = bReadOnly;
    if (GetSafeHwnd() == nullptr || (IsReadOnly() != FALSE) == (bReadOnly != FALSE))
        return;
    ModifyStyle(bReadOnly ? 0 : ES_READONLY, bReadOnly ? ES_READONLY : 0);
    if (m_bDrawEnabled)
        InvalidateText(TRUE);
}

void CGEBCurrencyEdit::NotifyParent(WORD wCode) {
    if (const HWND hParent = ::GetParent(GetSafeHwnd()); hParent != nullptr)
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), wCode),
                       reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGEBCurrencyEdit::InvalidateText(BOOL bErase) {
    if (GetSafeHwnd() != nullptr)
        ::InvalidateRect(GetSafeHwnd(), nullptr, bErase);
}

// ---- undo ----

void CGEBCurrencyEdit::SaveUndoState(const char* pszText, int nCaret) {
    if (pszText != nullptr) {
        m_strUndoText = pszText;
    } else {
        m_strUndoText.Empty();
        if (GetSafeHwnd() != nullptr)
            GetWindowText(m_strUndoText);
    }
    m_nUndoCaret = nCaret != -1 ? nCaret : m_model.GetCaret();
    if (m_model.HasSelection()) {
        m_nUndoSelStart = m_model.GetSelStart();
        m_nUndoSelEnd = m_model.GetSelEnd();
    } else {
        m_nUndoSelStart = -1;
        m_nUndoSelEnd = 0;
    }
    m_bCanUndo = TRUE;
}

void CGEBCurrencyEdit::Undo() {
    if (IsReadOnly() || !m_bCanUndo)
        return;
    const CString strText = m_strUndoText;
    const int nCaret = m_nUndoCaret;
    const int nSelStart = m_nUndoSelStart;
    const int nSelEnd = m_nUndoSelEnd;
    SaveUndoState(nullptr, -1); // a second undo redoes
    SetWindowText(strText);
    m_model.SetSelectionRaw(nSelStart, nSelEnd);
    if (::GetFocus() == GetSafeHwnd() && nCaret >= 0 && nCaret <= m_model.GetText().GetLength())
        SetCaret(nCaret, FALSE);
    InvalidateText();
}

LRESULT CGEBCurrencyEdit::OnUndoMsg(WPARAM, LPARAM) {
    Undo();
    return 0;
}

LRESULT CGEBCurrencyEdit::OnCanUndoMsg(WPARAM, LPARAM) {
    return m_bCanUndo;
}

LRESULT CGEBCurrencyEdit::OnEmptyUndoBufferMsg(WPARAM, LPARAM) {
    m_bCanUndo = FALSE;
    return 0;
}

// ---- selection messages ----

LRESULT CGEBCurrencyEdit::OnGetSelMsg(WPARAM wParam, LPARAM lParam) {
    const int nStart = m_model.GetSelStart();
    const int nEnd = m_model.GetSelEnd();
    if (auto* pStart = reinterpret_cast<DWORD*>(wParam); pStart != nullptr)
        *pStart = static_cast<DWORD>(nStart);
    if (auto* pEnd = reinterpret_cast<DWORD*>(lParam); pEnd != nullptr)
        *pEnd = static_cast<DWORD>(nEnd);
    if (nStart >= 65535 || nEnd >= 65535)
        return -1;
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(LOWORD(nStart), LOWORD(nEnd))));
}

LRESULT CGEBCurrencyEdit::OnSetSelMsg(WPARAM wParam, LPARAM lParam) {
    SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
    return 0;
}

LRESULT CGEBCurrencyEdit::OnSetReadOnlyMsg(WPARAM wParam, LPARAM) {
    if ((IsReadOnly() != FALSE) != (wParam != 0))
        SetReadOnly(wParam != 0);
    return 1;
}

LRESULT CGEBCurrencyEdit::OnSetMarginsMsg(WPARAM wParam, LPARAM lParam) {
    if (wParam == EC_USEFONTINFO) {
        TEXTMETRICA tm{};
        const HDC hDC = ::GetDC(GetSafeHwnd());
        const HGDIOBJ hOld = m_hFont != nullptr ? ::SelectObject(hDC, m_hFont) : nullptr;
        ::GetTextMetricsA(hDC, &tm);
        if (hOld != nullptr)
            ::SelectObject(hDC, hOld);
        ::ReleaseDC(GetSafeHwnd(), hDC);
        m_nLeftMargin = m_nRightMargin = tm.tmAveCharWidth;
        return 0;
    }
    if ((wParam & EC_LEFTMARGIN) != 0)
        m_nLeftMargin = LOWORD(lParam);
    if ((wParam & EC_RIGHTMARGIN) != 0)
        m_nRightMargin = HIWORD(lParam);
    return 0;
}

LRESULT CGEBCurrencyEdit::OnSetFontMsg(WPARAM wParam, LPARAM lParam) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (lParam != 0 && m_bDrawEnabled)
        InvalidateText(TRUE);
    return 0;
}

LRESULT CGEBCurrencyEdit::OnGetFontMsg(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hFont);
}

LRESULT CGEBCurrencyEdit::OnGetDlgCodeMsg(WPARAM, LPARAM) {
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

BOOL CGEBCurrencyEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case ID_EDIT_CLEAR:
        Clear();
        return TRUE;
    case ID_EDIT_COPY:
        Copy();
        return TRUE;
    case ID_EDIT_CUT:
        Cut();
        return TRUE;
    case ID_EDIT_PASTE:
        Paste();
        return TRUE;
    case ID_EDIT_SELECT_ALL:
        SetSel(0, -1);
        return TRUE;
    case ID_EDIT_UNDO:
        Undo();
        return TRUE;
    default:
        return CGEBDropEdit::OnCommand(wParam, lParam);
    }
}

// ---- calculator ----

void CGEBCurrencyEdit::OnButtonClicked() {
    ShowCalculator();
}

BOOL CGEBCurrencyEdit::ShowCalculator() {
    CGELibraryState* pState = GEGetLibraryState();
    pState->m_bPopupCreating = TRUE;
    auto* pCalc = new CGEBPopupCalculator;
    pCalc->SetValue(m_model.GetSignedValue());
    pCalc->SetAutoDelete(TRUE);
    CRect rect;
    ::GetWindowRect(GetSafeHwnd(), &rect);
    const BOOL bCreated =
        pCalc->CreatePopup(WS_POPUP | WS_VISIBLE | CGEBCalculator::stylePopupCloseOnEquals, rect, this);
    if (bCreated) {
        pCalc->SetValue(m_model.GetSignedValue());
        pCalc->SetOwner(this);
    } else {
        delete pCalc; // no window: nothing else will free it
    }
    pState->m_bPopupCreating = FALSE;
    return bCreated;
}
