// Program entry point.
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "shell/CBrindlemarkWinApp.h"
#include "shell/LogFileLocation.h"

#include <cstdlib>

namespace {

CBrindlemarkWinApp theApp;

// A copy started by the end-to-end tests keeps its settings, database and log in places of the test's
// own, so that tests running side by side never meet: BRINDLEMARK_TEST_REGISTRY_ROOT names the key
// below HKEY_CURRENT_USER that stands for "Software\Quillmere\", BRINDLEMARK_TEST_PROGRAM_FOLDER the
// folder that holds the database, BRINDLEMARK_TEST_DATA_FOLDER the user's data folder.
void UseTestPlaces() {
    if (const char* root = std::getenv("BRINDLEMARK_TEST_REGISTRY_ROOT"); root != nullptr && *root != '\0')
        RegSetTestRoot(root);
    if (const char* folder = std::getenv("BRINDLEMARK_TEST_PROGRAM_FOLDER");
        folder != nullptr && *folder != '\0')
        SetProgramFolderForTests(folder);
    if (const char* folder = std::getenv("BRINDLEMARK_TEST_DATA_FOLDER");
        folder != nullptr && *folder != '\0')
        SetUserDataFolderForTests(folder);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    UseTestPlaces();
    return AfxWinMain(instance, previous, commandLine, show);
}
