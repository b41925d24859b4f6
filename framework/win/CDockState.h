// CDockState: the layout of a frame's control bars (which are visible, where each is docked or floats),
// as kept in the application's profile between runs. A frame's SaveBarState/LoadBarState read the frame
// into a CDockState and save it, or load one and apply it to the frame.
//
// Profile layout under a section name S: "S-Summary" holds "Bars" (the number of bar entries) and the
// screen size "ScreenCX"/"ScreenCY"; "S-Bar0", "S-Bar1" ... hold one bar each (see CControlBarInfo).
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CSize.h"
#include "framework/win/CControlBarInfo.h"

#include <vector>

class CFrameWnd;

class CDockState : public CObject {
    DECLARE_DYNAMIC(CDockState)
public:
    CDockState() = default;

    // Reads the state saved under lpszProfileName; bar entries that cannot be read are left out.
    void LoadState(LPCSTR lpszProfileName);
    // Writes the state, replacing what was saved under lpszProfileName before.
    void SaveState(LPCSTR lpszProfileName);
    void Clear();

    // The screen size when the state was taken; floating positions are kept on the present screen.
    CSize GetScreenSize() const { return m_sizeScreen; }
    void SetScreenSize(const CSize& size) { m_sizeScreen = size; }

    std::vector<CControlBarInfo> m_arrBarInfo;

    // ---- frame side ----
    // The state of pFrame's bars now.
    static void GetDockState(const CFrameWnd* pFrame, CDockState& state);
    // Docks, floats, shows and hides pFrame's bars as state says and lays the frame out. Bars the state
    // does not know keep their place; entries for bars the frame does not have are ignored.
    static void SetDockState(CFrameWnd* pFrame, const CDockState& state);
    // LoadState + SetDockState, GetDockState + SaveState.
    static void LoadBarState(CFrameWnd* pFrame, LPCSTR lpszProfileName);
    static void SaveBarState(const CFrameWnd* pFrame, LPCSTR lpszProfileName);

private:
    CSize m_sizeScreen;
};
