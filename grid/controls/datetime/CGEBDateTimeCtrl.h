// CGEBDateTimeCtrl: a child window that edits one date and time field by field. A format string (the
// locale's time, short or long date format, or a custom one) is parsed into gadgets: numbers, name lists
// and literal text, optionally with a docked drop-down button that opens the pop-up calendar and a
// docked spin button pair. The gadgets only ask for changes; the control applies each request to the
// date, keeps it in the allowed range, tells the parent (WM_COMMAND, code 0x100) and pushes the new field
// values back into the gadgets.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/win/CWnd.h"
#include "grid/controls/datetime/CGEBDTGadget.h"

#include <memory>
#include <vector>

class CGEBPopupCalendar;

// Window styles of the control.
constexpr DWORD GEB_DTS_DROPDOWN = 0x1;      // drop-down calendar button, F4 and Alt+Down
constexpr DWORD GEB_DTS_SPIN = 0x2;          // spin buttons
constexpr DWORD GEB_DTS_KEEP_CENTURY = 0x10; // a typed two-digit year keeps the value's century
constexpr DWORD GEB_DTS_NEAR_CENTURY = 0x20; // ... takes the century nearest the value

// Change flags.
constexpr DWORD GEB_DTC_CHANGED = 1;
constexpr DWORD GEB_DTC_TYPING = 4;

// The notification code of WM_COMMAND sent to the parent when the value changed.
constexpr UINT GEB_DTN_CHANGED = 0x100;

// Fields the user may not change (the no-edit mask).
constexpr DWORD GEB_DTNE_YEAR = 1;
constexpr DWORD GEB_DTNE_MONTH = 2;
constexpr DWORD GEB_DTNE_DAY = 4;
constexpr DWORD GEB_DTNE_HOUR = 8;
constexpr DWORD GEB_DTNE_MINUTE = 16;
constexpr DWORD GEB_DTNE_SECOND = 32;

class CGEBDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CGEBDateTimeCtrl)

public:
    // The fields of a date: second .. year, day of week 1 = Sunday .. 7 = Saturday.
    struct Fields {
        int second = 0, minute = 0, hour = 0, day = 0, month = 0, year = 0, dayOfWeek = 0, dayOfYear = 0;
    };
    // Splits a date rounded to the nearest second; FALSE for an invalid date or one outside the years
    // 100..9999.
    static BOOL SplitDate(const COleDateTime& date, Fields& fields);

    // The gadgets: docked ones first, then the format's in order.
    class CGEBDTGadgetArray : public CObArray {
    public:
        CGEBDTGadget* GetGadget(INT_PTR nIndex) const { return static_cast<CGEBDTGadget*>(GetAt(nIndex)); }
    };

    CGEBDateTimeCtrl();
    ~CGEBDateTimeCtrl() override;

    BOOL Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                LPVOID lpParam = nullptr);

    virtual BOOL IsFastInput() const { return m_bFastInput; }
    // Keeps a date in the range. Without a range every valid date is in. Outside it, fix level 0 refuses;
    // 1..5 require the fields from that level up (0 second .. 5 year) to equal the crossed bound's and
    // take the bound's fields below it; -1 takes all of the bound's fields. The corrected date is written
    // back; the result tells whether it lies in the range.
    virtual BOOL ValidateDate(COleDateTime& date, int nFixLevel);
    // The control is about to take a new value; FALSE refuses it.
    virtual BOOL OnChanging(const COleDateTime& newValue);
    // Tells the parent (unless WS_EX_NOPARENTNOTIFY).
    virtual void OnChanged();
    virtual void LayoutGadgets();
    virtual void DrawGadgets(CDC* pDC);
    // Opens the pop-up calendar on the value; TRUE.
    virtual BOOL DropDownCalendar();
    virtual void CreatePopupCalendar();
    // A gadget's request (codes GEB_DTN_...); non-zero when done (for code 6: when it would be done).
    virtual int OnGadgetNotify(int nCode, UINT nFieldId, int nValue);

    void SetFormatType(int nType);
    int GetFormatType() const { return m_nFormatType; }
    void SetCustomFormat(LPCSTR pszFormat);
    void GetFormatString(CString& strFormat) const;
    void SetNoEditFields(DWORD dwMask);
    DWORD GetNoEditFields() const { return m_dwNoEdit; }
    void SetFastInput(BOOL bFastInput) { m_bFastInput = bFastInput; }
    BOOL SetDateTime(const COleDateTime& date);
    const COleDateTime& GetDateTime() const { return m_value; }
    BOOL SetRange(const COleDateTime& minimum, const COleDateTime& maximum, int nMode);
    int GetRangeMode() const { return m_nRangeMode; }
    const COleDateTime& GetMinimum() const { return m_minimum; }
    const COleDateTime& GetMaximum() const { return m_maximum; }
    BOOL IsInRange(const COleDateTime& date) const;
    DWORD GetChangeFlags() const { return m_dwChangeFlags; }
    void SetChangeFlags(DWORD dwFlags) { m_dwChangeFlags = dwFlags; }
    BOOL FormatHasDate() const { return m_bFormatHasDate; }

    // Gadget services.
    void InvalidateGadget(CGEBDTGadget* pGadget, BOOL bUpdateNow);
    void SetCaptureGadget(CGEBDTGadget* pGadget, BOOL bCapture);
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetTextColors(COLORREF clrText, COLORREF clrBackground);

    // The gadgets and the focused field.
    const CGEBDTGadgetArray& GetGadgets() const { return m_gadgets; }
    INT_PTR GetGadgetCount() const { return m_gadgets.GetSize(); }
    CGEBDTGadget* GetGadget(INT_PTR nIndex) const;
    int GetDockedCount() const { return m_nDockedCount; }
    int GetFocusedField() const { return m_nFocusedField; }
    CGEBDTGadget* GetFocusedGadget() const { return GetGadget(m_nFocusedField); }
    // Moves the focus to a gadget (focus flag off on the old one, on for the new one) and shows it.
    void FocusField(int nIndex);
    BOOL NextField();
    BOOL PrevField();
    BOOL IsLastField() const;
    BOOL IsFirstField() const;
    // The first / last gadget that takes the focus; -1 when none does.
    int FirstFocusableField() const;
    int LastFocusableField() const;
    CGEBDTGadget* GadgetFromPoint(int x, int y);
    void MakeGadgetVisible(int nIndex);
    int GetScrollOffset() const { return m_nScrollOffset; }
    CGEBPopupCalendar* GetPopupCalendar() const { return m_pPopup.get(); }
    HFONT GetFontHandle() const { return m_hFont; }
    // Sends every field's value (mask of field ids, 0xFFFF all) into its gadget.
    void PushFieldValues(DWORD dwMask);

