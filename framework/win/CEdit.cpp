#include "framework/win/CEdit.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const {
    return static_cast<BOOL>(SendMessage(EM_CANUNDO, 0, 0));
}

int CEdit::GetLineCount() const {
    return static_cast<int>(SendMessage(EM_GETLINECOUNT, 0, 0));
}

BOOL CEdit::GetModify() const {
    return static_cast<BOOL>(SendMessage(EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified) {
    SendMessage(EM_SETMODIFY, static_cast<WPARAM>(bModified), 0);
}

void CEdit::GetRect(LPRECT lpRect) const {
    SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(SendMessage(EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

HLOCAL CEdit::GetHandle() const {
    return reinterpret_cast<HLOCAL>(SendMessage(EM_GETHANDLE, 0, 0));
}

void CEdit::SetHandle(HLOCAL hBuffer) {
    SendMessage(EM_SETHANDLE, reinterpret_cast<WPARAM>(hBuffer), 0);
}

UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT, 0, 0));
}

void CEdit::SetLimitText(UINT nMax) {
    SendMessage(EM_SETLIMITTEXT, nMax, 0);
}

DWORD CEdit::GetMargins() const {
    return static_cast<DWORD>(SendMessage(EM_GETMARGINS, 0, 0));
}

void CEdit::SetMargins(UINT nLeft, UINT nRight) {
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(nLeft, nRight));
}

char CEdit::GetPasswordChar() const {
    return static_cast<char>(SendMessage(EM_GETPASSWORDCHAR, 0, 0));
}

int CEdit::GetFirstVisibleLine() const {
    return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0));
}

CPoint CEdit::PosFromChar(UINT nChar) const {
    const auto pos = static_cast<DWORD>(SendMessage(EM_POSFROMCHAR, nChar, 0));
    return CPoint(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
}

int CEdit::CharFromPos(CPoint pt) const {
    return static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer) const {
    return static_cast<int>(
        SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const {
    if (lpszBuffer == nullptr || nMaxLength <= 0)
        return 0;
    // The control reads the size from the buffer's first WORD, so a buffer shorter than that goes
    // through a copy.
    std::vector<char> line(static_cast<size_t>(std::max(nMaxLength, 2)) + 1, '\0');
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(std::min(nMaxLength, 0xFFFF));
    int copied = static_cast<int>(
        SendMessage(EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(line.data())));
    copied = std::clamp(copied, 0, nMaxLength);
    std::copy_n(line.data(), copied, lpszBuffer);
    if (copied < nMaxLength)
        lpszBuffer[copied] = '\0';
    return copied;
}

void CEdit::EmptyUndoBuffer() {
    SendMessage(EM_EMPTYUNDOBUFFER, 0, 0);
}

BOOL CEdit::FmtLines(BOOL bAddEOL) {
    return static_cast<BOOL>(SendMessage(EM_FMTLINES, static_cast<WPARAM>(bAddEOL), 0));
}

void CEdit::LimitText(int nChars) {
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}

int CEdit::LineFromChar(int nIndex) const {
    return static_cast<int>(SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex), 0));
}

int CEdit::LineIndex(int nLine) const {
    return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(nLine), 0));
}

int CEdit::LineLength(int nLine) const {
    return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(nLine), 0));
}

void CEdit::LineScroll(int nLines, int nChars) {
    SendMessage(EM_LINESCROLL, static_cast<WPARAM>(nChars), static_cast<LPARAM>(nLines));
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::SetPasswordChar(char ch) {
    SendMessage(EM_SETPASSWORDCHAR, static_cast<BYTE>(ch), 0);
}

void CEdit::SetRect(LPCRECT lpRect) {
    SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

void CEdit::SetRectNP(LPCRECT lpRect) {
    SendMessage(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(lpRect));
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SetSel(static_cast<int>(static_cast<short>(LOWORD(dwSelection))),
           static_cast<int>(static_cast<short>(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET, 0, 0);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

void CEdit::SetTabStops() {
    SendMessage(EM_SETTABSTOPS, 0, 0);
}

BOOL CEdit::SetTabStops(const int& cxEachStop) {
    return static_cast<BOOL>(SendMessage(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}

BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops) {
    return static_cast<BOOL>(
        SendMessage(EM_SETTABSTOPS, static_cast<WPARAM>(nTabStops), reinterpret_cast<LPARAM>(rgTabStops)));
}

BOOL CEdit::Undo() {
    return static_cast<BOOL>(SendMessage(EM_UNDO, 0, 0));
}

void CEdit::Clear() {
    SendMessage(WM_CLEAR, 0, 0);
}

void CEdit::Copy() {
    SendMessage(WM_COPY, 0, 0);
}

void CEdit::Cut() {
    SendMessage(WM_CUT, 0, 0);
}

void CEdit::Paste() {
    SendMessage(WM_PASTE, 0, 0);
}
