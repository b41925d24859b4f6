// Program entry point.
#include "app/CBrindlemarkWinApp.h"

namespace {
CBrindlemarkWinApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    return AfxWinMain(instance, previous, commandLine, show);
}