protected:
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg void OnCancelMode();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnCalendarAccept(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalendarCancel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Whether a key is held; the keyboard's state unless a test answers it.
    virtual BOOL IsKeyDown(int nVirtKey) const;

    // Rebuilds the gadgets after the docked ones from the format and pushes all values.
    void ParseFormat();
    void DeleteFormatGadgets();
    // Stores a value and pushes the fields that changed.
    void ApplyValue(const COleDateTime& date);
    // The candidate date of a field request; FALSE when there is none.
    BOOL BuildCandidate(int nCode, UINT nFieldId, int nValue, const Fields& fields, COleDateTime& candidate,
                        int& nFixLevel);
    int TwoDigitYear(int nValue) const;
    COleDateTime ReduceToRange(const COleDateTime& date) const;
    void CancelCapture();
    void DestroyPopup();
    void AppendGadget(CGEBDTGadget* pGadget);

    DWORD m_dwChangeFlags = 0;
    DWORD m_dwNoEdit = 0;
    BOOL m_bFastInput = TRUE;
    COleDateTime m_value;
    COleDateTime m_minimum;
    COleDateTime m_maximum;
    int m_nRangeMode = 0;
    int m_nFormatType = 1;
    CString m_strCustomFormat;
    HFONT m_hFont = nullptr;
    int m_nFocusedField = 0;
    int m_nScrollOffset = 0;
    int m_nDockedWidth = 0;
    int m_nDockedCount = 0;
    CGEBDTGadget* m_pCaptureGadget = nullptr;
    std::unique_ptr<CGEBPopupCalendar> m_pPopup;
    BOOL m_bPM = FALSE;
    COLORREF m_clrBackground = 0;
    int m_nDisabledColorIndex = COLOR_BTNFACE;
    UINT m_nButtonBitmapId = 20028;
    BOOL m_bFormatHasDate = FALSE;
    CGEBDTGadgetArray m_gadgets;
    COLORREF m_clrText = 0;
    COLORREF m_clrTextBackground = 0;
    // Fields are built and filled without a window (an editor used only to format values).
    BOOL m_bWindowless = FALSE;
};
