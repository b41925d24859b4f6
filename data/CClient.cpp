#include "data/CClient.h"

#include "data/RecordStamps.h"

#include "foundation/LocaleFormat.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "framework/win/CComboBoxEx.h"
#include "resource.h"

#include <iterator>

IMPLEMENT_SERIAL(CClient, CNameValuePairs, VERSIONABLE_SCHEMA | 2)

namespace {
constexpr DWORD kSchema = 2;
constexpr int kDefaultTerms = 30;

constexpr UINT kDefaultFields[] = {
    IDS_CLIENT_COMPANY_NAME,
    IDS_CLIENT_THIS_COMPANY,
    IDS_CLIENT_DESCRIPTION,
    IDS_CLIENT_MAIN_CONTACT,
    IDS_CLIENT_MAIN_PHONE,
    IDS_CLIENT_MAIN_MOBILE,
    IDS_CLIENT_MAIN_FAX,
    IDS_CLIENT_MAIN_EMAIL,
    IDS_CLIENT_MAIN_ADDRESS1,
    IDS_CLIENT_MAIN_ADDRESS2,
    IDS_CLIENT_MAIN_CITY,
    IDS_CLIENT_MAIN_STATE,
    IDS_CLIENT_MAIN_ZIP,
    IDS_CLIENT_BILLING_CONTACT,
    IDS_CLIENT_BILLING_PHONE,
    IDS_CLIENT_BILLING_MOBILE,
    IDS_CLIENT_BILLING_FAX,
    IDS_CLIENT_BILLING_EMAIL,
    IDS_CLIENT_BILLING_ADDRESS1,
    IDS_CLIENT_BILLING_ADDRESS2,
    IDS_CLIENT_BILLING_CITY,
    IDS_CLIENT_BILLING_STATE,
    IDS_CLIENT_BILLING_ZIP,
    IDS_CLIENT_TERMS,
    IDS_CLIENT_WEB,
    IDS_CLIENT_INVOICE_NOTE,
    IDS_CLIENT_TAX_RATE,
    IDS_CLIENT_TAX_ID,
};

CString Value(const CNameValuePairs& pairs, UINT nameId) {
    CString value;
    pairs.GetValue(nameId, value);
    return value;
}

// RTF gives \ { and } a meaning of their own; a field text must not open a group or a control word.
CString EscapeRtf(const CString& text) {
    CString escaped;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char ch = text.GetAt(i);
        if (ch == '\\' || ch == '{' || ch == '}')
            escaped += '\\';
        escaped += ch;
    }
    return escaped;
}
} // namespace

CClient::CClient() : m_Created(CTime::GetCurrentTime()), m_Modified(m_Created) {
    AddDefaultFields();
}

CClient::CClient(const CClient& other) : CNameValuePairs() {
    *this = other;
}

CClient& CClient::operator=(const CClient& other) {
    if (this != &other) {
        m_RegistryName = other.m_RegistryName;
        m_Names.Copy(other.m_Names);
        m_Values.Copy(other.m_Values);
        m_Lines.Copy(other.m_Lines);
        m_ReadOnly.Copy(other.m_ReadOnly);
        m_ControlTypes.Copy(other.m_ControlTypes);
        m_ChoiceLists.Copy(other.m_ChoiceLists);
        m_FieldIds.Copy(other.m_FieldIds);
        m_Collapsed.Copy(other.m_Collapsed);
        m_Hidden.Copy(other.m_Hidden);
        m_GUID = other.m_GUID;
        m_Created = other.m_Created;
        m_Modified = other.m_Modified;
    }
    m_bModified = 0;
    return *this;
}

const UINT* CClient::DefaultFieldIds(int* count) {
    if (count != nullptr)
        *count = static_cast<int>(std::size(kDefaultFields));
    return kDefaultFields;
}

void CClient::AddDefaultFields() {
    for (const UINT id : kDefaultFields)
        AddField(id);
    SetField(CString(MAKEINTRESOURCE(IDS_CLIENT_THIS_COMPANY)), CString(), 0, NVP_CHECKBOX_3D, nullptr);
}

