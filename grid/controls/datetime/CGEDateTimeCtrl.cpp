// The date-time cell: construction, formats, values and storing.
#include "grid/controls/datetime/CGEDateTimeCtrl.h"

#include "grid/GridResource.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/datetime/CGEBDTButtonGadget.h"
#include "grid/controls/datetime/CGEBDTListGadget.h"
#include "grid/controls/datetime/CGEBDTNumericGadget.h"
#include "grid/controls/datetime/CGEBDTStaticGadget.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGEDateTimeCtrl, CGEBDateTimeCtrl)

const CGEControlClass CGEDateTimeCtrl::controlClass = {"CGEDateTimeCtrl", &CGEStatic::controlClass};

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

CString Attribute(const CGEStyle* pStyle, UINT nId) {
    if (pStyle == nullptr || !pStyle->HasUserAttribute(nId))
        return CString();
    return pStyle->GetUserAttribute(nId).GetValueText();
}

} // namespace

CGEDateTimeCtrl::CGEDateTimeCtrl(CGEGridCore* pGrid, UINT nControlId, DWORD dwEditorStyle)
    : CGEStatic(pGrid), m_nControlId(nControlId), m_dwEditorStyle(dwEditorStyle) {}

CGEDateTimeCtrl::~CGEDateTimeCtrl() {
    if (CGEBDateTimeCtrl::GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CGEDateTimeCtrl::AddUserAttributes(CGEStylesMap& stylesMap) {
    CString strChoices;
    CGEStyle noEdit;
    strChoices.LoadString(GE_IDS_CHOICES_DATETIME_NOEDIT);
    noEdit.SetControl(GE_IDS_CTRL_CHECKLIST_COMBOBOX).SetChoiceList(strChoices);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_NOEDIT, &noEdit);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_MIN);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_MAX);
    const auto tabbed = [](UINT nChoices) {
        CString strList;
        strList.LoadString(nChoices);
        CGEStyle style;
        style.SetControl(GE_IDS_CTRL_TABBED_COMBOBOX).SetChoiceList(strList);
        style.SetUserAttribute(GE_IDS_UA_TABLIST_KEYCOL, "1")
            .SetUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL, "0")
            .SetUserAttribute(GE_IDS_UA_TABLIST_SHOWALLCOLS, "0");
        return style;
    };
    const CGEStyle validMode = tabbed(GE_IDS_CHOICES_DATETIME_VALIDMODE);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_VALIDMODE, &validMode);
    const CGEStyle formatType = tabbed(GE_IDS_CHOICES_DATETIME_FORMATTYPE);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_FORMATTYPE, &formatType);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_CUSTOMFORMAT);
    CGEStyle checkBox;
    checkBox.SetControl(GE_IDS_CTRL_CHECKBOX3D)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER);
    stylesMap.AddUserAttribute(GE_IDS_UA_DATETIME_FASTINPUT, &checkBox);
}

BOOL CGEDateTimeCtrl::IsKeyDown(int nVirtKey) const {
    return m_pGrid->IsKeyDown(nVirtKey);
}

BOOL CGEDateTimeCtrl::CreateEditor() {
    if (CGEBDateTimeCtrl::GetSafeHwnd() != nullptr)
        return TRUE;
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    return Create(0, WS_CHILD | WS_TABSTOP | m_dwEditorStyle, RECT{0, 0, 0, 0}, pGridWnd, m_nControlId);
}

BOOL CGEDateTimeCtrl::ReadValue(LPCSTR pszText, COleDateTime& date) {
    if (pszText == nullptr || *pszText == '\0')
        return FALSE;
    COleDateTime parsed;
    if (parsed.ParseDateTime(pszText, 0, LANG_USER_DEFAULT)) {
        date = parsed;
        return TRUE;
    }
    // A serial number: digits with the C locale's point, as "%g" writes it.
    char* pEnd = nullptr;
    const double dSerial = std::strtod(pszText, &pEnd);
    // Only a whole number is a serial: "5 March" is not the 4th of January 1900.
    while (pEnd != nullptr && (*pEnd == ' ' || *pEnd == '\t'))
        ++pEnd;
    if (pEnd == pszText || pEnd == nullptr || *pEnd != '\0' || dSerial == 0.0 || !std::isfinite(dSerial))
        return FALSE;
    const COleDateTime serial(dSerial);
    Fields fields;
    if (!SplitDate(serial, fields))
        return FALSE;
    date = serial;
    return TRUE;
}

