// CStatusBarCtrl: the common status bar control (a row of text parts along a window's bottom edge).
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CWnd.h"

#include <commctrl.h>

class CStatusBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() = default;

    // dwStyle: window styles plus SBARS_xxx and CCS_xxx styles.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // nParts parts whose right edges (client coordinates) are pWidths; -1 reaches the right edge.
    BOOL SetParts(int nParts, int* pWidths);
    // Number of parts; fills up to nParts right edges.
    int GetParts(int nParts, int* pParts) const;
    // nType: 0, SBT_NOBORDERS, SBT_POPOUT, SBT_RTLREADING, SBT_OWNERDRAW.
    BOOL SetText(LPCSTR lpszText, int nPane, int nType);
    CString GetText(int nPane, int* pType = nullptr) const;
    int GetTextLength(int nPane, int* pType = nullptr) const;
    BOOL GetRect(int nPane, LPRECT lpRect) const;
    // Horizontal border, vertical border, spacing between parts.
    BOOL GetBorders(int* pBorders) const;
    BOOL GetBorders(int& nHorz, int& nVert, int& nSpacing) const;
    void SetMinHeight(int nMin);
    // One part showing simple text (SB_SIMPLEID) instead of the parts.
    BOOL SetSimple(BOOL bSimple = TRUE);
    BOOL IsSimple() const;
    BOOL SetIcon(int nPane, HICON hIcon);
    void SetTipText(int nPane, LPCSTR pszTipText);
    CString GetTipText(int nPane) const;
    COLORREF SetBkColor(COLORREF cr);
};
