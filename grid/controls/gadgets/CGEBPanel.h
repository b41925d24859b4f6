// CGEBPanel: one light-weight drawing object of the calendar window (not a window): a rectangle with a
// layered border (frame, bevel, mark border), a background and a text. The calendar lays the panels out,
// hands them their flags and colours and lets them draw; a panel redraws itself by invalidating its
// rectangle in the calendar window.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "framework/win/CDC.h"
#include "framework/win/CFont.h"

#include <windows.h>

class CGEBCalendar;

// Panel flags.
constexpr DWORD GEB_PANEL_BEVEL_SELECTED = 0x2;
constexpr DWORD GEB_PANEL_BEVEL_UNSELECTED = 0x4;
constexpr DWORD GEB_PANEL_FRAME_SELECTED = 0x8;
constexpr DWORD GEB_PANEL_FRAME_UNSELECTED = 0x10;
constexpr DWORD GEB_PANEL_MARK_SELECTED = 0x20;
constexpr DWORD GEB_PANEL_MARK_UNSELECTED = 0x40;
constexpr DWORD GEB_PANEL_CENTERED = 0x80;
constexpr DWORD GEB_PANEL_GREY_OTHER_MONTH = 0x100;
constexpr DWORD GEB_PANEL_FULL_MONTH_NAME = 0x10000000;
constexpr DWORD GEB_PANEL_FULL_DAY_NAMES = 0x20000000;

// Calendar flags (the calendar's, of which every panel holds a copy).
constexpr DWORD GEB_CAL_ACCEPT_ON_CLICK = 0x100;
constexpr DWORD GEB_CAL_SELECT_OTHER_MONTH = 0x200;
constexpr DWORD GEB_CAL_SELECTABLE = 0x4000;
constexpr DWORD GEB_CAL_MARKABLE = 0x8000;
constexpr DWORD GEB_CAL_FIT_FONTS = 0x10000;
constexpr DWORD GEB_CAL_AUTOSIZE = 0x20000;
constexpr DWORD GEB_CAL_ACCEPT_ON_SELECT = 0x40000;
constexpr DWORD GEB_CAL_MONTH_BUTTONS = 0x80000;
constexpr DWORD GEB_CAL_YEAR_BUTTONS = 0x100000;
constexpr DWORD GEB_CAL_KEYBOARD = 0x200000;
constexpr DWORD GEB_CAL_READONLY = 0x400000;
constexpr DWORD GEB_CAL_RESIZABLE = 0x800000;
constexpr DWORD GEB_CAL_DRAG_MODE = 0x1000000;

class CGEBPanel : public CObject {
    DECLARE_DYNAMIC(CGEBPanel)

public:
    CGEBPanel() = default;
    ~CGEBPanel() override = default;

    // Stores everything, marks the panel created and computes its border insets; returns 1.
    BOOL Create(const RECT& rect, CGEBCalendar* pOwner, BOOL bSelected, BOOL bMarked, DWORD dwPanelFlags,
                DWORD dwCalendarFlags, int nBevelWidth);

    // Right and bottom are inclusive. Each setter answers the old value and makes the insets dirty.
    RECT SetRect(const RECT& rect);
    const RECT& GetRect() const { return m_rect; }
    // The rectangle inside the innermost border (inclusive); empty when the borders leave nothing.
    RECT GetInnerRect();
    // The same; FALSE (and an empty rectangle) when the borders leave nothing.
    BOOL GetInnerArea(RECT& inner);
    DWORD SetPanelFlags(DWORD dwFlags);
    DWORD GetPanelFlags() const { return m_dwPanelFlags; }
    DWORD SetCalendarFlags(DWORD dwFlags);
    DWORD GetCalendarFlags() const { return m_dwCalendarFlags; }
    int SetBevelWidth(int nWidth);
    int GetBevelWidth() const { return m_nBevelWidth; }

