#include "framework/win/CToolBarCtrl.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

namespace {

template <class T> LPARAM PtrParam(T* p) {
    return reinterpret_cast<LPARAM>(p);
}

WPARAM Id(int nID) {
    return static_cast<WPARAM>(nID);
}

} // namespace

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_BAR_CLASSES);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    CWnd::SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

BOOL CToolBarCtrl::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT&, UINT nID) {
    const RECT rect{0, 0, 0, 0};
    return Create(dwStyle | dwCtrlStyle, rect, pParentWnd, nID);
}

// ---- buttons ----

int CToolBarCtrl::GetButtonCount() const {
    return static_cast<int>(CWnd::SendMessage(TB_BUTTONCOUNT));
}

BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const {
    return static_cast<BOOL>(CWnd::SendMessage(TB_GETBUTTON, Id(nIndex), PtrParam(lpButton)));
}

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_ADDBUTTONSA, Id(nNumButtons), PtrParam(lpButtons)));
}

BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_INSERTBUTTONA, Id(nIndex), PtrParam(lpButton)));
}

BOOL CToolBarCtrl::DeleteButton(int nIndex) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_DELETEBUTTON, Id(nIndex)));
}

BOOL CToolBarCtrl::MoveButton(UINT nOldPos, UINT nNewPos) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_MOVEBUTTON, nOldPos, nNewPos));
}

int CToolBarCtrl::CommandToIndex(UINT nID) const {
    return static_cast<int>(CWnd::SendMessage(TB_COMMANDTOINDEX, nID));
}

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<BOOL>(CWnd::SendMessage(TB_GETITEMRECT, Id(nIndex), PtrParam(lpRect)));
}

BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const {
    return static_cast<BOOL>(CWnd::SendMessage(TB_GETRECT, Id(nID), PtrParam(lpRect)));
}

int CToolBarCtrl::HitTest(LPPOINT ppt) const {
    return static_cast<int>(CWnd::SendMessage(TB_HITTEST, 0, PtrParam(ppt)));
}

int CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const {
    return static_cast<int>(CWnd::SendMessage(TB_GETBUTTONINFOA, Id(nID), PtrParam(ptbbi)));
}

BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETBUTTONINFOA, Id(nID), PtrParam(ptbbi)));
}

// ---- state ----

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_ENABLEBUTTON, Id(nID), MAKELPARAM(bEnable, 0)));
}

BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_CHECKBUTTON, Id(nID), MAKELPARAM(bCheck, 0)));
}

BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_PRESSBUTTON, Id(nID), MAKELPARAM(bPress, 0)));
}

BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_HIDEBUTTON, Id(nID), MAKELPARAM(bHide, 0)));
}

BOOL CToolBarCtrl::Indeterminate(int nID, BOOL bIndeterminate) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_INDETERMINATE, Id(nID), MAKELPARAM(bIndeterminate, 0)));
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const {
    return CWnd::SendMessage(TB_ISBUTTONENABLED, Id(nID)) != 0;
}

BOOL CToolBarCtrl::IsButtonChecked(int nID) const {
    return CWnd::SendMessage(TB_ISBUTTONCHECKED, Id(nID)) != 0;
}

BOOL CToolBarCtrl::IsButtonPressed(int nID) const {
    return CWnd::SendMessage(TB_ISBUTTONPRESSED, Id(nID)) != 0;
}

BOOL CToolBarCtrl::IsButtonHidden(int nID) const {
    return CWnd::SendMessage(TB_ISBUTTONHIDDEN, Id(nID)) != 0;
}

BOOL CToolBarCtrl::IsButtonIndeterminate(int nID) const {
    return CWnd::SendMessage(TB_ISBUTTONINDETERMINATE, Id(nID)) != 0;
}

int CToolBarCtrl::GetState(int nID) const {
    return static_cast<int>(CWnd::SendMessage(TB_GETSTATE, Id(nID)));
}

BOOL CToolBarCtrl::SetState(int nID, UINT nState) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETSTATE, Id(nID), MAKELPARAM(nState, 0)));
}

// ---- images and text ----

BOOL CToolBarCtrl::SetBitmapSize(CSize size) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)));
}

BOOL CToolBarCtrl::SetButtonSize(CSize size) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)));
}

