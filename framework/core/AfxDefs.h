// Basic types, macros and process-wide accessors shared by every framework class.
#pragma once

#include <windows.h>
#include <cstddef>
#include <cstdint>

#ifndef AFXAPI
#define AFXAPI
#endif
#ifndef AFX_CDECL
#define AFX_CDECL
#endif

// Opaque iteration cursor of the collections.
struct __POSITION {};
using POSITION = __POSITION*;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Debug checks compile to nothing; VERIFY still evaluates its argument.
#define ASSERT(f) ((void)0)
#define ASSERT_VALID(p) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_KINDOF(cls, p) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define DEBUG_ONLY(f) ((void)0)

class CWinApp;

// Process-wide state. The application object registers itself when it is constructed.
CWinApp* AfxGetApp();
void AfxSetApp(CWinApp* app);
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);
