// CGEBDTGadget: one windowless part of the date-time edit control: a field (number or name list), a
// piece of literal text, or a docked button. A gadget never changes the control's date itself: it asks
// its owner through Notify, and the owner pushes the field values back with SetValue.
#pragma once

#include "framework/core/CObject.h"
#include "framework/win/CDC.h"

#include <windows.h>

class CGEBDateTimeCtrl;

// Gadget styles.
constexpr DWORD GEB_DTG_FOCUSABLE = 1; // takes the focus and keys
constexpr DWORD GEB_DTG_MOUSE = 2;     // receives mouse events
constexpr DWORD GEB_DTG_DOCKED = 4;    // docked at the right edge, not scrolled

// Field ids (one bit each).
constexpr int GEB_DTF_HOUR12 = 1;
constexpr int GEB_DTF_HOUR24 = 2;
constexpr int GEB_DTF_MINUTE = 4;
constexpr int GEB_DTF_SECOND = 8;
constexpr int GEB_DTF_AMPM = 16;
constexpr int GEB_DTF_DAY = 32;
constexpr int GEB_DTF_DAYOFWEEK = 64;
constexpr int GEB_DTF_MONTH = 128;
constexpr int GEB_DTF_MONTHNAME = 256;
constexpr int GEB_DTF_YEAR2 = 512;
constexpr int GEB_DTF_YEAR4 = 1024;
constexpr int GEB_DTF_BUTTON = 0x4000;
constexpr int GEB_DTF_SPIN = 0x8000;

// Requests a gadget sends to its owner.
constexpr int GEB_DTN_INCREMENT = 1;
constexpr int GEB_DTN_DECREMENT = 2;
constexpr int GEB_DTN_INCREMENT_BY = 3;
constexpr int GEB_DTN_DECREMENT_BY = 4;
constexpr int GEB_DTN_BUTTON = 5;
constexpr int GEB_DTN_TEST = 6;
constexpr int GEB_DTN_SET = 7;
constexpr int GEB_DTN_FIRST = 8;
constexpr int GEB_DTN_LAST = 9;
constexpr int GEB_DTN_TYPING = 10;
constexpr int GEB_DTN_ALL_DIGITS = 11;

class CGEBDTGadget : public CObject {
    DECLARE_DYNAMIC(CGEBDTGadget)

public:
    CGEBDTGadget() = default;
    // Stops the gadget's timer.
    ~CGEBDTGadget() override;
    CGEBDTGadget(const CGEBDTGadget&) = delete;
    CGEBDTGadget& operator=(const CGEBDTGadget&) = delete;

    BOOL Initialise(CGEBDateTimeCtrl* pOwner, int nId);

    // Sets the rectangle to (0, 0, width, height) with the owner's font selected; a bottom of -1 asks the
    // layout for the full client height.
    virtual void CalcSize(CDC* pDC) = 0;
    virtual void Draw(CDC* pDC) = 0;
    // FALSE without style 1; otherwise stores a changed flag and invalidates the gadget.
    virtual BOOL SetFocus(BOOL bFocus);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnChar(UINT nChar);
    virtual void OnLButtonDown(UINT nFlags, int x, int y);
    virtual void OnLButtonUp(UINT nFlags, int x, int y);
    virtual void OnMouseMove(UINT nFlags, int x, int y);
    virtual void OnCancelMode();
    virtual void OnTimer();
    virtual void OnSysColorChange();

    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetId() const { return m_nId; }
    int GetValue() const { return m_nValue; }
    // Stores only; the owner invalidates.
    void SetValue(int nValue) { m_nValue = nValue; }
    RECT* GetRect() { return &m_rect; }
    void SetRect(const RECT& rect) { m_rect = rect; }
    BOOL HasFocus() const { return m_bFocus; }
    // The owner's answer to a request (non-zero: accepted).
    int Notify(int nCode, int nId, int nValue);
    void Invalidate(BOOL bUpdateNow);
    void CaptureMouse(BOOL bCapture);
    // A thread timer of the library; a gadget has at most one.
    void StartTimer(UINT nElapse);
    void StopTimer();
    BOOL HasTimer() const { return m_nTimer != 0; }

protected:
    // The one-line text measured as the gadgets measure it.
    static CSize MeasureText(CDC* pDC, const CString& strText);
    // Draws a field's text centred, highlighted when the gadget has the focus.
    void DrawFieldText(CDC* pDC, const CString& strText);

    RECT m_rect{};
    BOOL m_bFocus = FALSE;
    DWORD m_dwStyle = GEB_DTG_FOCUSABLE;
    int m_nId = -1;
    int m_nValue = 0;
    CGEBDateTimeCtrl* m_pOwner = nullptr;

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR nId, DWORD);
    UINT_PTR m_nTimer = 0;
};
