// What the clipboard tests share: the Windows clipboard is one for every test program in the prefix, so a
// test that uses it holds a named mutex for its duration; a grid in a real window (the clipboard needs an
// owner window); and the texts of cells.
#pragma once

#include "FeatureTestSupport.h"

#include "framework/core/CMemFile.h"
#include "grid/core/CGERangeList.h"

#include <string>

namespace cliptest {

// Held while a test reads or writes the shared clipboard.
class ClipboardLock {
public:
    ClipboardLock() : m_hMutex(::CreateMutexA(nullptr, FALSE, "BrindlemarkTestClipboard")) {
        ::WaitForSingleObject(m_hMutex, INFINITE);
    }
    ~ClipboardLock() {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;

private:
    HANDLE m_hMutex;
};

// A grid window in a host window, rows and columns given, the values of the cells set by Put.
class WindowGrid : gridtest::EngineStarted {
public:
    explicit WindowGrid(ROWCOL nRows = 10, ROWCOL nCols = 6) : host(grid) {
        grid.SetRowCount(nRows, GE_NOREDRAW);
        grid.SetColCount(nCols, GE_NOREDRAW);
    }
    void Put(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) {
        grid.SetValueRange(CGECellRange(nRow, nCol, nRow, nCol), pszValue, geOverride, 0, GE_NOREDRAW);
    }
    std::string Value(ROWCOL nRow, ROWCOL nCol) { return featuretest::Value(grid, nRow, nCol); }
    void Select(const CGECellRange& range) {
        grid.GetParam()->m_SelectedRanges.DeleteAll();
        grid.GetParam()->m_SelectedRanges.AddRange(range);
    }

    CGEGridWnd grid;
    gridtest::GridHost host;
};

// The CF_TEXT on the clipboard ("<none>" when there is none).
inline std::string ClipboardText() {
    if (!::OpenClipboard(nullptr))
        return "<closed>";
    std::string text = "<none>";
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        if (const auto* p = static_cast<const char*>(::GlobalLock(hData))) {
            text.assign(p, strnlen(p, ::GlobalSize(hData)));
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return text;
}

// Puts one block of bytes on the clipboard under a format, owned by the window.
inline bool PutOnClipboard(HWND hOwner, UINT nFormat, const void* pData, size_t nSize) {
    if (!::OpenClipboard(hOwner))
        return false;
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nSize == 0 ? 1 : nSize);
    memcpy(::GlobalLock(hData), pData, nSize);
    ::GlobalUnlock(hData);
    const bool bSet = ::SetClipboardData(nFormat, hData) != nullptr;
    ::CloseClipboard();
    return bSet;
}

// A range list of one range.
struct OneRange : CGERangeList {
    explicit OneRange(const CGECellRange& range) { AddRange(range); }
};

} // namespace cliptest