CSize CToolBarCtrl::GetButtonSize() const {
    const auto packed = static_cast<DWORD>(CWnd::SendMessage(TB_GETBUTTONSIZE));
    return CSize(LOWORD(packed), HIWORD(packed));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID) {
    TBADDBITMAP tbab{AfxGetResourceHandle(), nBitmapID};
    return static_cast<int>(CWnd::SendMessage(TB_ADDBITMAP, Id(nNumButtons), PtrParam(&tbab)));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CGdiObject* pBitmap) {
    TBADDBITMAP tbab{nullptr, reinterpret_cast<UINT_PTR>(pBitmap->GetSafeHandle())};
    return static_cast<int>(CWnd::SendMessage(TB_ADDBITMAP, Id(nNumButtons), PtrParam(&tbab)));
}

BOOL CToolBarCtrl::ReplaceBitmap(LPTBREPLACEBITMAP pReplaceBitmap) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_REPLACEBITMAP, 0, PtrParam(pReplaceBitmap)));
}

int CToolBarCtrl::AddStrings(LPCSTR lpszStrings) {
    return static_cast<int>(CWnd::SendMessage(TB_ADDSTRINGA, 0, PtrParam(lpszStrings)));
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        CWnd::SendMessage(TB_SETIMAGELIST, 0, PtrParam(pImageList->GetSafeHandle()))));
}

CImageList* CToolBarCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(CWnd::SendMessage(TB_GETIMAGELIST)));
}

CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        CWnd::SendMessage(TB_SETHOTIMAGELIST, 0, PtrParam(pImageList->GetSafeHandle()))));
}

CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        CWnd::SendMessage(TB_SETDISABLEDIMAGELIST, 0, PtrParam(pImageList->GetSafeHandle()))));
}

BOOL CToolBarCtrl::SetIndent(int iIndent) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETINDENT, Id(iIndent)));
}

BOOL CToolBarCtrl::SetButtonWidth(int cxMin, int cxMax) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(cxMin, cxMax)));
}

BOOL CToolBarCtrl::SetMaxTextRows(int iMaxRows) {
    return static_cast<BOOL>(CWnd::SendMessage(TB_SETMAXTEXTROWS, Id(iMaxRows)));
}

// ---- layout and behaviour ----

void CToolBarCtrl::AutoSize() {
    CWnd::SendMessage(TB_AUTOSIZE);
}

BOOL CToolBarCtrl::GetMaxSize(LPSIZE pSize) const {
    return static_cast<BOOL>(CWnd::SendMessage(TB_GETMAXSIZE, 0, PtrParam(pSize)));
}

int CToolBarCtrl::GetRows() const {
    return static_cast<int>(CWnd::SendMessage(TB_GETROWS));
}

void CToolBarCtrl::SetRows(int nRows, BOOL bLarger, LPRECT lpRect) {
    CWnd::SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), PtrParam(lpRect));
}

DWORD CToolBarCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(CWnd::SendMessage(TB_GETEXTENDEDSTYLE));
}

DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle) {
    return static_cast<DWORD>(CWnd::SendMessage(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(dwExStyle)));
}

DWORD CToolBarCtrl::GetStyle() const {
    return static_cast<DWORD>(CWnd::SendMessage(TB_GETSTYLE));
}

void CToolBarCtrl::SetStyle(DWORD dwStyle) {
    CWnd::SendMessage(TB_SETSTYLE, 0, static_cast<LPARAM>(dwStyle));
}

int CToolBarCtrl::GetHotItem() const {
    return static_cast<int>(CWnd::SendMessage(TB_GETHOTITEM));
}

int CToolBarCtrl::SetHotItem(int nHot) {
    return static_cast<int>(CWnd::SendMessage(TB_SETHOTITEM, Id(nHot)));
}

CToolTipCtrl* CToolBarCtrl::GetToolTips() const {
    return AfxCtrlFromHandle<CToolTipCtrl>(reinterpret_cast<HWND>(CWnd::SendMessage(TB_GETTOOLTIPS)));
}

void CToolBarCtrl::SetToolTips(CToolTipCtrl* pTip) {
    CWnd::SendMessage(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(pTip->GetSafeHwnd()));
}

void CToolBarCtrl::SetOwner(CWnd* pWnd) {
    CWnd::SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()));
}
