#include "framework/core/CStringArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)
