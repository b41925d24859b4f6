#include "framework/core/CByteArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
