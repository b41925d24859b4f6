// An ordered list of named text fields with display attributes (lines, read-only, cell control type,
// choice list, field id, collapsed and hidden flags): the base of the client record and the content of
// the property grids of several dialogs. Field names are compared ignoring case; a name beginning with
// "-" or "+" is a group header whose group runs to the next header.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"

// Cell control types of the property grid (string ids of the controls' names).
constexpr UINT NVP_EDIT_CONTROL = 52512;
constexpr UINT NVP_STATIC_TEXT = 52513;
constexpr UINT NVP_CHECKBOX_3D = 52523;

class CNameValuePairs : public CObject {
    DECLARE_SERIAL(CNameValuePairs)
public:
    CNameValuePairs();
    ~CNameValuePairs() override = default;

    // Lookups give -1, false, "", 1 (lines), 0 (field id) or NVP_STATIC_TEXT (control type) for a missing
    // field or an index outside the list; setters then change nothing.
    virtual void AddField(UINT nameId);
    // An existing field keeps its position, field id, lines and flags and takes the value, control type
    // and choice list (none empties it); otherwise a field is appended.
    virtual void SetField(const CString& name, const CString& value, int fieldId, UINT controlType,
                          const char* choiceList = nullptr);
    virtual void SetField(const char* name, const char* value, int fieldId = 0,
                          UINT controlType = NVP_EDIT_CONTROL, const char* choiceList = nullptr);
    virtual void InsertField(const CString& name, const CString& value, int fieldId, UINT controlType,
                             const char* choiceList, int index);
    virtual void SetValueAt(int index, const CString& value);
    virtual BOOL GetValue(UINT nameId, CString& value) const;
    virtual void SetValue(UINT nameId, const CString& value, UINT controlType);
    virtual CString GetNameAt(int index) const;
    virtual void SetNameAt(int index, const CString& name);
    virtual BOOL GetValue(const CString& name, CString& value) const;
    virtual int GetCount() const;
    virtual void GetNameValueAt(int index, CString& name, CString& value) const;
    virtual int FindName(const CString& name) const;
    // Index of the first field with that value, ignoring case.
    virtual int FindValue(const CString& value) const;
    virtual int SetLines(const char* name, int count);
    virtual int SetLines(const CString& name, int count);
    virtual int GetLinesAt(int index) const;
    virtual int GetLines(const CString& name) const;
    virtual int SetReadOnly(const char* name, BOOL readOnly);
    virtual int SetReadOnly(const CString& name, BOOL readOnly);
    virtual BOOL IsReadOnlyAt(int index) const;
    virtual BOOL IsReadOnly(const CString& name) const;
    virtual BOOL IsCollapsedAt(int index) const;
    virtual BOOL IsHiddenAt(int index) const;
    virtual int SetCollapsedAt(int index, BOOL collapsed);
    virtual int SetHiddenAt(int index, BOOL hidden);
    virtual void SetControlType(const char* name, UINT controlType);
    virtual UINT GetControlTypeAt(int index) const;
    virtual UINT GetControlType(const char* name) const;
    virtual CString GetChoiceListAt(int index) const;
    virtual int SetChoiceList(const CString& name, const char* text);
    virtual void SetChoiceListAt(int index, const CString& text);
    virtual int GetFieldIdAt(int index) const;
    virtual int FindFieldId(int id) const;
    // Line feeds in the value plus 1 (1 for a missing or empty value).
    virtual int GetLineCount(const CString& name) const;

    // The name at index is not empty and begins with "-" or "+".
    BOOL IsGroupAt(int index) const;
    // Writes the names of the collapsed group headers, joined by tabs, to "Dialogs\" as the value
    // "<registry name>-collapsed".
    void SaveCollapsedGroups() const;
    // Appends the names saved by SaveCollapsedGroups (nothing when the value is missing).
    void LoadCollapsedGroups(CStringArray& names) const;
    // Empties every field; the registry name stays.
    void RemoveAll();

    // Schema word 1, then the names and the values (string arrays). Loading replaces names and values
    // and keeps the attributes of fields whose position already existed; fields beyond get the
    // attributes of a newly added field.
    void Serialize(CArchive& ar) override;

    CString m_RegistryName = "NameValue";

protected:
    bool IsValidIndex(int index) const { return index >= 0 && index < GetCount(); }
    // Gives the seven attribute arrays the length of the names, with new-field attributes at the end.
    void FitAttributes();

    CStringArray m_Names;
    CStringArray m_Values;
    CDWordArray m_Lines;
    CDWordArray m_ReadOnly;
    CDWordArray m_ControlTypes;
    CStringArray m_ChoiceLists;
    CDWordArray m_FieldIds;
    CDWordArray m_Collapsed;
    CDWordArray m_Hidden;
};
