#include "grid/features/CGEGridTextDataExchangeImp.h"

#include "framework/core/CFile.h"
#include "framework/core/CUserException.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGELongOperationState.h"
#include "grid/features/GELongOperationPercent.h"
#include "grid/features/CGERangeBlock.h"
#include "grid/features/CGEUndoTransaction.h"

#include <algorithm>

namespace {

constexpr WORD kNoNewRows = 0x200;
constexpr WORD kNoNewCols = 0x400;
constexpr WORD kEscapeText = 0x1000;

// Steps the operation and answers whether the user aborted.
BOOL Aborted(CGELongOperation& operation) {
    BOOL bAbort = FALSE;
    operation.StepAndQueryAbort(bAbort);
    return bAbort;
}

// Length of the character at p (a multi-byte character has all its bytes, never past pEnd).
int CharLength(LPCSTR p, LPCSTR pEnd) {
    return ::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p + 1 < pEnd && p[1] != '\0' ? 2 : 1;
}

// The separators a pasted cell ends at (an empty set means the tab).
CString PasteSeparators(CGEGridCore* pGrid) {
    return pGrid->m_strPasteSeparators.IsEmpty() ? CString("\t") : pGrid->m_strPasteSeparators;
}

BOOL IsSeparator(const CString& separators, char ch) {
    return ch != '\0' && separators.Find(ch) >= 0;
}

// Walks a text buffer cell by cell: each call of Next gives one cell and whether a line break ends it.
class TextCells {
public:
    TextCells(LPCSTR pBuffer, DWORD dwSize, CString separators)
        : m_p(pBuffer), m_pEnd(pBuffer + dwSize), m_separators(std::move(separators)) {
        if (m_pEnd < m_p)
            m_pEnd = m_p;
    }
    // FALSE at the end of the data. bLineEnd: a line break (or the end) follows the cell.
    BOOL Next(CString& strCell, BOOL& bLineEnd) {
        if (m_bDone)
            return FALSE;
        if (!m_bStarted && (m_p >= m_pEnd || *m_p == '\0'))
            return FALSE; // no data at all: no cell
        m_bStarted = TRUE;
        LPCSTR pStart = m_p;
        while (m_p < m_pEnd && *m_p != '\0' && *m_p != '\r' && *m_p != '\n' &&
               !IsSeparator(m_separators, *m_p))
            m_p += CharLength(m_p, m_pEnd);
        m_p = std::min(m_p, m_pEnd);
        strCell = CString(pStart, static_cast<int>(m_p - pStart));
        if (m_p >= m_pEnd || *m_p == '\0') {
            m_bDone = TRUE;
            bLineEnd = TRUE;
            return TRUE;
        }
        if (*m_p == '\r' || *m_p == '\n') {
            if (*m_p == '\r' && m_p + 1 < m_pEnd && m_p[1] == '\n')
                ++m_p;
            ++m_p;
            bLineEnd = TRUE;
            // A line break at the end of the data makes no empty last row.
            if (m_p >= m_pEnd || *m_p == '\0')
                m_bDone = TRUE;
            return TRUE;
        }
        ++m_p; // a separator
        bLineEnd = FALSE;
        return TRUE;
    }
    DWORD Position(LPCSTR pBuffer) const { return static_cast<DWORD>(m_p - pBuffer); }

private:
    LPCSTR m_p;
    LPCSTR m_pEnd;
    CString m_separators;
    BOOL m_bDone = FALSE;
    BOOL m_bStarted = FALSE;
};

// Grows the row (column) count to reach nRow (nCol) unless the option forbids it; TRUE when it is reached.
BOOL ReachRow(CGEGridCore* pGrid, ROWCOL nRow) {
    if (nRow <= pGrid->GetRowCount())
        return TRUE;
    return (pGrid->m_wClipboardFlags & kNoNewRows) == 0 && nRow < GE_INVALID &&
           pGrid->SetRowCount(nRow, GE_NOREDRAW) && nRow <= pGrid->GetRowCount();
}

BOOL ReachCol(CGEGridCore* pGrid, ROWCOL nCol) {
    if (nCol <= pGrid->GetColCount())
        return TRUE;
    return (pGrid->m_wClipboardFlags & kNoNewCols) == 0 && nCol < GE_INVALID &&
           pGrid->SetColCount(nCol, GE_NOREDRAW) && nCol <= pGrid->GetColCount();
}

} // namespace

void CGEGridCore::InstallTextDataExchange() {
    if (m_pTextDataExchangeImp == nullptr) {
        m_pTextDataExchangeImp = new CGEGridTextDataExchangeImp;
        AddAutoDeleteObject(m_pTextDataExchangeImp);
    }
}

