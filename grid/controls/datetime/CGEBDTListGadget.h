// CGEBDTListGadget: a name field of the date-time editor (day of week, month name, AM/PM). Letters typed
// into it search the names by prefix; a repeated single letter cycles through the names with that
// initial; two seconds without a letter start a new search.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"
#include "grid/controls/datetime/CGEBDTGadget.h"

class CGEBDTListGadget : public CGEBDTGadget {
    DECLARE_DYNAMIC(CGEBDTListGadget)

public:
    // How long typed letters make one prefix.
    static constexpr UINT kTypingTimeout = 2000;

    BOOL Initialise(CGEBDateTimeCtrl* pOwner, const CStringArray& entries, int nValue, int nId);

    void CalcSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    BOOL SetFocus(BOOL bFocus) override;
    void OnKeyDown(UINT nChar) override;
    void OnChar(UINT nChar) override;
    void OnTimer() override;

    // The entry shown; empty when the value is no index of the list.
    CString GetText() const;
    const CStringArray& GetEntries() const { return m_entries; }
    const CString& GetPrefix() const { return m_strPrefix; }
    BOOL IsTyping() const { return m_bTyping; }
    // From nStart (0 when out of range), wrapping around: the first entry that begins with the text
    // (case-insensitive) and that the owner accepts is set; its index, or -1 when none is.
    int Search(const CString& strText, int nStart);

private:
    void StopTyping();

    CStringArray m_entries;
    BYTE m_bytes[3] = {0, 0, 0};
    int m_nBytes = 0;
    CString m_strPrefix;
    BOOL m_bTyping = FALSE;
};
