#include "grid/core/CGEGridView.h"

IMPLEMENT_DYNCREATE(CGEGridView, CGEView)
