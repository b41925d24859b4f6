#include "grid/controls/CGEDaoBitmap.h"

#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEOleVarUserAttribute.h"
#include "grid/core/CGEStyle.h"

#include <cstring>

#include <oleauto.h>

namespace {

constexpr size_t kFileHeaderSize = 14; // "BM", file size, two reserved words, offset of the bits

// The packed DIB of a bitmap file starting at nStart: the information header and colour table, then the
// bits from where the file header says they start (or right after the table). Empty when the header
// does not fit.
std::vector<BYTE> PackedDibAt(const std::vector<BYTE>& bytes, size_t nStart) {
    const size_t nInfo = nStart + kFileHeaderSize;
    if (bytes.size() < nInfo + sizeof(BITMAPINFOHEADER))
        return {};
    DWORD dwOffBits = 0;
    std::memcpy(&dwOffBits, &bytes[nStart + 10], sizeof dwOffBits);
    BITMAPINFOHEADER header{};
    std::memcpy(&header, &bytes[nInfo], sizeof header);
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > bytes.size() - nInfo)
        return {};
    const size_t nColors = header.biClrUsed != 0    ? header.biClrUsed
                           : header.biBitCount <= 8 ? (1u << header.biBitCount)
                                                    : 0;
    if (nColors > 256)
        return {};
    const size_t nTable = header.biSize + nColors * sizeof(RGBQUAD);
    if (nTable > bytes.size() - nInfo)
        return {};
    size_t nBits = nInfo + nTable;
    // Bits placed further on by the file header are taken from there, when that lies inside the data.
    if (dwOffBits > kFileHeaderSize + nTable && nStart + dwOffBits <= bytes.size())
        nBits = nStart + dwOffBits;
    std::vector<BYTE> packed(bytes.begin() + static_cast<std::ptrdiff_t>(nInfo),
                             bytes.begin() + static_cast<std::ptrdiff_t>(nInfo + nTable));
    packed.insert(packed.end(), bytes.begin() + static_cast<std::ptrdiff_t>(nBits), bytes.end());
    return packed;
}

} // namespace

CGEDIB CGEDaoBitmap::PictureOf(const std::vector<BYTE>& bytes) {
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] != 'B' || bytes[i + 1] != 'M')
            continue;
        // CGEDIB keeps only a block whose sizes agree with its length; a "BM" inside a database header
        // that is no bitmap lets the search go on.
        CGEDIB dib(PackedDibAt(bytes, i));
        if (!dib.IsEmpty())
            return dib;
    }
    return CGEDIB();
}

BOOL CGEDaoBitmap::BytesOf(const VARIANT& value, std::vector<BYTE>& bytes) {
    bytes.clear();
    if (value.vt != (VT_ARRAY | VT_UI1) || value.parray == nullptr || ::SafeArrayGetDim(value.parray) != 1)
        return FALSE;
    LONG nLower = 0;
    LONG nUpper = -1;
    if (FAILED(::SafeArrayGetLBound(value.parray, 1, &nLower)) ||
        FAILED(::SafeArrayGetUBound(value.parray, 1, &nUpper)))
        return FALSE;
    void* pData = nullptr;
    if (nUpper < nLower || FAILED(::SafeArrayAccessData(value.parray, &pData)))
        return nUpper < nLower;
    const auto* p = static_cast<const BYTE*>(pData);
    bytes.assign(p, p + (static_cast<size_t>(nUpper) - static_cast<size_t>(nLower) + 1));
    ::SafeArrayUnaccessData(value.parray);
    return TRUE;
}

void CGEDaoBitmap::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                        const CGEStyle* pStandardStyle) {
    DrawCellBackground(pDC, rect, style, FALSE);
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    if (!style.HasUserAttribute(GE_IDS_UA_DAOBITMAP) || m_pGrid == nullptr) {
        CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const UINT nAlign = CGEDrawingAndFormatting::AlignmentFormat(style);
    const auto* pVariant =
        dynamic_cast<const CGEOleVarUserAttribute*>(&style.GetUserAttribute(GE_IDS_UA_DAOBITMAP));
    std::vector<BYTE> bytes;
    // The program keeps no per-cell picture store: the picture is found again at every drawing.
    if (pVariant != nullptr && BytesOf(pVariant->GetVariant(), bytes))
        PictureOf(bytes).Draw(pDC, rectText, CGEDIB::AlignFromFormat(nAlign));
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