BOOL CGEGridCore::CopyTextToFile(CFile& file, const CGERangeList& list) {
    return m_pTextDataExchangeImp != nullptr ? m_pTextDataExchangeImp->CopyTextToFile(this, file, list)
                                             : FALSE;
}

BOOL CGEGridCore::GetCopyTextRowCol(CString& str, ROWCOL nRow, ROWCOL nCol) {
    return m_pTextDataExchangeImp != nullptr
               ? m_pTextDataExchangeImp->GetCopyTextRowCol(this, str, nRow, nCol)
               : FALSE;
}

BOOL CGEGridCore::PasteTextFromBuffer(LPCSTR pBuffer, DWORD dwSize, const CGECellRange& range) {
    return m_pTextDataExchangeImp != nullptr
               ? m_pTextDataExchangeImp->PasteTextFromBuffer(this, pBuffer, dwSize, range)
               : FALSE;
}

BOOL CGEGridCore::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                                  const CGEStyle* pOldStyle) {
    return m_pTextDataExchangeImp != nullptr
               ? m_pTextDataExchangeImp->PasteTextRowCol(this, nRow, nCol, str, nFlags, pOldStyle)
               : FALSE;
}

BOOL CGEGridCore::CalcBufferDimension(LPCSTR pBuffer, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols) {
    return m_pTextDataExchangeImp != nullptr
               ? m_pTextDataExchangeImp->CalcBufferDimension(this, pBuffer, dwSize, nRows, nCols)
               : FALSE;
}

CString CGEGridTextDataExchangeImp::EscapeText(const CString& str, BOOL bEscape) {
    CString strResult;
    LPCSTR p = str.GetString();
    LPCSTR pEnd = p + str.GetLength();
    while (p < pEnd) {
        const char ch = *p;
        if (ch == '\t') {
            strResult += "\\t";
        } else if (ch == '\r' || ch == '\n') {
            if (bEscape) {
                strResult += ch == '\r' ? "\\r" : "\\n";
            } else {
                strResult += ' ';
                if (ch == '\r' && p + 1 < pEnd && p[1] == '\n')
                    ++p; // CR-LF is one blank
            }
        } else {
            const int nLength = CharLength(p, pEnd);
            strResult += CString(p, nLength);
            p += nLength;
            continue;
        }
        ++p;
    }
    return strResult;
}

CString CGEGridTextDataExchangeImp::UnescapeText(const CString& str) {
    CString strResult;
    LPCSTR p = str.GetString();
    LPCSTR pEnd = p + str.GetLength();
    while (p < pEnd) {
        if (*p == '\\' && p + 1 < pEnd && (p[1] == 'r' || p[1] == 'n' || p[1] == 't')) {
            strResult += p[1] == 'r' ? '\r' : p[1] == 'n' ? '\n' : '\t';
            p += 2;
            continue;
        }
        const int nLength = CharLength(p, pEnd);
        strResult += CString(p, nLength);
        p += nLength;
    }
    return strResult;
}

BOOL CGEGridTextDataExchangeImp::GetCopyTextRowCol(CGEGridCore* pGrid, CString& str, ROWCOL nRow,
                                                   ROWCOL nCol) {
    str.Empty();
    CGEStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    CGEControl* pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    BOOL bResult = TRUE;
    if (pControl != nullptr)
        bResult = pControl->GetControlText(str, nRow, nCol, nullptr, *pStyle);
    else
        str = pStyle->GetValue();
    pGrid->RecycleStyle(pStyle);
    return bResult;
}

BOOL CGEGridTextDataExchangeImp::CopyTextToFile(CGEGridCore* pGrid, CFile& file, const CGERangeList& list) {
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textCopyingText));
    const CGERangeBlock block(list, pGrid->GetRowCount(), pGrid->GetColCount());
    const ULONGLONG nTotal = block.GetCellCount();
    const BOOL bEscape = (pGrid->m_wClipboardFlags & kEscapeText) != 0;
    const char szSeparator[2] = {pGrid->m_cCopySeparator != '\0' ? pGrid->m_cCopySeparator : '\t', '\0'};
    ULONGLONG nCells = 0;
    ROWCOL nRowsWritten = 0;
    BOOL bAnyText = FALSE;
    const BOOL bComplete =
        block.ForEachCell([&](ROWCOL nRow, ROWCOL nCol, ROWCOL nRowIndex, ROWCOL nColIndex) {
            if (nColIndex == 0 && nRowIndex > 0)
                file.Write("\r\n", 2);
            if (nColIndex == 0)
                ++nRowsWritten;
            if (nColIndex > 0)
                file.Write(szSeparator, 1);
            CString strText;
            GetCopyTextRowCol(pGrid, strText, nRow, nCol);
            const CString strOut = EscapeText(strText, bEscape);
            if (!strOut.IsEmpty()) {
                bAnyText = TRUE;
                file.Write(strOut.GetString(), static_cast<UINT>(strOut.GetLength()));
            }
            GEShowPercentDone(++nCells, nTotal);
            return !Aborted(operation);
        });
    if (!bComplete)
        return FALSE;
    if (nRowsWritten > 1 || nCells > 1)
        file.Write("\r\n", 2);
    pGrid->m_nLastCopiedRows = nRowsWritten;
    pGrid->m_nLastCopiedCols = nRowsWritten > 0 ? static_cast<ROWCOL>(nCells / nRowsWritten) : 0;
    return bAnyText;
}

