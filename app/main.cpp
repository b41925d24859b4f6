// Program entry point.
#include <windows.h>

#include "foundation/CAcxVersionInfo.h"
#include "framework/core/CString.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance, path, MAX_PATH);
    CAcxVersionInfo version;
    CString title;
    title.LoadString(IDS_APP_TITLE);
    CString text;
    text.Format("%s %s\n\nThe main window is not part of this build yet.", (LPCSTR)title,
                version.Load(path) ? (LPCSTR)version.GetString("ProductVersion") : "(no version resource)");
    MessageBoxA(nullptr, text, title, MB_OK | MB_ICONINFORMATION);
    return 0;
}
