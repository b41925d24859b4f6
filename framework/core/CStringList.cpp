#include "framework/core/CStringList.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)
