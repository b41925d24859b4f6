#include "shell/LogFileLocation.h"

#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/core/CRuntimeClass.h"
#include "framework/win/CDocument.h"
#include "resource.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace {

CString& DataFolderOverride() {
    static CString folder;
    return folder;
}

CString WithBackslash(CString folder) {
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '\\')
        folder += '\\';
    return folder;
}

// Creates the folder and every missing folder above it.
void CreateFolderPath(const CString& folder) {
    for (int at = folder.Find('\\', 3); at >= 0; at = folder.Find('\\', at + 1))
        ::CreateDirectoryA(folder.Left(at), nullptr);
}

// An empty log document of docClass saved at path; false when it could not be made.
bool CreateEmptyLog(CRuntimeClass* docClass, const CString& path) {
    if (docClass == nullptr)
        return false;
    std::unique_ptr<CDocument> doc(dynamic_cast<CDocument*>(docClass->CreateObject()));
    if (!doc)
        return false;
    doc->m_bAutoDelete = FALSE;
    return doc->OnNewDocument() && doc->OnSaveDocument(path);
}

} // namespace

void SetUserDataFolderForTests(const char* folder) {
    DataFolderOverride() = WithBackslash(folder != nullptr ? folder : "");
}

CString GetUserDataFolder() {
    CString folder = DataFolderOverride();
    if (folder.IsEmpty()) {
        char appData[MAX_PATH] = {};
        if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
            folder = WithBackslash(appData) + "Quillmere\\Brindlemark\\";
        else
            GetProgramFolder(folder);
    }
    CreateFolderPath(folder);
    return folder;
}

CString GetDefaultLogPath() {
    CString name;
    name.LoadString(IDS_DEFAULT_LOG_FILE);
    return GetUserDataFolder() + name;
}

CString ChooseActiveLogPath(CRuntimeClass* docClass) {
    CString path;
    RegReadString(REG_DATABASE, "ActiveLog", path);
    if (!path.IsEmpty() && FileExists(path))
        return path;
    path = GetDefaultLogPath();
    if (!FileExists(path))
        CreateEmptyLog(docClass, path);
    RegWriteString(REG_DATABASE, "ActiveLog", path);
    return path;
}
