#include "data/CNameValuePairs.h"

#include "foundation/Registry.h"
#include "foundation/TextRoutines.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CNameValuePairs, CObject, VERSIONABLE_SCHEMA | 1)

namespace {
constexpr DWORD kSchema = 1;
constexpr int kMaxCollapsedText = 511;
} // namespace

CNameValuePairs::CNameValuePairs() = default;

void CNameValuePairs::AddField(UINT nameId) {
    SetField(CString(MAKEINTRESOURCE(nameId)), CString(), 0, NVP_EDIT_CONTROL, nullptr);
}

void CNameValuePairs::SetField(const CString& name, const CString& value, int fieldId, UINT controlType,
                               const char* choiceList) {
    const int index = FindName(name);
    const CString choices = choiceList != nullptr ? choiceList : "";
    if (index >= 0) {
        m_Values.SetAt(index, value);
        m_ControlTypes.SetAt(index, controlType);
        m_ChoiceLists.SetAt(index, choices);
        return;
    }
    m_Names.Add(name);
    m_Values.Add(value);
    m_Lines.Add(1);
    m_ReadOnly.Add(0);
    m_ControlTypes.Add(controlType);
    m_ChoiceLists.Add(choices);
    m_FieldIds.Add(static_cast<DWORD>(fieldId));
    m_Collapsed.Add(0);
    m_Hidden.Add(0);
}

void CNameValuePairs::SetField(const char* name, const char* value, int fieldId, UINT controlType,
                               const char* choiceList) {
    SetField(CString(name), CString(value), fieldId, controlType, choiceList);
}

void CNameValuePairs::InsertField(const CString& name, const CString& value, int fieldId, UINT controlType,
                                  const char* choiceList, int index) {
    // An index past the end appends, one before the start inserts first.
    const INT_PTR at = index < 0 ? 0 : (index > GetCount() ? GetCount() : index);
    m_Names.InsertAt(at, name);
    m_Values.InsertAt(at, value);
    m_Lines.InsertAt(at, DWORD{1});
    m_ReadOnly.InsertAt(at, DWORD{0});
    m_ControlTypes.InsertAt(at, controlType);
    m_ChoiceLists.InsertAt(at, CString(choiceList != nullptr ? choiceList : ""));
    m_FieldIds.InsertAt(at, static_cast<DWORD>(fieldId));
    m_Collapsed.InsertAt(at, DWORD{0});
    m_Hidden.InsertAt(at, DWORD{0});
}

void CNameValuePairs::SetValueAt(int index, const CString& value) {
    if (IsValidIndex(index))
        m_Values.SetAt(index, value);
}

BOOL CNameValuePairs::GetValue(UINT nameId, CString& value) const {
    return GetValue(CString(MAKEINTRESOURCE(nameId)), value);
}

void CNameValuePairs::SetValue(UINT nameId, const CString& value, UINT controlType) {
    SetField(CString(MAKEINTRESOURCE(nameId)), value, 0, controlType, nullptr);
}

CString CNameValuePairs::GetNameAt(int index) const {
    return IsValidIndex(index) ? m_Names.GetAt(index) : CString();
}

void CNameValuePairs::SetNameAt(int index, const CString& name) {
    if (IsValidIndex(index))
        m_Names.SetAt(index, name);
}

BOOL CNameValuePairs::GetValue(const CString& name, CString& value) const {
    const int index = FindName(name);
    value = index >= 0 ? m_Values.GetAt(index) : CString();
    return index >= 0;
}

int CNameValuePairs::GetCount() const {
    return static_cast<int>(m_Names.GetSize());
}

void CNameValuePairs::GetNameValueAt(int index, CString& name, CString& value) const {
    name = GetNameAt(index);
    value = IsValidIndex(index) ? m_Values.GetAt(index) : CString();
}

int CNameValuePairs::FindName(const CString& name) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Names.GetAt(i).CompareNoCase(name) == 0)
            return i;
    }
    return -1;
}

int CNameValuePairs::FindValue(const CString& value) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Values.GetAt(i).CompareNoCase(value) == 0)
            return i;
    }
    return -1;
}

int CNameValuePairs::SetLines(const char* name, int count) {
    return SetLines(CString(name), count);
}

int CNameValuePairs::SetLines(const CString& name, int count) {
    const int index = FindName(name);
    if (index >= 0)
        m_Lines.SetAt(index, static_cast<DWORD>(count));
    return index;
}

int CNameValuePairs::GetLinesAt(int index) const {
    return IsValidIndex(index) ? static_cast<int>(m_Lines.GetAt(index)) : 1;
}

int CNameValuePairs::GetLines(const CString& name) const {
    return GetLinesAt(FindName(name));
}

int CNameValuePairs::SetReadOnly(const char* name, BOOL readOnly) {
    return SetReadOnly(CString(name), readOnly);
}

int CNameValuePairs::SetReadOnly(const CString& name, BOOL readOnly) {
    const int index = FindName(name);
    if (index >= 0)
        m_ReadOnly.SetAt(index, readOnly ? 1 : 0);
    return index;
}

