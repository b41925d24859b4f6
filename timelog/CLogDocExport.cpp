// CLogDoc: the time log as tab-separated text: the whole-log export and the log import.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"
#include "framework/core/CStdioFile.h"
#include "framework/win/CFileDialog.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "timelog/CLogHint.h"
#include "timelog/CLogTextRow.h"

#include <algorithm>

namespace {

void ReportFileError(CFileException* e) {
    e->ReportError();
    e->Delete();
}

// Strips the carriage return a line keeps when the file came with Windows line ends read as binary.
CString WithoutReturn(const CString& line) {
    if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r')
        return line.Left(line.GetLength() - 1);
    return line;
}

} // namespace

bool CLogDoc::WriteLogText(const CString& path, const std::function<bool(CLogEntry&)>& include) {
    CWaitCursor wait;
    const CString temporary = path + ".tmp";
    try {
        {
            CStdioFile file(temporary, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
            file.WriteString(CLogTextRow::Header() + "\n");
            for (INT_PTR i = 0; i < m_LogEntries.GetSize(); ++i) {
                CLogEntry& entry = *m_LogEntries.GetAt(i);
                if (!include || include(entry))
                    file.WriteString(CLogTextRow::Format(entry) + "\n");
            }
            file.Close();
        }
        if (!MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), path);
    } catch (CFileException* e) {
        DeleteFileA(temporary);
        ReportFileError(e);
        return false;
    }
    return true;
}

void CLogDoc::OnExportLog() {
    CString name = GetPathName();
    const int slash = std::max(name.ReverseFind('\\'), name.ReverseFind('/'));
    name = name.Mid(slash + 1);
    if (const int dot = name.ReverseFind('.'); dot >= 0)
        name = name.Left(dot);
    if (!name.IsEmpty())
        name += ".txt";
    CFileDialog dialog(FALSE, "txt", name, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                       "Tab Separated Values (*.txt, *.tsv)|*.txt;*.tsv|All Files (*.*)|*.*||");
    if (dialog.DoModal() == IDOK)
        WriteLogText(dialog.GetPathName());
}

int CLogDoc::ImportLogText(const CString& path) {
    CString currentUser;
    RegReadString(REG_DATABASE, "Username", currentUser);
    CWaitCursor wait;
    int imported = 0;
    CString otherUsers;
    try {
        CStdioFile file(path, CFile::modeRead | CFile::typeText | CFile::shareDenyWrite);
        CString line;
        for (int number = 1; file.ReadString(line); ++number) {
            line = WithoutReturn(line);
            if ((number == 1 && line == CLogTextRow::Header()) || line.IsEmpty())
                continue;
            CLogTextRow row;
            if (!row.Parse(line)) {
                CString message;
                message.FormatMessage(
                    "Line %1!d! in the import text file is not formatted properly. Importing "
                    "aborted after %2!d! entries were imported successfully.",
                    number, imported);
                AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
                break;
            }
            AddImportedEntry(row);
            ++imported;
            if (row.m_User.CompareNoCase(currentUser) != 0 && !ContainsUserName(otherUsers, row.m_User))
                otherUsers += (otherUsers.IsEmpty() ? "" : ", ") + row.m_User;
        }
    } catch (CFileException* e) {
        ReportFileError(e);
    }
    if (imported == 0)
        return 0;
    CLogHint hint;
    UpdateAllViews(nullptr, 0, &hint);
    SetModifiedFlag();
    DoAutoSave(true);
    if (!otherUsers.IsEmpty()) {
        CString message;
        message.FormatMessage("Some records which were imported were created by users other than \"%1\".\n"
                              "These will be shown in the grid now but will not be displayed the next time "
                              "you start Brindlemark.\n\nRecords imported for:\n\"%2\"",
                              currentUser.GetString(), otherUsers.GetString());
        AfxMessageBox(message, MB_OK | MB_ICONINFORMATION);
    }
    return imported;
}

bool CLogDoc::ContainsUserName(const CString& list, const CString& name) {
    // The names are joined with ", "; a name is in the list when one of its items is the name exactly.
    int start = 0;
    while (start <= list.GetLength()) {
        int end = list.Find(", ", start);
        if (end < 0)
            end = list.GetLength();
        if (list.Mid(start, end - start) == name)
            return true;
        start = end + 2;
    }
    return false;
}

void CLogDoc::AddImportedEntry(const CLogTextRow& row) {
    auto* pEntry = new CLogEntry;
    pEntry->SetStartTime(row.m_Start);
    pEntry->SetStopTime(row.m_Stop);
    CProject* pProject = nullptr;
    if (!row.m_Project.IsEmpty())
        pProject = FindOrAddProject(row.m_Project, "");
    CCategory* pCategory = FindCategoryByName(row.m_Category);
    for (INT_PTR i = 0; pCategory == nullptr && i < m_Categories2.GetSize(); ++i) {
        if (m_Categories2.GetAt(i)->m_Name.CompareNoCase(row.m_Category) == 0)
            pCategory = m_Categories2.GetAt(i);
    }
    if (pCategory == nullptr) {
        pCategory = NewCategory(row.m_Category, "", pProject != nullptr);
        SaveCategory(pCategory);
    }
    pEntry->m_pProject = pProject;
    pEntry->m_pCategory = pCategory;
    pEntry->m_Desc = row.m_Desc;
    pEntry->m_Billed = row.m_Billed ? 1 : 0;
    pEntry->SetUserName(row.m_User);
    pEntry->RecalcElapsed();
    pEntry->GetGUID();
    AddLogEntry(pEntry);
    // With the log kept in the database an entry that only lived in memory would be gone after a restart.
    SaveLogEntry(pEntry);
}
