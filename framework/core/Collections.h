// All collection classes in one include.
#pragma once

#include "framework/core/CArray.h"
#include "framework/core/CList.h"
#include "framework/core/CMap.h"
#include "framework/core/CTypedPtrArray.h"
#include "framework/core/CTypedPtrList.h"
#include "framework/core/CTypedPtrMap.h"

#include "framework/core/CByteArray.h"
#include "framework/core/CDWordArray.h"
#include "framework/core/CObArray.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CUIntArray.h"
#include "framework/core/CWordArray.h"

#include "framework/core/CObList.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CStringList.h"

#include "framework/core/CMapPtrToPtr.h"
#include "framework/core/CMapPtrToWord.h"
#include "framework/core/CMapStringToOb.h"
#include "framework/core/CMapStringToPtr.h"
#include "framework/core/CMapStringToString.h"
#include "framework/core/CMapWordToOb.h"
#include "framework/core/CMapWordToPtr.h"