CString CGEDateTimeCtrl::StorageText(const COleDateTime& date) const {
    if (m_bStoreAsNumber) {
        CString strText;
        strText.Format("%g", date.m_dt);
        return strText;
    }
    return date.Format(0, LANG_USER_DEFAULT);
}

CString CGEDateTimeCtrl::FieldText(const CGEBDateTimeCtrl& editor) {
    CString strText;
    for (INT_PTR i = editor.GetDockedCount(); i < editor.GetGadgetCount(); ++i) {
        CGEBDTGadget* pGadget = editor.GetGadget(i);
        if (auto* pNumeric = dynamic_cast<CGEBDTNumericGadget*>(pGadget); pNumeric != nullptr)
            strText += pNumeric->FormatValue(pNumeric->GetValue());
        else if (auto* pList = dynamic_cast<CGEBDTListGadget*>(pGadget); pList != nullptr)
            strText += pList->GetText();
        else if (auto* pStatic = dynamic_cast<CGEBDTStaticGadget*>(pGadget); pStatic != nullptr)
            strText += pStatic->GetText();
    }
    return strText;
}

BOOL CGEDateTimeCtrl::ApplyStyleFormat(CGEBDateTimeCtrl* pEditor, const CGEStyle* pStyle) {
    const CString strType = Attribute(pStyle, GE_IDS_UA_DATETIME_FORMATTYPE);
    const CString strCustom = Attribute(pStyle, GE_IDS_UA_DATETIME_CUSTOMFORMAT);
    const int n = std::atoi(strType);
    const int nType = n >= 0 && n < 4 ? n : 3;
    if (nType != 3) {
        if (strType.IsEmpty() && !strCustom.IsEmpty())
            pEditor->SetCustomFormat(strCustom);
        else if (strType.IsEmpty())
            pEditor->SetFormatType(1);
        else
            pEditor->SetFormatType(nType);
    } else {
        pEditor->SetCustomFormat(strCustom);
    }
    if (nType == 1 || nType == 2 || n >= 4)
        return TRUE;
    return pEditor->FormatHasDate();
}

BOOL CGEDateTimeCtrl::IsTypeWithToday(const CGEStyle& style, BOOL bDrawing) const {
    const CString strType = Attribute(&style, GE_IDS_UA_DATETIME_FORMATTYPE);
    const int n = strType.IsEmpty() ? (Attribute(&style, GE_IDS_UA_DATETIME_CUSTOMFORMAT).IsEmpty() ? 1 : 3)
                                    : std::atoi(strType);
    if (n == 1 || n == 2)
        return TRUE;
    return !bDrawing && n == 3 && m_bShowsDate;
}

COleDateTime CGEDateTimeCtrl::DateOrDefault(LPCSTR pszText, BOOL bToday) {
    COleDateTime date;
    if (ReadValue(pszText, date) && date.m_dt != 0.0)
        return date;
    if (!bToday)
        return COleDateTime(1899, 12, 30, 0, 0, 0);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

void CGEDateTimeCtrl::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEStatic::Init(nRow, nCol);
    CreateEditor();
    const CGEStyle& style = GetCellStyle();
    SetNoEditFields(static_cast<DWORD>(std::atoi(Attribute(&style, GE_IDS_UA_DATETIME_NOEDIT))));
    m_bShowsDate = ApplyStyleFormat(this, &style);
    SetCurrentText(style.GetValue());
    COleDateTime minimum(-657434.0);
    COleDateTime maximum(2958465.0);
    COleDateTime parsed;
    if (ReadValue(Attribute(&style, GE_IDS_UA_DATETIME_MIN), parsed))
        minimum = parsed;
    if (ReadValue(Attribute(&style, GE_IDS_UA_DATETIME_MAX), parsed))
        maximum = parsed;
    SetRange(minimum, maximum, std::atoi(Attribute(&style, GE_IDS_UA_DATETIME_VALIDMODE)));
    const CString strFast = Attribute(&style, GE_IDS_UA_DATETIME_FASTINPUT);
    SetFastInput(strFast.IsEmpty() ? TRUE : std::atoi(strFast) != 0);
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
    SetModify(FALSE);
    SetChangeFlags(0);
}

