#include "grid/features/CGEParamSettings.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEGridParam.h"

#include <cstring>

namespace {

using Field = CGEParamSettings::Field;
using Width = CGEParamSettings::Width;

static_assert(sizeof(BOOL) == 4 && sizeof(ROWCOL) == 4 && sizeof(UINT) == 4 && sizeof(int) == 4);

Field Flag(BOOL& b) {
    return {Width::flag, &b};
}
Field Word(WORD& w) {
    return {Width::word, &w};
}
template <class T> Field DWord(T& v) {
    static_assert(sizeof(T) == 4);
    return {Width::dword, &v};
}
template <class T> Field DWordAsWord(T& v) {
    static_assert(sizeof(T) == 4);
    return {Width::dwordAsWord, &v};
}

DWORD Get32(const Field& f) {
    DWORD v = 0;
    std::memcpy(&v, f.pValue, sizeof v);
    return v;
}

void Set32(const Field& f, DWORD v) {
    std::memcpy(f.pValue, &v, sizeof v);
}

} // namespace

std::vector<CGEParamSettings::Field> CGEParamSettings::Fields(CGEGridParam& p, Group group) {
    switch (group) {
    case Group::head:
        // Auto scroll and key scroll are stored twice; on loading the later copies win.
        return {Flag(p.m_bThumbTrack),      Flag(p.m_bAutoScroll),     Flag(p.m_bKeyScroll),
                Flag(p.m_bUndoEnabled),     Flag(p.m_bLockReadOnly),   Flag(p.m_bReadOnly),
                Flag(p.m_bKeyScroll),       Flag(p.m_bAutoScroll),     Flag(p.m_bInvertSelection),
                Flag(p.m_bRowSelDrag),      Flag(p.m_bOwnData),        Flag(p.m_bOwnPrintDevice),
                Flag(p.m_bOwnProperties),   Flag(p.m_bOwnStylesMap),   Flag(p.m_bMarkSelection),
                Flag(p.m_bWrapCursorKeys),  Flag(p.m_bColSelDrag),     Flag(p.m_bDragSelectedRanges),
                Word(p.m_wSelectionFlags),  Word(p.m_wRowSizingFlags), Word(p.m_wColSizingFlags),
                DWord(p.m_nHeaderRows),     DWord(p.m_nHeaderCols),    DWord(p.m_nDefaultRowHeight),
                DWord(p.m_nDefaultColWidth)};
    case Group::afterName:
        return {Word(p.m_wActivationMode),     Word(p.m_wEnterKeyDirection), DWordAsWord(p.m_nMinRowHeight),
                DWordAsWord(p.m_nMinColWidth), Word(p.m_wClearOption),       DWord(p.m_nFrozenRows),
                DWord(p.m_nFrozenCols)};
    case Group::schema2:
        return {Flag(p.m_bNumberedRowHeaders)};
    case Group::schema3:
        return {Flag(p.m_bNumberedColHeaders), Flag(p.m_bExcelLikeFrame), DWord(p.m_nUndoLimit),
                DWord(p.m_nDropDownHeight), DWord(p.m_bRangeClipboard)};
    case Group::schema4:
        return {Word(p.m_wCurrentCellFlags)};
    case Group::schema5:
        return {Flag(p.m_bExcelLikeCurrentCell), Word(p.m_wActivateFlags), DWord(p.m_bTransparentBackground)};
    case Group::schema6:
        return {Flag(p.m_bAlternateLook), Flag(p.m_bOldDrawing), Flag(p.m_bSortRowsOnDblClk),
                Flag(p.m_bSortColsOnDblClk), Flag(p.m_bPlainValue)};
    case Group::schema6Tail:
        return {DWordAsWord(p.m_nCurrentCellFrameMode)};
    case Group::schema8:
        return {Flag(p.m_bKeepSelectionOnEsc), Flag(p.m_bNoFrozenLineAdjust), Flag(p.m_bPrintFrameAdjust)};
    case Group::schema9:
        return {DWordAsWord(p.m_bDragFill)};
    }
    return {};
}

void CGEParamSettings::Serialize(CGEGridParam& param, Group group, CArchive& ar) {
    for (const Field& f : Fields(param, group)) {
        const DWORD v = ar.IsStoring() ? Get32(f) : 0;
        switch (f.width) {
        case Width::flag:
            if (ar.IsStoring()) {
                ar << static_cast<BYTE>(v);
            } else {
                BYTE b = 0;
                ar >> b;
                Set32(f, b);
            }
            break;
        case Width::word:
            if (ar.IsStoring()) {
                ar << *static_cast<WORD*>(f.pValue);
            } else {
                ar >> *static_cast<WORD*>(f.pValue);
            }
            break;
        case Width::dword:
            if (ar.IsStoring()) {
                ar << v;
            } else {
                DWORD d = 0;
                ar >> d;
                Set32(f, d);
            }
            break;
        case Width::dwordAsWord:
            if (ar.IsStoring()) {
                ar << static_cast<WORD>(v);
            } else {
                WORD w = 0;
                ar >> w;
                Set32(f, w);
            }
            break;
        }
    }
}

void CGEParamSettings::Copy(CGEGridParam& dst, const CGEGridParam& src, Group group) {
    // Reading through the same table keeps the copy and the archive in step; src is only read.
    const std::vector<Field> from = Fields(const_cast<CGEGridParam&>(src), group);
    const std::vector<Field> to = Fields(dst, group);
    for (size_t i = 0; i < from.size(); ++i) {
        if (from[i].width == Width::word)
            *static_cast<WORD*>(to[i].pValue) = *static_cast<const WORD*>(from[i].pValue);
        else
            Set32(to[i], Get32(from[i]));
    }
}
