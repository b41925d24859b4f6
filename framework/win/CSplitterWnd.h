// CSplitterWnd: a static splitter window: a fixed grid of panes (rows x columns, each pane normally a
// view) separated by split bars that the user drags to resize the panes. Pane (row, col) has the
// control id AFX_IDW_PANE_FIRST + row * 16 + col.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/win/CWnd.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override = default;

    // A splitter of nRows x nCols panes (at most 16 each) as child nID of pParentWnd.
    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = 0xE900 /* AFX_IDW_PANE_FIRST */);
    // Creates the pane (row, col) as a view of pViewClass, sizeInit being its ideal width and height.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    // Current and minimum size; ideal sizes below the minimum hide the row or column.
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);

    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    int IdFromRowCol(int row, int col) const;
    // Places the panes after sizes changed (call it after SetColumnInfo/SetRowInfo).
    virtual void RecalcLayout();

    // Width of the split bars in pixels.
    int m_cxSplitter = 6;
    int m_cySplitter = 6;

    // Commands and notifications of the panes go to the frame that holds the splitter.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    struct CRowColInfo {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };
    // What the mouse is over: a vertical bar (between columns), a horizontal bar, or nothing.
    enum HitTest { noHit = 0, vSplitterBar1 = 101, hSplitterBar1 = 201 };
    // The split bar under point: vSplitterBar1 + i for the bar right of column i, hSplitterBar1 + i for
    // the bar below row i; noHit elsewhere.
    int HitTestBar(CPoint point) const;
    CRect BarRect(int ht) const;
    // The ids of all split bars, the vertical ones first.
    std::vector<int> BarIds() const;
    virtual void OnDrawSplitter(CDC* pDC, const CRect& rect);
    void StartTracking(int ht, CPoint point);
    void StopTracking(BOOL bAccept);
    void InvertTracker(const CRect& rect);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCaptureChanged(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()

    int m_nRows = 0;
    int m_nCols = 0;
    std::vector<CRowColInfo> m_rowInfo;
    std::vector<CRowColInfo> m_colInfo;

    // Split bar ht: the rows or columns it lies between (index: the one before it; -1 for no bar),
    // its width, and whether it lies between rows.
    struct Bar {
        const std::vector<CRowColInfo>* infos;
        int index;
        int size;
        bool row;
    };
    Bar BarOf(int ht) const;
    static void GetInfo(const std::vector<CRowColInfo>& infos, int index, int& cur, int& min);
    static void SetInfo(std::vector<CRowColInfo>& infos, int index, int ideal, int min);

    // Tracking of a split bar drag.
    bool m_bTracking = false;
    int m_htTrack = noHit;
    CRect m_rectTracker;    // where the inverted bar is drawn now
    CRect m_rectLimit;      // where it may go
    CPoint m_ptTrackOffset; // from the bar's top left to the mouse
};