void CGEDateTimeCtrl::SetActive(BOOL bActive) {
    m_bActive = bActive && CGEBDateTimeCtrl::GetSafeHwnd() != nullptr;
}

BOOL CGEDateTimeCtrl::OnStartEditing() {
    if (!CGEStatic::OnStartEditing())
        return FALSE;
    CorrectFieldFocus();
    return TRUE;
}

void CGEDateTimeCtrl::CorrectFieldFocus() {
    CGEBDTGadget* pFocused = GetFocusedGadget();
    int nField = GetFocusedField();
    if (pFocused == nullptr || (pFocused->GetStyle() & GEB_DTG_FOCUSABLE) == 0 || nField < GetDockedCount())
        nField = FirstFocusableField();
    for (INT_PTR i = 0; i < GetGadgetCount(); ++i)
        if (i != nField && GetGadget(i)->HasFocus())
            GetGadget(i)->SetFocus(FALSE);
    if (nField >= 0)
        FocusField(nField);
}

BOOL CGEDateTimeCtrl::OnValidate() {
    if ((GetChangeFlags() & GEB_DTC_TYPING) != 0) {
        if (CGEBDTGadget* pFocused = GetFocusedGadget(); pFocused != nullptr)
            pFocused->SetFocus(FALSE); // commits the digits typed so far
    }
    return CGEStatic::OnValidate();
}

BOOL CGEDateTimeCtrl::OnChanging(const COleDateTime&) {
    const CGEStyle* pStyle = m_bBound ? &GetCellStyle() : nullptr;
    if (pStyle != nullptr && pStyle->GetIncludeReadOnly() && pStyle->GetReadOnly())
        return FALSE;
    SetModify(TRUE);
    return TRUE;
}

void CGEDateTimeCtrl::OnChanged() {
    if (!m_bBound)
        return;
    Refresh();
    // The cell is drawn again at once, and with it the editor over it.
    if (CWnd* pGridWnd = GetGridWindow(); pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr)
        pGridWnd->UpdateWindow();
    if (GetModify())
        OnModifyCell();
}

BOOL CGEDateTimeCtrl::Store() {
    CString strText;
    if (m_pStyle == nullptr || !GetModify() || !GetCurrentText(strText))
        return TRUE;
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strText, geOverride,
                                      m_pGrid->m_nCurrentCommandType, GE_INVALIDATE);
}

BOOL CGEDateTimeCtrl::GetValue(CString& strResult) {
    if (m_bBound && GetModify()) {
        const CString strDate = GetDateTime().Format(0, LANG_USER_DEFAULT);
        return GetControlText(strResult, m_nRow, m_nCol, strDate, GetCellStyle());
    }
    return CGEStatic::GetValue(strResult);
}

BOOL CGEDateTimeCtrl::GetCurrentText(CString& strResult) {
    if (m_bBound && GetModify()) {
        strResult = StorageText(GetDateTime());
        return TRUE;
    }
    return CGEStatic::GetCurrentText(strResult);
}

void CGEDateTimeCtrl::SetValue(LPCSTR pszValue) {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr || !m_bBound)
        return;
    if (!m_bActive)
        SetActive(TRUE);
    COleDateTime date(0.0);
    if (pszValue != nullptr && *pszValue != '\0') {
        if (!ValidateString(pszValue) || !ReadValue(pszValue, date))
            return;
    }
    SetDateTime(date);
    OnModifyCell();
}

