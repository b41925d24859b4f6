#include "framework/core/CMapStringToOb.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
