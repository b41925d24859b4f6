// CGEArrowButton: a button that repeats its click while it is held: one click at once, the next after
// 500 ms, then every 150 ms, each interval 5 ms shorter down to 50 ms. The owner's mouse tracking calls
// OnMouseMove while the button is held; each call reports the clicks that are due.
#pragma once

#include "grid/controls/CGEButton.h"

class CGEArrowButton : public CGEButton {
public:
    explicit CGEArrowButton(CGEControl* pOwner);

    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL LButtonDown(UINT nFlags, CPoint point) override;
    // Ends the press; the clicks were reported while it was held.
    BOOL LButtonUp(UINT nFlags, CPoint point) override;

    DWORD GetRepeatInterval() const { return m_nRepeatInterval; }
    // The interval after the one given: 150 after a long first wait, then 5 ms less down to 50 ms.
    static DWORD NextInterval(DWORD nInterval) {
        return nInterval >= 151 ? 150 : nInterval > 50 ? nInterval - 5 : nInterval;
    }

protected:
    // Milliseconds of the system clock (tests answer their own clock).
    virtual DWORD CurrentTicks() const;

    DWORD m_nLastRepeat = 0;
    DWORD m_nRepeatInterval = 500;
};
