#include "grid/core/CGEBrowserView.h"

IMPLEMENT_DYNCREATE(CGEBrowserView, CGEView)