BOOL CGEGridTextDataExchangeImp::PasteTextRowCol(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                 const CString& str, UINT nFlags, const CGEStyle* pOldStyle) {
    return pGrid->SetControlTextRowCol(nRow, nCol, str, nFlags, pOldStyle);
}

BOOL CGEGridTextDataExchangeImp::PasteTextFromBuffer(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize,
                                                     const CGECellRange& range) {
    if (pBuffer == nullptr || !range.IsValid())
        return FALSE;
    CGELongOperation operation;
    operation.SetStatusText(GEGetLibraryState()->GetText(CGELibraryState::textPastingData));
    CGELongOperationState::Get().bRollbackPossible = TRUE;
    CGEUndoTransaction transaction(pGrid, GEGetLibraryState()->GetText(CGELibraryState::textPaste));
    const BOOL bOldBulk = pGrid->m_bBulkChange;
    pGrid->m_bBulkChange = TRUE;
    pGrid->ResetCurrentCellStyleCache();
    const BOOL bEscape = (pGrid->m_wClipboardFlags & kEscapeText) != 0;

    TextCells cells(pBuffer, dwSize, PasteSeparators(pGrid));
    ROWCOL nRow = range.top, nCol = range.left, nWidest = range.left;
    BOOL bFailed = FALSE;
    CString strCell;
    BOOL bLineEnd = FALSE;
    try {
        while (cells.Next(strCell, bLineEnd)) {
            if (!ReachRow(pGrid, nRow))
                break;
            if (ReachCol(pGrid, nCol)) {
                CGEStyle style;
                pGrid->ComposeStyleRowCol(nRow, nCol, &style);
                if (!PasteTextRowCol(pGrid, nRow, nCol, bEscape ? UnescapeText(strCell) : strCell,
                                     GE_INVALIDATE, &style)) {
                    bFailed = TRUE;
                    break;
                }
                nWidest = std::max(nWidest, nCol);
            }
            if (bLineEnd) {
                if (nRow + 1 >= GE_INVALID)
                    break;
                ++nRow;
                nCol = range.left;
            } else if (nCol + 1 < GE_INVALID) {
                ++nCol;
            }
            GEShowPercentDone(cells.Position(pBuffer), dwSize);
            if (Aborted(operation))
                AfxThrowUserException();
        }
    } catch (CUserException* e) {
        e->Delete();
        bFailed = TRUE;
    }
    pGrid->m_bBulkChange = bOldBulk;
    // An abort without a rollback request keeps what was pasted; a refusal or a rollback undoes it.
    CGELongOperationState& state = CGELongOperationState::Get();
    const BOOL bKeep = !bFailed || (state.bAbortDecided && !state.bRollbackRequested);
    if (bKeep)
        transaction.Commit();
    else
        transaction.Rollback();
    const ROWCOL nLastRow = std::min(nRow, pGrid->GetRowCount());
    if (nLastRow >= range.top)
        pGrid->RedrawRange(range.top, range.left, nLastRow, nWidest, GE_INVALIDATE);
    if (pGrid->IsCurrentCell() && !pGrid->IsLockUpdate())
        pGrid->RefreshCurrentCell(FALSE);
    pGrid->Refresh(GE_INVALIDATE);
    return !bFailed;
}

BOOL CGEGridTextDataExchangeImp::CalcBufferDimension(CGEGridCore* pGrid, LPCSTR pBuffer, DWORD dwSize,
                                                     ROWCOL& nRows, ROWCOL& nCols) {
    nRows = 0;
    nCols = 1;
    if (pBuffer == nullptr)
        return TRUE;
    TextCells cells(pBuffer, dwSize, PasteSeparators(pGrid));
    CString strCell;
    BOOL bLineEnd = FALSE;
    ROWCOL nInLine = 0;
    while (cells.Next(strCell, bLineEnd)) {
        ++nInLine;
        if (bLineEnd) {
            ++nRows;
            nCols = std::max(nCols, nInLine);
            nInLine = 0;
        }
    }
    return TRUE;
}
