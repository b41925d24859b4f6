// CGEBDTSpinGadget: the docked pair of arrow buttons of the date-time editor. A press steps the focused
// field once; held, it repeats after 500 ms every 100 ms, by 1 for twenty repeats, then by 2, and by 5
// after fifty.
#pragma once

#include "grid/controls/datetime/CGEBDTGadget.h"

// State flags of the spin gadget.
constexpr DWORD GEB_SPIN_UP_PRESSED = 1;
constexpr DWORD GEB_SPIN_DOWN_PRESSED = 2;
constexpr DWORD GEB_SPIN_TRACK_UP = 4;
constexpr DWORD GEB_SPIN_TRACK_DOWN = 8;
constexpr DWORD GEB_SPIN_TIMER = 16;
constexpr DWORD GEB_SPIN_INITIAL_DELAY = 32;

class CGEBDTSpinGadget : public CGEBDTGadget {
    DECLARE_DYNAMIC(CGEBDTSpinGadget)

public:
    static constexpr UINT kInitialDelay = 500;
    static constexpr UINT kRepeatDelay = 100;

    BOOL Initialise(CGEBDateTimeCtrl* pOwner, int nId = GEB_DTF_SPIN);

    // Width 16, the full height of the control.
    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, int x, int y) override;
    void OnLButtonUp(UINT nFlags, int x, int y) override;
    void OnMouseMove(UINT nFlags, int x, int y) override;
    void OnCancelMode() override;
    void OnTimer() override;

    DWORD GetState() const { return m_dwState; }
    int GetRepeatCount() const { return m_nRepeat; }
    // The step of the repeat n: 1 up to 20, 2 up to 50, then 5.
    static int StepOfRepeat(int nRepeat);
    // Draws an arrow button (shared with the date-time cell's inactive drawing).
    static void DrawArrowButton(CDC* pDC, const RECT& rect, BOOL bUp, BOOL bPressed);

private:
    // -1 outside, 1 in the lower half, 0 in the upper half.
    int HitPart(int x, int y) const;
    void EndTracking();

    DWORD m_dwState = 0;
    int m_nRepeat = 0;
};
