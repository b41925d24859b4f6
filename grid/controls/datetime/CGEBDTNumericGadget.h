// CGEBDTNumericGadget: a number field of the date-time editor (hour, minute, day, month, year). Digits
// typed into it collect until the field has all its digits or a non-digit key ends the typing; the owner
// then tests and sets the typed value.
#pragma once

#include "framework/core/CString.h"
#include "grid/controls/datetime/CGEBDTGadget.h"

class CGEBDTNumericGadget : public CGEBDTGadget {
    DECLARE_DYNAMIC(CGEBDTNumericGadget)

public:
    BOOL Initialise(CGEBDateTimeCtrl* pOwner, int nMinimum, int nMaximum, int nValue, BOOL bZeroPadding,
                    int nId);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // Commits a typing in progress first.
    BOOL SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    void OnCancelMode() override;

    // The value as the field shows it: the typed digits while typing, "%d" or zero-padded to the digits.
    CString GetText() const;
    // The value formatted as shown outside typing.
    CString FormatValue(int nValue) const;
    int GetDigits() const { return m_nDigits; }
    BOOL IsZeroPadded() const { return m_bZeroPadding; }
    BOOL IsTyping() const { return m_nTypedDigits != 0; }
    int GetMinimum() const { return m_nMinimum; }
    int GetMaximum() const { return m_nMaximum; }
    // Ends a typing: the owner tests the typed value and sets it (TRUE), or refuses it with a beep.
    BOOL CommitTyping();

private:
    int m_nMinimum = 0;
    int m_nMaximum = 0;
    int m_nDigits = 1;
    int m_nTypedValue = 0;
    int m_nTypedDigits = 0;
    BOOL m_bZeroPadding = FALSE;
};
