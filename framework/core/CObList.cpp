#include "framework/core/CObList.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
