#include "framework/core/CDWordArray.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
