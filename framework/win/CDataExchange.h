// Dialog data exchange: DoDataExchange moves values between member variables and controls with the
// DDX_ functions and checks them with the DDV_ functions. Loading (m_bSaveAndValidate FALSE) fills the
// controls; saving reads them back. A control whose text cannot be converted or a value out of range
// gets a message box, the focus, and ends the exchange (UpdateData returns FALSE); the members then
// keep the values they had before the exchange.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

#include <functional>
#include <vector>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    // The control nIDC (for the focus on failure); throws CNotSupportedException when it is missing.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit control: on failure its text is selected as well.
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange after a message was shown: focus to the last control, throws CUserException.
    [[noreturn]] void Fail();

    // Stores value into target while saving; the previous value comes back if the exchange fails.
    template <class T> void Store(T& target, const T& value) {
        if (m_bSaveAndValidate) {
            m_restore.push_back([&target, old = target]() { target = old; });
        }
        target = value;
    }
    // Undoes the stores of this exchange, newest first.
    void RestoreValues();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

private:
    std::vector<std::function<void()>> m_restore;
};

// Text of edit controls (and any window text)
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);

// Buttons: 0 unchecked, 1 checked, 2 indeterminate
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked radio button of the group that starts at nIDC (-1 for none)
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Combo boxes and list boxes
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);

// Connects the control nIDC to rControl (subclassing it) the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Range checks of the value just exchanged (they follow its DDX_ call)
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal);
// Also limits the preceding edit (or combo box) control to nChars characters when loading.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Sets a window's text only when it differs (no flicker, no needless change notifications).
void AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew);