BOOL CNameValuePairs::IsReadOnlyAt(int index) const {
    return IsValidIndex(index) && m_ReadOnly.GetAt(index) != 0;
}

BOOL CNameValuePairs::IsReadOnly(const CString& name) const {
    return IsReadOnlyAt(FindName(name));
}

BOOL CNameValuePairs::IsCollapsedAt(int index) const {
    return IsValidIndex(index) && m_Collapsed.GetAt(index) != 0;
}

BOOL CNameValuePairs::IsHiddenAt(int index) const {
    return IsValidIndex(index) && m_Hidden.GetAt(index) != 0;
}

int CNameValuePairs::SetCollapsedAt(int index, BOOL collapsed) {
    if (IsValidIndex(index))
        m_Collapsed.SetAt(index, collapsed ? 1 : 0);
    return index;
}

int CNameValuePairs::SetHiddenAt(int index, BOOL hidden) {
    if (IsValidIndex(index))
        m_Hidden.SetAt(index, hidden ? 1 : 0);
    return index;
}

void CNameValuePairs::SetControlType(const char* name, UINT controlType) {
    const int index = FindName(name);
    if (index >= 0)
        m_ControlTypes.SetAt(index, controlType);
}

UINT CNameValuePairs::GetControlTypeAt(int index) const {
    return IsValidIndex(index) ? m_ControlTypes.GetAt(index) : NVP_STATIC_TEXT;
}

UINT CNameValuePairs::GetControlType(const char* name) const {
    return GetControlTypeAt(FindName(name));
}

CString CNameValuePairs::GetChoiceListAt(int index) const {
    return IsValidIndex(index) ? m_ChoiceLists.GetAt(index) : CString();
}

int CNameValuePairs::SetChoiceList(const CString& name, const char* text) {
    const int index = FindName(name);
    SetChoiceListAt(index, CString(text != nullptr ? text : ""));
    return index;
}

void CNameValuePairs::SetChoiceListAt(int index, const CString& text) {
    if (IsValidIndex(index))
        m_ChoiceLists.SetAt(index, text);
}

int CNameValuePairs::GetFieldIdAt(int index) const {
    return IsValidIndex(index) ? static_cast<int>(m_FieldIds.GetAt(index)) : 0;
}

int CNameValuePairs::FindFieldId(int id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (static_cast<int>(m_FieldIds.GetAt(i)) == id)
            return i;
    }
    return -1;
}

int CNameValuePairs::GetLineCount(const CString& name) const {
    CString value;
    GetValue(name, value);
    int lines = 1;
    for (int i = 0; i < value.GetLength(); ++i) {
        if (value.GetAt(i) == '\n')
            ++lines;
    }
    return lines;
}

BOOL CNameValuePairs::IsGroupAt(int index) const {
    const CString name = GetNameAt(index);
    return !name.IsEmpty() && (name.GetAt(0) == '-' || name.GetAt(0) == '+');
}

void CNameValuePairs::SaveCollapsedGroups() const {
    CString text;
    for (int i = 0; i < GetCount(); ++i) {
        if (!IsGroupAt(i) || !IsCollapsedAt(i))
            continue;
        if (!text.IsEmpty())
            text += '\t';
        text += m_Names.GetAt(i);
    }
    RegWriteString(REG_DIALOGS, m_RegistryName + "-collapsed", text);
}

void CNameValuePairs::LoadCollapsedGroups(CStringArray& names) const {
    CString text;
    if (!RegReadString(REG_DIALOGS, m_RegistryName + "-collapsed", text))
        return;
    text = text.Left(kMaxCollapsedText);
    if (text.IsEmpty())
        return;
    CStringArray parts;
    SplitString(text, parts, '\t', false);
    names.Append(parts);
}

void CNameValuePairs::RemoveAll() {
    m_Names.RemoveAll();
    m_Values.RemoveAll();
    m_Lines.RemoveAll();
    m_ReadOnly.RemoveAll();
    m_ControlTypes.RemoveAll();
    m_ChoiceLists.RemoveAll();
    m_FieldIds.RemoveAll();
    m_Collapsed.RemoveAll();
    m_Hidden.RemoveAll();
}

void CNameValuePairs::FitAttributes() {
    const INT_PTR count = m_Names.GetSize();
    m_Values.SetSize(count);
    auto fit = [count](CDWordArray& values, DWORD fill) {
        INT_PTR old = values.GetSize();
        values.SetSize(count);
        for (; old < count; ++old)
            values.SetAt(old, fill);
    };
    fit(m_Lines, 1);
    fit(m_ReadOnly, 0);
    fit(m_ControlTypes, NVP_EDIT_CONTROL);
    m_ChoiceLists.SetSize(count);
    fit(m_FieldIds, 0);
    fit(m_Collapsed, 0);
    fit(m_Hidden, 0);
}

void CNameValuePairs::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema;
        m_Names.Serialize(ar);
        m_Values.Serialize(ar);
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    // Read whole before anything changes, so a damaged archive leaves the fields as they were.
    CStringArray names;
    CStringArray values;
    names.Serialize(ar);
    values.Serialize(ar);
    m_Names.Copy(names);
    m_Values.Copy(values);
    FitAttributes();
}
