// CGEDaoBitmap: shows the picture a database field holds for a cell (id 20128 "Dao bitmap control"). The
// cell style carries the field's raw bytes as a byte-array VARIANT in the user attribute 52794 "Dao bitmap
// user attribute"; the control finds the Windows bitmap inside them (any header the database put in
// front is skipped) and draws it aligned in the cell. Bytes that hold no sound bitmap draw nothing but
// the background. Without the attribute the cell is static text.
#pragma once

#include "grid/controls/CGEDIB.h"
#include "grid/controls/CGEStatic.h"

#include <vector>

class CGEDaoBitmap : public CGEStatic {
public:
    explicit CGEDaoBitmap(CGEGridCore* pGrid) : CGEStatic(pGrid) {}

    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The picture in a field's bytes: the first "BM" file header whose bitmap is whole; empty when none.
    static CGEDIB PictureOf(const std::vector<BYTE>& bytes);
    // The bytes of a one-dimensional byte-array VARIANT; FALSE for any other value.
    static BOOL BytesOf(const VARIANT& value, std::vector<BYTE>& bytes);
};
