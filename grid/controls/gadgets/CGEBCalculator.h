// CGEBCalculator: a four-function calculator in a window of its own: a display line over twenty buttons.
// The arithmetic lives in CGEBCalcEngine; this window lays the buttons out from its parent's font, turns
// clicks and keys into commands, beeps at refused ones and paints the display and the buttons. Its own
// window style bits: 0x0001 a two-pixel 3D border of its own, 0x0002 an etched line across the top, 0x0010
// (pop-up only) "=" reports to the owner and closes.
#pragma once

#include "framework/win/CBitmap.h"
#include "framework/win/CFont.h"
#include "framework/win/CWnd.h"
#include "grid/controls/gadgets/CGEBCalcBtn.h"
#include "grid/controls/gadgets/CGEBCalcEngine.h"

#include <memory>
#include <vector>

// The result of a pop-up calculator, sent to its owner: lParam points to the display text.
constexpr UINT GEB_CALC_RESULT = 0x07E3;

class CGEBCalculator : public CWnd {
    DECLARE_DYNAMIC(CGEBCalculator)

public:
    // The buttons, owned.
    class CGEBCalcBtnArray : public std::vector<std::unique_ptr<CGEBCalcBtn>> {};

    // Style bits of the calculator's own.
    static constexpr DWORD styleOwnBorder = 0x0001;
    static constexpr DWORD styleEtchedLine = 0x0002;
    static constexpr DWORD stylePopupCloseOnEquals = 0x0010;

    CGEBCalculator() = default;
    ~CGEBCalculator() override;
    CGEBCalculator(const CGEBCalculator&) = delete;
    CGEBCalculator& operator=(const CGEBCalculator&) = delete;

    // Creates the window at (x, y), sized by its buttons; a value set before keeps. FALSE when the window
    // cannot be made.
    BOOL Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID,
                LPVOID lpParam = nullptr);
    // Clears, then the accumulator takes the value and the display shows it.
    void SetValue(double dValue);
    // Value 0 (unless it was set before the window was made), nothing pending, error cleared.
    void Reset();

    virtual void CreateButtons(CWnd* pParentWnd);
    virtual void CreateFonts(CWnd* pParentWnd);
    // Runs a button's command; refused commands beep. FALSE when nothing happened.
    virtual BOOL HandleEvent(UINT nCommand);
    // The user's decimal separator ("." when the locale gives none).
    virtual CString& GetDecimalSeparator(CString& strSeparator);
    virtual UINT GetClassStyle();
    virtual void Draw(CDC* pDC);

    const CGEBCalcEngine& GetEngine() const { return m_engine; }
    const CGEBCalcBtnArray& GetButtons() const { return m_buttons; }
    const CRect& GetDisplayRect() const { return m_rectDisplay; }
    BOOL IsError() const { return m_engine.IsError(); }
    // The display text as painted ("Error " in error state).
    CString GetDisplayString() const;
    // The client size the layout needs (buttons and fonts made first).
    CSize CalcClientSize();
    // The window size for a client size under the given styles.
    static CSize WindowSizeFor(const CSize& client, DWORD dwStyle, DWORD dwExStyle);

protected:
    afx_msg LRESULT OnPaintMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSysColorChangeMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnLButtonDownMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnLButtonUpMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnMouseMoveMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCancelModeMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnGetDlgCodeMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCharMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnNcPaintMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnNcCalcSizeMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnKeyDownMsg(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // Shows a button pressed, runs its command and shows it released, each step drawn at once.
    void PressButton(int nIndex);
    // The first button whose keys hold the character / whose virtual key is the key; -1 when none.
    int FindButtonByChar(LPCSTR pszChar) const;
    int FindButtonByVirtKey(UINT nKey) const;
    int ButtonFromPoint(CPoint point) const;
    void SetButtonPressed(int nIndex, BOOL bPressed);
    void InvalidateDisplay();
    // Margins, display and button rectangles from the button size; the client size.
    CSize Layout();
    void ComputeButtonSize(CWnd* pParentWnd);
    void ComputeDigitCapacity();
    void DrawDisplay(CDC* pDC);
    void LoadEnterBitmap();
    // What Create and a pop-up share: separator, colours, state, buttons, fonts and layout; the window size.
    void PrepareCreate(DWORD& dwExStyle, DWORD& dwStyle, CWnd* pParentWnd, CSize& windowSize);
    BOOL CreateAt(DWORD dwExStyle, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID,
                  LPVOID lpParam);

    enum : DWORD { flagTracking = 1, flagLeadByte = 2, flagValuePreset = 4 };

    CGEBCalcEngine m_engine;
    BYTE m_cLeadByte = 0;
    DWORD m_dwFlags = 0;
    CRect m_rectDisplay;
    int m_nDisplayHeight = 0;
    CFont m_fontButton;
    CFont m_fontDisplay;
    CBitmap m_bitmapEnter;
    HBITMAP m_hEnterBitmap = nullptr; // the handle the Enter button's look points to
    DWORD m_dwCalcStyle = 0;
    BOOL m_bSeparatorRead = FALSE;
    BOOL m_bPopup = FALSE; // Tab stays inside a pop-up
    CSize m_sizeButton;
    int m_nTopMargin = 1;
    int m_nLeftMargin = 4;
    int m_nVertGap = 1;
    int m_nHorzGap = 0;
    int m_nTracked = -1;
    CGEBCalcBtnArray m_buttons;
};
