#include "framework/win/CDataExchange.h"

#include "framework/core/CNotSupportedException.h"
#include "framework/core/CUserException.h"
#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void CDataExchange::RestoreValues() {
    for (auto it = m_restore.rbegin(); it != m_restore.rend(); ++it)
        (*it)();
    m_restore.clear();
}

// ---------------------------------------------------------------------------------------------------

namespace {

// The prompts come from the string table; these texts stand in when a program lacks them.
const char* BuiltInPrompt(UINT nIDPrompt) {
    switch (nIDPrompt) {
    case AFX_IDP_PARSE_INT:
        return "Please enter an integer.";
    case AFX_IDP_PARSE_REAL:
        return "Please enter a number.";
    case AFX_IDP_PARSE_INT_RANGE:
        return "Please enter an integer between %1 and %2.";
    case AFX_IDP_PARSE_REAL_RANGE:
        return "Please enter a number between %1 and %2.";
    case AFX_IDP_PARSE_STRING_SIZE:
        return "Please enter no more than %1 characters.";
    case AFX_IDP_PARSE_RADIO_BUTTON:
        return "Please select a button.";
    case AFX_IDP_PARSE_BYTE:
        return "Please enter an integer between 0 and 255.";
    case AFX_IDP_PARSE_UINT:
        return "Please enter a positive integer.";
    default:
        return "";
    }
}

CString Prompt(UINT nIDPrompt, LPCSTR s1 = nullptr, LPCSTR s2 = nullptr) {
    CString text;
    if (!text.LoadString(nIDPrompt) || text.IsEmpty())
        text = BuiltInPrompt(nIDPrompt);
    if (s1 != nullptr)
        text.Replace("%1", s1);
    if (s2 != nullptr)
        text.Replace("%2", s2);
    return text;
}

[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt, LPCSTR s1 = nullptr, LPCSTR s2 = nullptr) {
    AfxMessageBox(Prompt(nIDPrompt, s1, s2), MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

CString WindowText(HWND hWnd) {
    CString text;
    const int length = ::GetWindowTextLengthA(hWnd);
    if (length > 0) {
        const int copied = ::GetWindowTextA(hWnd, text.GetBuffer(length), length + 1);
        text.ReleaseBuffer(copied);
    }
    return text;
}

std::string Trimmed(const CString& text) {
    std::string s(static_cast<LPCSTR>(text));
    const char* space = " \t\r\n";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    const size_t last = s.find_last_not_of(space);
    return s.substr(first, last - first + 1);
}

// A whole integer (optional sign, decimal digits, surrounding white space) within [minValue, maxValue].
bool ParseInteger(const CString& text, long long minValue, long long maxValue, long long& result) {
    std::string s = Trimmed(text);
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    if (s.empty() || (s[0] == '-' && minValue >= 0))
        return false;
    long long value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || value < minValue || value > maxValue)
        return false;
    result = value;
    return true;
}

// A finite decimal number in the C notation ('.' as decimal point, optional exponent).
bool ParseReal(const CString& text, double& result) {
    std::string s = Trimmed(text);
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    if (s.empty())
        return false;
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return false;
    result = value;
    return true;
}

// Shortest text that reads back as the same value within `digits` significant digits.
std::string FormatReal(double value, int digits) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

template <class T> void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, UINT nIDPrompt) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseInteger(WindowText(hWndCtrl), static_cast<long long>(std::numeric_limits<T>::min()),
                          static_cast<long long>(std::numeric_limits<T>::max()), parsed))
            FailWith(pDX, nIDPrompt);
        pDX->Store(value, static_cast<T>(parsed));
    } else {
        AfxSetWindowText(hWndCtrl, std::to_string(value).c_str());
    }
}

template <class T> void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int digits) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double parsed = 0;
        if (!ParseReal(WindowText(hWndCtrl), parsed) || std::fabs(parsed) > std::numeric_limits<T>::max())
            FailWith(pDX, AFX_IDP_PARSE_REAL);
        pDX->Store(value, static_cast<T>(parsed));
    } else {
        AfxSetWindowText(hWndCtrl, FormatReal(static_cast<double>(value), digits).c_str());
    }
}

template <class T> void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, UINT nIDPrompt) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    FailWith(pDX, nIDPrompt, std::to_string(minVal).c_str(), std::to_string(maxVal).c_str());
}

void CheckRealRange(CDataExchange* pDX, double value, double minVal, double maxVal, int digits) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    FailWith(pDX, AFX_IDP_PARSE_REAL_RANGE, FormatReal(minVal, digits).c_str(),
             FormatReal(maxVal, digits).c_str());
}

bool HasClass(HWND hWnd, LPCSTR lpszClass) {
    char className[32] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, lpszClass) == 0;
}

