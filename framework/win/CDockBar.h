// CDockBar: a dock site along one edge of a frame (or inside a floating frame). It holds the bars docked
// there in rows: a horizontal dock bar stacks rows from top to bottom and places the bars of a row from
// left to right; a vertical one stacks columns from left to right. The dock bar takes the room its rows
// need when the frame lays out its bars.
//
// The static members are the frame side of docking: a frame window's EnableDocking, DockControlBar and
// FloatControlBar call them.
#pragma once

#include "framework/win/CControlBar.h"

#include <vector>

class CMiniDockFrameWnd;

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // A child of pParentWnd with bar style dwStyle (CBRS_TOP, CBRS_LEFT ...) and id nID
    // (AFX_IDW_DOCKBAR_xxx).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    BOOL IsDockBar() const override { return TRUE; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // A dock bar has no items; it lets the bars of its frame's floating frames update too.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // ---- docked bars ----
    // Docks pBar here. lpRect (screen coordinates) picks the row whose band holds its top (left) edge, or
    // a new row, and the offset along the row; without it the bar gets a new row after the others.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out (it stays where its window is). A floating dock bar left empty closes its frame.
    BOOL RemoveControlBar(CControlBar* pBar);
    // The docked bars by row, outermost row first.
    const std::vector<std::vector<CControlBar*>>& GetRows() const { return m_rows; }
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // Puts the bars in these rows (bars not docked here are docked first); rows of ids from a saved
    // state. Unknown and duplicate bars are left out.
    void SetRows(const std::vector<std::vector<CControlBar*>>& rows);

    // Floating dock bar: shows its frame sized to the visible bars, or hides it when none is visible.
    void ShowFloatingFrame();
    // The floating frame that holds this dock bar, or nullptr for a dock bar along a frame's edge.
    CMiniDockFrameWnd* GetFloatingFrame() const;

    BOOL m_bFloating;

    // ---- frame side ----
    // Creates the dock bars of pFrame for the sides dwDockStyle names (CBRS_ALIGN_xxx), once each.
    static void EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle);
    // Docks pBar in pFrame's dock bar nDockBarID (0: the first of top, bottom, left, right that both
    // allow) and lays out the frame. Nothing happens when no allowed dock bar exists.
    static void DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID = 0,
                               LPCRECT lpRect = nullptr);
    // Moves pBar into a floating frame at point (screen coordinates); dwStyle's alignment gives its
    // orientation (CBRS_ALIGN_TOP: horizontal, CBRS_ALIGN_LEFT: vertical).
    static void FloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint point,
                                DWORD dwStyle = CBRS_ALIGN_TOP);
    // pFrame's dock bar with that id along its edge (not a floating one), or nullptr.
    static CDockBar* FindDockBar(const CFrameWnd* pFrame, UINT nDockBarID);
    // The dock bar id and bar style of each edge, in the order docking tries them.
    struct DockSide {
        UINT nID;
        DWORD dwStyle;
    };
    static const DockSide dockSides[4];

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // Places the visible bars of each row within nLength (the dock bar's length along its edge) and
    // returns the size they need; moves them when bMove is set.
    CSize LayoutRows(int nLength, bool bMove);
    BOOL IsHorz() const;
    static CSize BarSize(CControlBar* pBar, BOOL bHorz);
    void DropEmptyRows();

    std::vector<std::vector<CControlBar*>> m_rows;
    bool m_bDestroying = false;
};