    // Refused (0, unchanged) while the panel's selectable bit (calendar flag 0x4000) is clear.
    BOOL SetSelected(BOOL bSelected, BOOL bRedraw);
    BOOL IsSelected() const { return m_bSelected; }
    // While the markable bit (0x8000) is clear the mark is cleared and 0 returned.
    BOOL SetMarked(BOOL bMarked, BOOL bRedraw);
    BOOL IsMarked() const { return m_bMarked; }

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF SetGreyColor(COLORREF color);
    COLORREF GetGreyColor() const { return m_clrGrey; }
    BOOL PtInPanel(POINT point) const;
    CString SetText(LPCSTR pszText);
    const CString& GetText() const { return m_strText; }
    BOOL IsCreated() const { return m_bCreated; }

    // Invalidates the rectangle grown by one pixel (no erase) in the owner's window and updates it; only
    // once created.
    void Redraw();

    virtual void DrawMarkBorder(CDC* pDC);
    // Frame, bevel, background, content and mark border with the button-face background and the
    // panel's text colour; the DC's colours are restored afterwards.
    virtual void Draw(CDC* pDC);
    virtual void DrawBevel(CDC* pDC);
    virtual void DrawFrame(CDC* pDC);
    virtual void DrawBackground(CDC* pDC);
    virtual void DrawContent(CDC* pDC);

    // The size the panel wants for its content with the given font (null: the font selected into the DC).
    virtual CSize CalcPreferredSize(CDC* pDC, const LOGFONTA* pLogFont);
    // Grows or shrinks a font (height and width together) until the preferred size fits the panel's
    // rectangle; an empty rectangle gives height and width 0. Each shrink step multiplies by dShrink
    // (at least one less) and stops below nMinimum.
    void FitFont(CDC* pDC, LOGFONTA& logFont, double dShrink, int nMinimum);

    // Border insets from the outside in: 0, after the frame, after the bevel, after the mark border.
    int GetInset(int nLayer);
    // The largest inset any state of this panel can have (selected or not, marked).
    int GetLargestInset() const;

    // Selects a font made from a LOGFONT into a DC for its lifetime; with no LOGFONT nothing changes.
    class CScopedFont {
    public:
        CScopedFont(CDC* pDC, const LOGFONTA* pLogFont);
        ~CScopedFont();
        CScopedFont(const CScopedFont&) = delete;
        CScopedFont& operator=(const CScopedFont&) = delete;

    private:
        CDC* m_pDC;
        CFont m_font;
        CFont* m_pOld = nullptr;
    };

protected:
    void ComputeInsets();
    // Draws the band between two insets as one-pixel outlines.
    void DrawLayer(CDC* pDC, int nFrom, int nTo, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // Draws a text centred (TA_CENTER | TA_BASELINE at the middle, lowered by half the ascent) or at a
    // tenth of the size from the top-left corner, clipped to rect (inclusive).
    void DrawPanelText(CDC* pDC, const RECT& rect, const CString& strText, BOOL bCentered);
    static RECT Exclusive(const RECT& rect) { return {rect.left, rect.top, rect.right + 1, rect.bottom + 1}; }

    COLORREF m_clrGrey = RGB(128, 128, 128);
    CGEBCalendar* m_pOwner = nullptr;
    DWORD m_dwCalendarFlags = 0;
    DWORD m_dwPanelFlags = 0x17F;
    CString m_strText;
    RECT m_rect{};
    int m_nBevelWidth = 3;
    BOOL m_bSelected = FALSE;
    BOOL m_bMarked = FALSE;
    COLORREF m_clrFrame = RGB(0, 0, 0);
    COLORREF m_clrMark = RGB(255, 0, 0);
    COLORREF m_clrText = RGB(0, 0, 0);
    BOOL m_bDirty = TRUE;
    BOOL m_bCreated = FALSE;
    int m_nInsets[4] = {0, 0, 0, 0};
};