void CGEDateTimeCtrl::SetCurrentText(const CString& str) {
    if (CGEBDateTimeCtrl::GetSafeHwnd() == nullptr)
        return;
    const CGEStyle* pStyle = m_bBound ? &GetCellStyle() : nullptr;
    SetDateTime(DateOrDefault(str, pStyle != nullptr ? IsTypeWithToday(*pStyle, FALSE) : TRUE));
    if (m_bBound)
        OnModifyCell();
}

BOOL CGEDateTimeCtrl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                     const CGEStyle& style) {
    const CString strValue = pszValue != nullptr ? CString(pszValue) : style.GetValue();
    strResult.Empty();
    if (strValue.IsEmpty())
        return FALSE;
    ApplyStyleFormat(&m_formatter, &style);
    COleDateTime date;
    if (!ReadValue(strValue, date))
        return FALSE;
    m_formatter.SetDateTime(date);
    m_formatter.PushFieldValues(0xFFFF);
    strResult = FieldText(m_formatter);
    return TRUE;
}

BOOL CGEDateTimeCtrl::GetDisplayValue(ROWCOL, ROWCOL, UINT, const CGEStyle& style, CString& str) {
    str = style.GetValue();
    COleDateTime date;
    if (date.ParseDateTime(str, 0, LANG_USER_DEFAULT))
        str.Format("%f", date.m_dt);
    return TRUE;
}

BOOL CGEDateTimeCtrl::SplitFields(const CString& strText, const CGEStyle*, CStringArray& fields) {
    fields.RemoveAll();
    CString strField;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || m_strFieldSeparators.Find(ch) >= 0) {
            if (!strField.IsEmpty())
                fields.Add(strField);
            strField.Empty();
        } else {
            strField += ch;
        }
    }
    if (!strField.IsEmpty())
        fields.Add(strField);
    return fields.GetSize() > 0;
}

BOOL CGEDateTimeCtrl::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                                const CGEStyle* pOldStyle) {
    CGEStyle composed;
    if (pOldStyle == nullptr) {
        m_pGrid->ComposeStyleRowCol(nRow, nCol, &composed);
        pOldStyle = &composed;
    }
    if (str.IsEmpty())
        return TRUE;
    // The formatting editor does the work: the live editor belongs to the current cell.
    ApplyStyleFormat(&m_formatter, pOldStyle);
    COleDateTime date;
    if (ReadValue(str, date) && date.m_dt != 0.0) {
        str = StorageText(date);
        return TRUE;
    }
    CStringArray fields;
    if (!SplitFields(str, pOldStyle, fields))
        return FALSE;
    m_formatter.SetDateTime(DateOrDefault(nullptr, TRUE));
    INT_PTR nField = 0;
    BOOL bAny = FALSE;
    for (INT_PTR i = m_formatter.GetDockedCount();
         i < m_formatter.GetGadgetCount() && nField < fields.GetSize(); ++i) {
        CGEBDTGadget* pGadget = m_formatter.GetGadget(i);
        if (auto* pList = dynamic_cast<CGEBDTListGadget*>(pGadget); pList != nullptr) {
            bAny |= pList->Search(fields[nField++], 0) >= 0;
        } else if (dynamic_cast<CGEBDTNumericGadget*>(pGadget) != nullptr) {
            const CString& strNumber = fields[nField++];
            char* pEnd = nullptr;
            const long nValue = std::strtol(strNumber, &pEnd, 10);
            if (pEnd != static_cast<LPCSTR>(strNumber) && *pEnd == '\0')
                bAny |= m_formatter.OnGadgetNotify(GEB_DTN_SET, static_cast<UINT>(pGadget->GetId()),
                                                   static_cast<int>(nValue));
        }
    }
    // A text none of whose fields fits the format is refused, not stored as some other day.
    if (!bAny)
        return FALSE;
    str = StorageText(m_formatter.GetDateTime());
    return TRUE;
}
