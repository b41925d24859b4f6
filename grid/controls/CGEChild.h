// CGEChild: a small object inside a cell (a button, an arrow) that its owner control lays out, draws and
// feeds with mouse and keyboard events. Rectangles are in grid-window client coordinates. Every default
// answers FALSE (not handled); each concrete child draws itself.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

class CDC;
class CGEControl;

class CGEChild {
public:
    explicit CGEChild(CGEControl* pOwner);
    virtual ~CGEChild() = default;
    CGEChild(const CGEChild&) = delete;
    CGEChild& operator=(const CGEChild&) = delete;

    CGEControl* GetOwner() const { return m_pOwner; }

    virtual void SetRect(const CRect& rect) { m_rect = rect; }
    virtual CRect GetRect() const { return m_rect; }
    virtual BOOL HitTest(CPoint point) const { return m_rect.PtInRect(point); }
    // TRUE when the owner's active child is this one.
    virtual BOOL HasFocus() const;
    virtual void SetText(LPCSTR pszText) { m_strText = pszText; }
    virtual CString GetText() const { return m_strText; }
    virtual void Draw(CDC* pDC, BOOL bFocus) = 0;
    // Invalidates the rectangle in the grid window (erasing).
    virtual void Refresh();

    virtual BOOL OnMouseMove(UINT, CPoint) { return FALSE; }
    virtual BOOL LButtonDown(UINT, CPoint) { return FALSE; }
    virtual BOOL LButtonUp(UINT, CPoint) { return FALSE; }
    virtual BOOL LButtonDblClk(UINT, CPoint) { return FALSE; }
    virtual BOOL MButtonDown(UINT, CPoint) { return FALSE; }
    virtual BOOL MButtonUp(UINT, CPoint) { return FALSE; }
    virtual BOOL MButtonDblClk(UINT, CPoint) { return FALSE; }
    virtual BOOL RButtonDown(UINT, CPoint) { return FALSE; }
    virtual BOOL RButtonUp(UINT, CPoint) { return FALSE; }
    virtual BOOL RButtonDblClk(UINT, CPoint) { return FALSE; }
    virtual BOOL MouseMoveOver(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }

    // Keys and characters of the grid window, dispatched as the owner control dispatches them (the
    // owner's double-byte collector assembles lead and trail bytes).
    virtual BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnGridKeyDown(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridDoubleByteChar(const CString&, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridDeadChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysKeyDown(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysDeadChar(UINT, UINT, UINT) { return FALSE; }

    virtual void OnGridWinIniChange(LPCSTR) {}
    virtual void OnGridSysColorChange() {}
    virtual void OnGridCancelMode() {}

protected:
    CGEControl* m_pOwner;
    CRect m_rect;
    CString m_strText;
    DWORD m_dwReserved = 0;
};
