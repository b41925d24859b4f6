// CGEGridPrintImp: printing and print preview of a grid. BeginPrinting cuts the grid into bands of rows
// and of columns that fit the page (honouring forced breaks), PrintPage draws one band pair inside the
// margins with the header and footer of the properties object, EndPrinting lets the bands go. The
// header and footer are ten lines by three columns of texts whose tokens ("$F" file, "$A" application,
// "$P" page, "$N" page count, "$D{format}" date, "$R" grid name) are replaced on every page.
#pragma once

#include "grid/core/CGEAbstractGridPrintImp.h"
#include "grid/core/GECoreDefs.h"

class CDWordArray;

class CGEGridPrintImp : public CGEAbstractGridPrintImp {
public:
    void BeginPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    // A page number past the bands prints nothing and ends the job.
    void PrintPage(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void EndPrinting(CGEGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;

    void PrintHeaderAndFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                              CGEGridParam* pParam) override;
    // The largest sum over the three columns of the heights of the lines that hold a value.
    int CalcHeaderFooterHeight(CGEProperties* pProps, CDC* pDC, CGEData* pBlock,
                               CGEStylesMap* pStyles) override;
    void DrawHeaderFooter(CGEProperties* pProps, CDC* pDC, CPrintInfo* pInfo, const CRect& rect,
                          CGEData* pBlock, CGEStylesMap* pStyles) override;
    CString SubstTokenText(CGEProperties* pProps, const CString& strText) override;
    // strToken is a token name ("$P"); "$D" takes its format from the front of strRest. A date format
    // with a conversion the C library does not know gives an empty date.
    CString GetTokenValue(CGEProperties* pProps, CString& strToken, CString& strRest) override;
    CString ParseTokenArgument(CGEProperties* pProps, CString& strRest) override;

    // The number of the page (1-based) that shows the given row band and column band.
    static UINT PageOfBands(int nPageOrder, int nRowBands, int nColBands, int nRowBand, int nColBand);

private:
    // The row (bRows) or column bands of a range: starts[0] is the first scrolling line printed, the
    // last entry one past the range's last line. nWindowStart is the window's first scrolling line; its
    // band index is returned.
    static int CutBands(CGEGridCore* pGrid, BOOL bRows, CPoint probe, ROWCOL nFirst, ROWCOL nLast,
                        ROWCOL nWindowStart);
    // Cuts the bands again from the second-last start, after the grid grew while printing; TRUE when the
    // bands changed.
    static BOOL RecutBands(CGEGridCore* pGrid, BOOL bRows, const CRect& rectArea);
};

// The value of "$D": the local time formatted with a strftime format ("%c" when empty); empty when the
// format holds a conversion the C library does not know, or the result does not fit 255 characters.
CString GEFormatPrintDate(const CString& strFormat);
