#include "framework/core/CMapStringToString.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
