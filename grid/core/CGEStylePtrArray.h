// CGEStylePtrArray: an array of owned cell styles (null where a cell has none), one row of the cell
// data. CGEStylePtrArrayPtrArray: an array of owned rows (null where a row has no styles).
#pragma once

#include "framework/core/CPtrArray.h"
#include "grid/core/GECoreDefs.h"

class CGEStyle;

class CGEStylePtrArray : public CPtrArray {
    DECLARE_DYNCREATE(CGEStylePtrArray)
public:
    CGEStylePtrArray() = default;
    // Deletes every style.
    ~CGEStylePtrArray() override;
    // A deep copy of src (this array's styles deleted first).
    CGEStylePtrArray& operator=(const CGEStylePtrArray& src);

    CGEStyle* GetStyle(ROWCOL nIndex) const;
    // Puts pStyle (taken over; null clears) at nIndex, deleting the style held there; grows as needed.
    void SetStyle(ROWCOL nIndex, CGEStyle* pStyle);
    // Deletes every style and empties the array.
    void DeleteAll();
    // nCount empty entries at nAt (nothing past the end); entries nFrom..nTo deleted and removed;
    // the block nFrom..nTo moved so that it starts at nDest.
    void InsertEmpty(ROWCOL nAt, ROWCOL nCount);
    void RemoveEntries(ROWCOL nFrom, ROWCOL nTo);
    void MoveEntries(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    // Entries past the last style are dropped.
    void TrimEnd();
};

class CGEStylePtrArrayPtrArray : public CPtrArray {
    DECLARE_DYNCREATE(CGEStylePtrArrayPtrArray)
public:
    CGEStylePtrArrayPtrArray() = default;
    ~CGEStylePtrArrayPtrArray() override;
    CGEStylePtrArrayPtrArray& operator=(const CGEStylePtrArrayPtrArray& src);

    CGEStylePtrArray* GetRow(ROWCOL nRow) const;
    // The row's array, made when missing.
    CGEStylePtrArray* GetOrAddRow(ROWCOL nRow);
    void DeleteAll();
    void InsertEmpty(ROWCOL nAt, ROWCOL nCount);
    void RemoveEntries(ROWCOL nFrom, ROWCOL nTo);
    void MoveEntries(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
};
