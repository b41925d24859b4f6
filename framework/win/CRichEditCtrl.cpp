#include "framework/win/CRichEditCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

template <class T> T& Sized(T& format) {
    format.cbSize = sizeof(T);
    return format;
}

} // namespace

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!AfxInitRichEdit2())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!AfxInitRichEdit2())
        return FALSE;
    return CWnd::CreateEx(dwExStyle, RICHEDIT_CLASSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

// ---- state ----

BOOL CRichEditCtrl::CanUndo() const {
    return static_cast<BOOL>(SendMessage(EM_CANUNDO, 0, 0));
}

BOOL CRichEditCtrl::CanRedo() const {
    return static_cast<BOOL>(SendMessage(EM_CANREDO, 0, 0));
}

UNDONAMEID CRichEditCtrl::GetUndoName() const {
    return static_cast<UNDONAMEID>(SendMessage(EM_GETUNDONAME, 0, 0));
}

UNDONAMEID CRichEditCtrl::GetRedoName() const {
    return static_cast<UNDONAMEID>(SendMessage(EM_GETREDONAME, 0, 0));
}

int CRichEditCtrl::GetLineCount() const {
    return static_cast<int>(SendMessage(EM_GETLINECOUNT, 0, 0));
}

BOOL CRichEditCtrl::GetModify() const {
    return static_cast<BOOL>(SendMessage(EM_GETMODIFY, 0, 0));
}

void CRichEditCtrl::SetModify(BOOL bModified) {
    SendMessage(EM_SETMODIFY, static_cast<WPARAM>(bModified), 0);
}

void CRichEditCtrl::GetRect(LPRECT lpRect) const {
    SendMessage(EM_GETRECT, 0, AfxPtrParam(lpRect));
}

void CRichEditCtrl::SetRect(LPCRECT lpRect) {
    SendMessage(EM_SETRECT, 0, AfxPtrParam(lpRect));
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const {
    POINTL pt{};
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), static_cast<LPARAM>(lChar));
    return CPoint(static_cast<int>(pt.x), static_cast<int>(pt.y));
}

UINT CRichEditCtrl::GetOptions() const {
    return static_cast<UINT>(SendMessage(EM_GETOPTIONS, 0, 0));
}

void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags) {
    SendMessage(EM_SETOPTIONS, wOp, static_cast<LPARAM>(dwFlags));
}

DWORD CRichEditCtrl::GetEventMask() const {
    return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK, 0, 0));
}

DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask) {
    return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, static_cast<LPARAM>(dwEventMask)));
}

long CRichEditCtrl::GetLimitText() const {
    return static_cast<long>(SendMessage(EM_GETLIMITTEXT, 0, 0));
}

void CRichEditCtrl::LimitText(long nChars) {
    SendMessage(EM_EXLIMITTEXT, 0, static_cast<LPARAM>(nChars));
}

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
    return static_cast<COLORREF>(
        SendMessage(EM_SETBKGNDCOLOR, static_cast<WPARAM>(bSysColor), static_cast<LPARAM>(cr)));
}

BOOL CRichEditCtrl::SetAutoURLDetect(BOOL bEnable) {
    // The message answers 0 on success.
    return SendMessage(EM_AUTOURLDETECT, static_cast<WPARAM>(bEnable), 0) == 0;
}

UINT CRichEditCtrl::GetTextMode() const {
    return static_cast<UINT>(SendMessage(EM_GETTEXTMODE, 0, 0));
}

BOOL CRichEditCtrl::SetTextMode(UINT fMode) {
    // The message answers 0 on success.
    return SendMessage(EM_SETTEXTMODE, fMode, 0) == 0;
}

UINT CRichEditCtrl::SetUndoLimit(UINT nLimit) {
    return static_cast<UINT>(SendMessage(EM_SETUNDOLIMIT, nLimit, 0));
}

void CRichEditCtrl::StopGroupTyping() {
    SendMessage(EM_STOPGROUPTYPING, 0, 0);
}

// ---- text ----

