// CAppFileDialog: the program's file open/save dialog. It keeps the extension of the typed file name
// in step with the chosen file type: when the dialog opens and whenever the type changes, the name's
// extension is replaced by (or, without one, extended with) the extension of the type's pattern.
#pragma once

#include "framework/core/CStringArray.h"
#include "framework/win/CFileDialog.h"

class CAppFileDialog : public CFileDialog {
    DECLARE_DYNAMIC(CAppFileDialog)
public:
    // As CFileDialog; filter is "Description|pattern|Description|pattern||".
    CAppFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                   DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                   CWnd* pParentWnd = nullptr);

    // The extension of each file type of the filter, in filter order ("" for a type without one).
    const CStringArray& GetTypeExtensions() const { return m_extensions; }

    // Appends the extension of each file type of a filter to extensions.
    static void ParseFilterExtensions(LPCSTR filter, CStringArray& extensions);
    // The extension a pattern stands for: the text after the last '.' of its first pattern that names
    // one ("*.txt;*.csv" → "txt", "*.xlsx" → "xlsx"); "" when every pattern has wildcards there ("*.*").
    static CString ExtensionOfPattern(const CString& pattern);
    // The file name with its extension replaced by extension, or extension appended when it has none
    // (a leading '.' does not start an extension). An empty name or extension leaves the name as it is.
    static CString ApplyExtension(const CString& name, const CString& extension);

protected:
    BOOL OnInitDialog() override;
    void OnTypeChange() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // Puts the current file type's extension on the name in the file name field.
    void ApplyTypeExtension();

    CStringArray m_extensions;
};
