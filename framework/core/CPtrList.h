// CPtrList: a list of untyped pointers. The list never deletes what they point to and has no archive form.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CList.h"

class CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}

    // Nothing to store: pointers have no meaning in a file.
    void Serialize(CArchive& ar) override;
};