long CRichEditCtrl::GetTextLength() const {
    return static_cast<long>(SendMessage(WM_GETTEXTLENGTH, 0, 0));
}

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT nCodePage) const {
    GETTEXTLENGTHEX request{dwFlags, nCodePage == static_cast<UINT>(-1) ? CP_ACP : nCodePage};
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

int CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const {
    refString.Empty();
    if (nLast == -1)
        nLast = static_cast<int>(GetTextLengthEx(GTL_NUMCHARS));
    if (nFirst < 0 || nLast <= nFirst)
        return 0;
    // Room for two bytes a character: the text comes in the ANSI code page, which may be a double-byte one.
    std::vector<char> buffer(static_cast<size_t>(nLast - nFirst) * 2 + 1, '\0');
    TEXTRANGEA range{{nFirst, nLast}, buffer.data()};
    const int copied = static_cast<int>(SendMessage(EM_GETTEXTRANGE, 0, AfxPtrParam(&range)));
    refString = CString(buffer.data());
    return copied;
}

int CRichEditCtrl::GetLine(int nIndex, LPSTR lpszBuffer) const {
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), AfxPtrParam(lpszBuffer)));
}

int CRichEditCtrl::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const {
    if (lpszBuffer == nullptr || nMaxLength <= 0)
        return 0;
    // The control reads the size from the buffer's first WORD; a shorter buffer goes through a copy.
    std::vector<char> line(static_cast<size_t>(std::max(nMaxLength, 2)) + 1, '\0');
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(std::min(nMaxLength, 0xFFFF));
    int copied =
        static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), AfxPtrParam(line.data())));
    copied = std::clamp(copied, 0, nMaxLength);
    std::copy_n(line.data(), copied, lpszBuffer);
    if (copied < nMaxLength)
        lpszBuffer[copied] = '\0';
    return copied;
}

int CRichEditCtrl::GetFirstVisibleLine() const {
    return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0));
}

long CRichEditCtrl::LineFromChar(long nIndex) const {
    return static_cast<long>(SendMessage(EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(nIndex)));
}

int CRichEditCtrl::LineIndex(int nLine) const {
    return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLine), 0));
}

int CRichEditCtrl::LineLength(int nLine) const {
    return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLine), 0));
}

void CRichEditCtrl::LineScroll(int nLines, int nChars) {
    SendMessage(EM_LINESCROLL, static_cast<WPARAM>(nChars), static_cast<LPARAM>(nLines));
}

CPoint CRichEditCtrl::PosFromChar(UINT nChar) const {
    return GetCharPos(static_cast<long>(nChar));
}

int CRichEditCtrl::CharFromPos(CPoint pt) const {
    POINTL point{pt.x, pt.y};
    return static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, AfxPtrParam(&point)));
}

long CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEX* pFindText) const {
    return static_cast<long>(SendMessage(EM_FINDTEXTEX, dwFlags, AfxPtrParam(pFindText)));
}

DWORD CRichEditCtrl::FindWordBreak(UINT nCode, DWORD nStart) const {
    return static_cast<DWORD>(SendMessage(EM_FINDWORDBREAK, nCode, static_cast<LPARAM>(nStart)));
}

// ---- selection ----

void CRichEditCtrl::GetSel(CHARRANGE& cr) const {
    SendMessage(EM_EXGETSEL, 0, AfxPtrParam(&cr));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
    CHARRANGE cr{};
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
    CHARRANGE cr{nStartChar, nEndChar};
    SetSel(cr);
}

void CRichEditCtrl::SetSel(CHARRANGE& cr) {
    SendMessage(EM_EXSETSEL, 0, AfxPtrParam(&cr));
}

CString CRichEditCtrl::GetSelText() const {
    CHARRANGE cr{};
    GetSel(cr);
    if (cr.cpMax <= cr.cpMin)
        return CString();
    // Room for two bytes a character (double-byte code pages).
    std::vector<char> buffer(static_cast<size_t>(cr.cpMax - cr.cpMin) * 2 + 1, '\0');
    SendMessage(EM_GETSELTEXT, 0, AfxPtrParam(buffer.data()));
    return CString(buffer.data());
}