const CString& CClient::GetGUID() {
    return MakeGUIDOnce(m_GUID);
}

void CClient::SetModified(BOOL modified) {
    StampModified(m_bModified, m_Modified, modified);
}

void CClient::SetCompanyName(const CString& name) {
    SetValue(IDS_CLIENT_COMPANY_NAME, name, NVP_EDIT_CONTROL);
}

void CClient::SetDescription(const CString& description) {
    SetValue(IDS_CLIENT_DESCRIPTION, description, NVP_EDIT_CONTROL);
}

CString CClient::GetCompanyName() const {
    return Value(*this, IDS_CLIENT_COMPANY_NAME);
}

BOOL CClient::IsThisCompany() const {
    return Value(*this, IDS_CLIENT_THIS_COMPANY) == "1";
}

void CClient::SetThisCompany() {
    // The field keeps its check box whatever it showed before.
    SetValue(IDS_CLIENT_THIS_COMPANY, "1", NVP_CHECKBOX_3D);
}

int CClient::GetTerms() const {
    const int terms = ParseLeadingInt(Value(*this, IDS_CLIENT_TERMS));
    return terms == 0 ? kDefaultTerms : terms;
}

double CClient::GetTaxRate() const {
    double rate = 0.0;
    return ParseLocaleDouble(Value(*this, IDS_CLIENT_TAX_RATE), &rate) ? rate : 0.0;
}

void CClient::GetAddressRtf(CString& text, BOOL preferBilling, BOOL includeContact) const {
    const bool billing = preferBilling && !Value(*this, IDS_CLIENT_BILLING_ADDRESS1).IsEmpty();
    const CString company = EscapeRtf(GetCompanyName());
    const CString contact =
        EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_CONTACT : IDS_CLIENT_MAIN_CONTACT));
    const CString address1 =
        EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_ADDRESS1 : IDS_CLIENT_MAIN_ADDRESS1));
    const CString address2 =
        EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_ADDRESS2 : IDS_CLIENT_MAIN_ADDRESS2));
    const CString city = EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_CITY : IDS_CLIENT_MAIN_CITY));
    const CString state = EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_STATE : IDS_CLIENT_MAIN_STATE));
    const CString zip = EscapeRtf(Value(*this, billing ? IDS_CLIENT_BILLING_ZIP : IDS_CLIENT_MAIN_ZIP));

    text.Empty();
    auto line = [&text](const CString& part) {
        if (!part.IsEmpty())
            text += part + "{\\par}";
    };
    if (includeContact)
        line(contact);
    line(company);
    line(address1);
    line(address2);
    if (!state.IsEmpty())
        text += city + ", " + state + " " + zip;
    else
        text += city + " " + zip;
}

void CClient::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GetGUID();
        ar << kSchema;
        CNameValuePairs::Serialize(ar);
        ar << m_GUID;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CNameValuePairs::Serialize(ar);
    if (schema >= 2) {
        ar >> m_GUID;
        GetGUID();
    }
}

void FillClientCombo(CComboBoxEx& combo, const CClientArray& clients, BOOL withAll) {
    combo.ResetContent();
    auto insert = [&combo](const CString& text, CClient* pClient) {
        COMBOBOXEXITEM item = {};
        item.mask =
            CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
        item.iItem = -1;
        item.pszText = const_cast<char*>(text.GetString());
        item.iImage = item.iSelectedImage = item.iOverlay = 2;
        item.iIndent = 0;
        item.lParam = reinterpret_cast<LPARAM>(pClient);
        combo.InsertItem(&item);
    };
    if (withAll)
        insert(CString(MAKEINTRESOURCE(IDS_ALL_CLIENTS)), nullptr);
    for (INT_PTR i = 0; i < clients.GetSize(); ++i) {
        CClient* pClient = clients.GetAt(i);
        if (pClient != nullptr)
            insert(pClient->GetCompanyName(), pClient);
    }
}
