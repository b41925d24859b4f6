#include "framework/core/CObArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
