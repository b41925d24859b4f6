#include "framework/core/CWordArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)
