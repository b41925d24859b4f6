// Printing feature: pages of a grid, and the header and footer of the properties object.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"

class CDC;
class CDocument;
class CGEData;
class CGEGridCore;
class CGEGridParam;
class CGEProperties;
class CGEStylesMap;
class CPrintInfo;

class CGEAbstractGridPrintImp : public CObject {
public:
    // Computes the page bands and the page count.
    virtual void BeginPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    // Prints the page pInfo->m_nCurPage.
    virtual void PrintPage(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void EndPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    // Header and footer; pDoc is the document of the view that holds the grid, or null.
    virtual void PrintHeaderAndFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                                      CGEGridParam* pParam) = 0;
    virtual int CalcHeaderFooterHeight(CGEProperties* pProps, CDC* pDC, CGEData* pBlock,
                                       CGEStylesMap* pStyles) = 0;
    virtual void DrawHeaderFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo* pInfo, const CRect& rect,
                                  CGEData* pBlock, CGEStylesMap* pStyles) = 0;
    virtual CString SubstTokenText(CGEProperties* pProps, const CString& strText) = 0;
    virtual CString GetTokenValue(CGEProperties* pProps, CString& strToken, CString& strRest) = 0;
    virtual CString ParseTokenArgument(CGEProperties* pProps, CString& strRest) = 0;

protected:
    CGEAbstractGridPrintImp() = default;
};
