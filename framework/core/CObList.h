// CObList: a list of CObject pointers. The list never deletes the objects; it stores them in an archive as
// objects.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CList.h"

class CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};
