#include "framework/core/CMapWordToOb.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
