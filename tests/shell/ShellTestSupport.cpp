#include "ShellTestSupport.h"

namespace shelltest {
IMPLEMENT_DYNCREATE(TestMainFrame, CMainFrame)
IMPLEMENT_DYNCREATE(TestLogDoc, CDocument)
IMPLEMENT_DYNCREATE(TestLogView, CView)
} // namespace shelltest
