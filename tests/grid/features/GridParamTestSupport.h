// What the tests of the parameter archive and the parameter copy share: a parameter object with every
// part and a setting changed in each group, and a description of it to compare two of them by.
#pragma once

#include "grid/core/GridCoreTestSupport.h"

#include "grid/core/CGEData.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/features/CGEPrintDevice.h"

#include <memory>
#include <string>

namespace paramtest {

// A parameter object owning a styles map (base style "Heading"), cell data of 30 x 12 with a cell, a row
// and a column style, properties, a print device, ranges, sizes, a hidden row, settings and span pools.
inline std::unique_ptr<CGEGridParam> FullParam() {
    gridtest::StartEngine();
    auto p = std::make_unique<CGEGridParam>();
    auto* pMap = new CGEStylesMap;
    pMap->m_strName = "My Styles";
    CGEStyle heading;
    heading.SetTextColor(RGB(200, 0, 0)).SetWrapText(TRUE);
    const UINT nHeading = pMap->RegisterStyle("Heading", heading);
    pMap->SetIdText(42, "forty-two");
    p->SetStylesMap(pMap);

    auto* pData = new CGEData;
    pData->StoreRowCount(30);
    pData->StoreColCount(12);
    CGEStyle cell;
    cell.SetValue("cell 7,3").SetBaseStyle(nHeading);
    pData->StoreStyleRowCol(7, 3, &cell, geCopy, 0);
    CGEStyle row;
    row.SetValue("row 9");
    pData->StoreStyleRowCol(9, 0, &row, geCopy, 0);
    CGEStyle col;
    col.SetValue("col 12");
    pData->StoreStyleRowCol(0, 12, &col, geCopy, 0);
    p->SetData(pData);

    auto* pProps = new CGEProperties;
    pProps->AddDefaults();
    pProps->m_nZoom = 150;
    pProps->m_bDisplayVertLines = FALSE;
    pProps->m_nTopMargin = 11;
    pProps->m_nFirstPage = 3;
    pProps->m_strSection = "Sheet";
    pProps->SetColor(CGEProperties::colorTrackingLine, RGB(1, 2, 3));
    pProps->m_ColBreaks.Add(5);
    pProps->SetUserProperty(pProps->GetUserProperties().begin()->first, "frame");
    p->SetProperties(pProps);
    p->m_pPrintDevice = new CGEPrintDevice;
    p->m_bOwnPrintDevice = TRUE;

    p->m_strName = "Sheet 1";
    p->SetFrozenRows(2, 1);
    p->m_nFrozenCols = 1;
    p->m_bThumbTrack = FALSE;
    p->m_wSelectionFlags = 7;
    p->m_bExcelLikeFrame = TRUE;
    p->m_wCurrentCellFlags = 3;
    p->m_bOldDrawing = TRUE;
    p->m_bKeepSelectionOnEsc = TRUE;
    p->m_bDragFill = TRUE;
    p->m_SelectedRanges.AddRange(CGECellRange(2, 2, 4, 5));
    p->m_CoveredRanges.AddRange(CGECellRange(10, 1, 11, 3));
    p->StoreRowHeight(4, 33);
    p->StoreColWidth(2, 77);
    p->m_abHiddenRows.SetBit(6, TRUE);

    p->m_wFloatCellsMode = 1;
    p->m_pFloatPool = new CGESpanCellPool;
    p->m_pFloatPool->SetSpannedRange(3, 1, 3, 4, TRUE);
    p->m_pFloatDelayPool = new CGEDelayedRangePool;
    p->m_pFloatDelayPool->DelayRange(CGECellRange(1, 1, 5, 5));
    p->m_wMergeCellsMode = 2;
    p->m_pHorzMergePool = new CGESpanCellPool;
    p->m_pHorzMergePool->SetSpannedRange(20, 2, 20, 6, TRUE);
    p->m_pVertMergePool = new CGESpanCellPool;
    return p;
}

inline std::string StyleValue(const CGEData* pData, ROWCOL nRow, ROWCOL nCol) {
    const CGEStyle* pStyle = pData != nullptr ? pData->LookupStyle(nRow, nCol) : nullptr;
    return pStyle != nullptr ? std::string(pStyle->GetValue()) : std::string("-");
}

inline std::string Span(const CGESpanCellPool* pPool, ROWCOL nRow, ROWCOL nCol) {
    if (pPool == nullptr)
        return "none";
    CGECellRange range(nRow, nCol, nRow, nCol);
    pPool->GetSpannedRange(nRow, nCol, range);
    return std::to_string(range.top) + "," + std::to_string(range.left) + "-" + std::to_string(range.bottom) +
           "," + std::to_string(range.right);
}

// What a round trip or a copy must keep, readable.
inline std::string Describe(const CGEGridParam& p) {
    std::string d;
    const auto add = [&d](const char* name, const std::string& v) { d += std::string(name) + "=" + v + " "; };
    const auto num = [&add](const char* name, unsigned long long v) { add(name, std::to_string(v)); };
    add("name", std::string(p.m_strName));
    num("frozen", p.m_nFrozenRows * 100 + p.m_nFrozenCols);
    num("header", p.m_nHeaderRows * 100 + p.m_nHeaderCols);
    num("thumb", p.m_bThumbTrack);
    num("sel", p.m_wSelectionFlags);
    num("frame", p.m_bExcelLikeFrame);
    num("cc", p.m_wCurrentCellFlags);
    num("old", p.m_bOldDrawing);
    num("esc", p.m_bKeepSelectionOnEsc);
    num("fill", p.m_bDragFill);
    num("owns",
        p.m_bOwnStylesMap * 1000 + p.m_bOwnData * 100 + p.m_bOwnProperties * 10 + p.m_bOwnPrintDevice);
    num("selected", static_cast<unsigned long long>(p.m_SelectedRanges.GetCount()));
    num("covered", static_cast<unsigned long long>(p.m_CoveredRanges.GetCount()));
    num("h4", static_cast<unsigned long long>(p.GetStoredRowHeight(4)));
    num("w2", static_cast<unsigned long long>(p.GetStoredColWidth(2)));
    num("hidden6", p.IsRowHiddenBit(6));
    num("modes", p.m_wFloatCellsMode * 10u + p.m_wMergeCellsMode);
    add("float", Span(p.m_pFloatPool, 3, 1));
    num("delayed", p.m_pFloatDelayPool != nullptr
                       ? static_cast<unsigned long long>(p.m_pFloatDelayPool->GetCount())
                       : 99);
    add("merge", Span(p.m_pHorzMergePool, 20, 2));
    num("vert", p.m_pVertMergePool != nullptr);
    if (const CGEStylesMap* pMap = p.m_pStylesMap) {
        add("map", std::string(pMap->m_strName));
        const UINT nHeading = pMap->GetStyleIdByName("Heading");
        num("heading", nHeading);
        const CGEStyle* pHeading = pMap->LookupStyle(nHeading);
        num("headingColor", pHeading != nullptr ? pHeading->GetTextColorRef() : 0);
        CString text;
        add("id42", pMap->LookupIdText(42, text) ? std::string(text) : "?");
    }
    if (const CGEData* pData = p.m_pData) {
        num("rows", pData->GetRowCount());
        num("cols", pData->GetColCount());
        add("c73", StyleValue(pData, 7, 3));
        const CGEStyle* pCell = pData->LookupStyle(7, 3);
        num("c73base", pCell != nullptr && pCell->GetIncludeBaseStyle() ? pCell->GetBaseStyle() : 0);
        add("r9", StyleValue(pData, 9, 0));
        add("c12", StyleValue(pData, 0, 12));
    }
    if (const CGEProperties* pProps = p.m_pProperties) {
        num("zoom", static_cast<unsigned long long>(pProps->m_nZoom));
        num("vlines", pProps->m_bDisplayVertLines);
        num("top", static_cast<unsigned long long>(pProps->m_nTopMargin));
        num("first", pProps->m_nFirstPage);
        add("section", std::string(pProps->m_strSection));
        num("tracking", pProps->m_ColorTable.GetSize() > 2 ? pProps->m_ColorTable[2] : 0);
        num("colbreaks", static_cast<unsigned long long>(pProps->m_ColBreaks.GetSize()));
        add("up", pProps->GetUserProperties().empty()
                      ? std::string("none")
                      : std::string(pProps->GetUserProperty(pProps->GetUserProperties().begin()->first)));
    }
    num("device", p.m_pPrintDevice != nullptr);
    return d;
}

} // namespace paramtest
