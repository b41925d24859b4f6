// CStringList: a list of CString values, compared byte for byte (case-sensitive) by Find.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CList.h"

class CStringList : public CList<CString, const CString&> {
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
};