long CRichEditCtrl::GetSelText(LPSTR lpBuf) const {
    return static_cast<long>(SendMessage(EM_GETSELTEXT, 0, AfxPtrParam(lpBuf)));
}

WORD CRichEditCtrl::GetSelectionType() const {
    return static_cast<WORD>(SendMessage(EM_SELECTIONTYPE, 0, 0));
}

void CRichEditCtrl::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), AfxPtrParam(lpszNewText));
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm) {
    SendMessage(EM_HIDESELECTION, static_cast<WPARAM>(bHide), static_cast<LPARAM>(bPerm));
}

// ---- formats ----

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, AfxPtrParam(&Sized(cf))));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, AfxPtrParam(&Sized(cf))));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, AfxPtrParam(&Sized(cf))));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2& cf) const {
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2& cf) {
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& cf) {
    return static_cast<BOOL>(
        SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, AfxPtrParam(&Sized(cf))));
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT2& cf) {
    return static_cast<BOOL>(
        SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, AfxPtrParam(&Sized(cf))));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const {
    return static_cast<DWORD>(SendMessage(EM_GETPARAFORMAT, 0, AfxPtrParam(&Sized(pf))));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT2& pf) const {
    return static_cast<DWORD>(SendMessage(EM_GETPARAFORMAT, 0, AfxPtrParam(&Sized(pf))));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf) {
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, AfxPtrParam(&Sized(pf))));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT2& pf) {
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, AfxPtrParam(&Sized(pf))));
}

// ---- streaming ----

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) {
    return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(nFormat), AfxPtrParam(&es)));
}

long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es) {
    return static_cast<long>(SendMessage(EM_STREAMOUT, static_cast<WPARAM>(nFormat), AfxPtrParam(&es)));
}

// ---- printing ----

BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth) {
    return static_cast<BOOL>(
        SendMessage(EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(hDC), static_cast<LPARAM>(lLineWidth)));
}

BOOL CRichEditCtrl::SetTargetDevice(CDC& dc, long lLineWidth) {
    // Line breaks follow the device whose attributes the DC reads.
    HDC hDC = dc.m_hAttribDC != nullptr ? dc.m_hAttribDC : dc.m_hDC;
    return SetTargetDevice(hDC, lLineWidth);
}

long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay) {
    return static_cast<long>(SendMessage(EM_FORMATRANGE, static_cast<WPARAM>(bDisplay), AfxPtrParam(pfr)));
}

BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect) {
    return static_cast<BOOL>(SendMessage(EM_DISPLAYBAND, 0, AfxPtrParam(pDisplayRect)));
}

void CRichEditCtrl::RequestResize() {
    SendMessage(EM_REQUESTRESIZE, 0, 0);
}

// ---- editing ----

void CRichEditCtrl::EmptyUndoBuffer() {
    SendMessage(EM_EMPTYUNDOBUFFER, 0, 0);
}

BOOL CRichEditCtrl::Undo() {
    return static_cast<BOOL>(SendMessage(EM_UNDO, 0, 0));
}

BOOL CRichEditCtrl::Redo() {
    return static_cast<BOOL>(SendMessage(EM_REDO, 0, 0));
}

void CRichEditCtrl::Clear() {
    SendMessage(WM_CLEAR, 0, 0);
}

void CRichEditCtrl::Copy() {
    SendMessage(WM_COPY, 0, 0);
}

void CRichEditCtrl::Cut() {
    SendMessage(WM_CUT, 0, 0);
}

void CRichEditCtrl::Paste() {
    SendMessage(WM_PASTE, 0, 0);
}

void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF) {
    REPASTESPECIAL special{dvAspect, reinterpret_cast<DWORD_PTR>(hMF)};
    SendMessage(EM_PASTESPECIAL, nClipFormat, AfxPtrParam(&special));
}
