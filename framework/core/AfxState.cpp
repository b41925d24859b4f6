#include "AfxDefs.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_instance = nullptr;
HINSTANCE g_resources = nullptr;
} // namespace

CWinApp* AfxGetApp() {
    return g_app;
}

void AfxSetApp(CWinApp* app) {
    g_app = app;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_instance ? g_instance : GetModuleHandleA(nullptr);
}

void AfxSetInstanceHandle(HINSTANCE instance) {
    g_instance = instance;
}

// Resources come from the executable unless a resource module was set.
HINSTANCE AfxGetResourceHandle() {
    return g_resources ? g_resources : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE resources) {
    g_resources = resources;
}
