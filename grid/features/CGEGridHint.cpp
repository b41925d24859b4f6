#include "grid/features/CGEGridHint.h"

IMPLEMENT_DYNAMIC(CGEGridHint, CObject)