// The messages that work alike on a combo box's list and on a list box.
struct ItemMessages {
    UINT getCurSel;
    UINT setCurSel;
    UINT getTextLen;
    UINT getText;
    UINT selectString;
    UINT findStringExact;
};
constexpr ItemMessages kComboItems{CB_GETCURSEL, CB_SETCURSEL,    CB_GETLBTEXTLEN,
                                   CB_GETLBTEXT, CB_SELECTSTRING, CB_FINDSTRINGEXACT};
constexpr ItemMessages kListItems{LB_GETCURSEL, LB_SETCURSEL,    LB_GETTEXTLEN,
                                  LB_GETTEXT,   LB_SELECTSTRING, LB_FINDSTRINGEXACT};

CString SelectedItemText(HWND hWndCtrl, const ItemMessages& items) {
    const auto index = static_cast<int>(::SendMessageA(hWndCtrl, items.getCurSel, 0, 0));
    return index < 0 ? CString() : AfxGetItemText(hWndCtrl, items.getTextLen, items.getText, index);
}

// Text of the selected item of a drop-down list, or the edit text of the other combo boxes.
CString ComboText(HWND hWndCtrl) {
    if ((::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
        return SelectedItemText(hWndCtrl, kComboItems);
    return WindowText(hWndCtrl);
}

void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, const ItemMessages& items) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(index, static_cast<int>(::SendMessageA(hWndCtrl, items.getCurSel, 0, 0)));
    else
        ::SendMessageA(hWndCtrl, items.setCurSel, static_cast<WPARAM>(index), 0);
}

// Selects the item that reads exactly value, or no item; false when there is none.
bool SelectExactItem(HWND hWndCtrl, const CString& value, const ItemMessages& items) {
    const LRESULT index = ::SendMessageA(hWndCtrl, items.findStringExact, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
    ::SendMessageA(hWndCtrl, items.setCurSel, static_cast<WPARAM>(index < 0 ? -1 : index), 0);
    return index >= 0;
}

LRESULT SelectItemStartingWith(HWND hWndCtrl, const CString& value, const ItemMessages& items) {
    return ::SendMessageA(hWndCtrl, items.selectString, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
}

} // namespace

void AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew) {
    const CString current = WindowText(hWndCtrl);
    if (current != (lpszNew != nullptr ? lpszNew : ""))
        ::SetWindowTextA(hWndCtrl, lpszNew);
}

// ---------------------------------------------------------------------------------------------------
// DDX

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, WindowText(hWndCtrl));
    else
        AfxSetWindowText(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_BYTE);
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeReal(pDX, nIDC, value, DBL_DIG);
}
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    ExchangeReal(pDX, nIDC, value, FLT_DIG);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        pDX->Store(value, static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0)));
    } else {
        const int state = (value >= 0 && value <= 2) ? value : 0;
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    int checked = -1;
    int index = 0;
    // The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    checked = index;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, checked);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    ExchangeIndex(pDX, nIDC, index, kComboItems);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, ComboText(hWndCtrl));
    else if (SelectItemStartingWith(hWndCtrl, value, kComboItems) == CB_ERR)
        AfxSetWindowText(hWndCtrl, value); // into the edit part (a drop-down list ignores it)
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, ComboText(hWndCtrl));
    else if (!SelectExactItem(hWndCtrl, value, kComboItems))
        AfxSetWindowText(hWndCtrl, value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    ExchangeIndex(pDX, nIDC, index, kListItems);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, SelectedItemText(hWndCtrl, kListItems));
    else
        SelectItemStartingWith(hWndCtrl, value, kListItems);
}

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        pDX->Store(value, SelectedItemText(hWndCtrl, kListItems));
    else
        SelectExactItem(hWndCtrl, value, kListItems);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

// ---------------------------------------------------------------------------------------------------
// DDV

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
    CheckRange(pDX, value, minVal, maxVal, AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) {
    CheckRange(pDX, static_cast<int>(value), static_cast<int>(minVal), static_cast<int>(maxVal),
               AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
    CheckRange(pDX, static_cast<int>(value), static_cast<int>(minVal), static_cast<int>(maxVal),
               AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    CheckRealRange(pDX, value, minVal, maxVal, DBL_DIG);
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
    CheckRealRange(pDX, value, minVal, maxVal, FLT_DIG);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars)
            FailWith(pDX, AFX_IDP_PARSE_STRING_SIZE, std::to_string(nChars).c_str());
        return;
    }
    // Loading: the control itself refuses longer input from now on.
    HWND hWndCtrl = pDX->m_hWndLastControl;
    if (hWndCtrl == nullptr)
        return;
    if (HasClass(hWndCtrl, "Edit"))
        ::SendMessageA(hWndCtrl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    else if (HasClass(hWndCtrl, "ComboBox"))
        ::SendMessageA(hWndCtrl, CB_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}
