// The engine's one state: start-up (window classes, clipboard format, texts), the cache of system
// colours, the map from shared objects to their grids, and the parent-window lookup.
#include "GridCoreTestSupport.h"

#include "grid/core/CGESysDrawInfo.h"

#include <cstdio>

using gridtest::StartEngine;

TEST(GridLibraryState, StartUpRegistersTheClassesTheTextsAndTheClipboardFormat) {
    StartEngine();
    CGELibraryState* pState = GEGetLibraryState();
    EXPECT_TRUE(pState->IsInitialized());
    WNDCLASSA wc{};
    const HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    struct ClassCase {
        const char* name;
        UINT style;
    };
    for (const ClassCase& c :
         {ClassCase{"GEWND", 16395}, ClassCase{"GENDBLCLKSWND", 16387}, ClassCase{"GeMdiFrame", 16392}}) {
        ASSERT_TRUE(::GetClassInfoA(hInstance, c.name, &wc)) << c.name;
        EXPECT_EQ(wc.style, c.style) << c.name;
    }
    for (const char* pszCopy : {"GEEDIT", "GELISTBOX", "GECOMBOBOX"}) {
        ASSERT_TRUE(::GetClassInfoA(hInstance, pszCopy, &wc)) << pszCopy;
        EXPECT_NE(wc.style & CS_GLOBALCLASS, 0u) << pszCopy;
    }
    // The format is named after the module that registered it.
    char szName[64] = {};
    ::GetClipboardFormatNameA(pState->m_uiClipboardFormat, szName, sizeof szName);
    char szExpected[64];
    std::snprintf(szExpected, sizeof szExpected, "Grid Styles %08x",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hInstance)));
    EXPECT_STREQ(szName, szExpected);
    EXPECT_STREQ(pState->GetText(CGELibraryState::textUndoing), "Undoing %1 ...");
    EXPECT_STREQ(pState->GetText(CGELibraryState::textMove), "Move");
    EXPECT_STREQ(pState->GetText(CGELibraryState::textClearCells), "Clear Cells");
    EXPECT_STREQ(pState->m_strPressEsc, "Press ESC to cancel");
    EXPECT_FALSE(pState->GetText(CGELibraryState::textWndClass).IsEmpty());
}

TEST(GridLibraryState, ColoursPastTheCacheAreReadLive) {
    StartEngine();
    CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    EXPECT_EQ(pInfo->m_nColors, 24);
    EXPECT_EQ(pInfo->GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
    pInfo->SetAt(COLOR_WINDOW, RGB(1, 2, 3)); // a cached value that no longer matches
    EXPECT_EQ(pInfo->GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    EXPECT_EQ(pInfo->GetSysColor(COLOR_HOTLIGHT), ::GetSysColor(COLOR_HOTLIGHT)); // index 26
    pInfo->RefreshColors();
    EXPECT_EQ(pInfo->GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
    EXPECT_NE(pInfo->m_bmpDropArrow.GetSafeHandle(), nullptr);
}

TEST(GridLibraryState, RemovingAGridKeepsTheOthersOfASharedObject) {
    CGELibraryState state;
    int object = 0, other = 0;
    auto* pFirst = reinterpret_cast<CGEGridCore*>(0x1000);
    auto* pSecond = reinterpret_cast<CGEGridCore*>(0x2000);
    state.AddGridForObject(&object, pFirst);
    state.AddGridForObject(&object, pSecond);
    state.AddGridForObject(&other, pFirst);
    EXPECT_EQ(state.GetFirstGridForObject(&object), pFirst);
    state.RemoveGrid(pFirst);
    EXPECT_EQ(state.GetFirstGridForObject(&object), pSecond);
    EXPECT_EQ(state.GetGridCountForObject(&object), 1);
    EXPECT_EQ(state.GetFirstGridForObject(&other), nullptr) << "an emptied list goes with its key";
    EXPECT_EQ(state.GetGridCountForObject(&other), 0);
}

TEST(GridLibraryState, ParentWindowLookupFollowsTheRegisteredClasses) {
    CGELibraryState state;
    CWnd child;
    EXPECT_EQ(state.FindParentWindow(&child), nullptr) << "no classes registered";
    state.AddParentWindowClass(RUNTIME_CLASS(CWnd));
    state.AddParentWindowClass(RUNTIME_CLASS(CWnd));
    EXPECT_EQ(state.m_parentWndClasses.GetCount(), 1) << "a class is kept once";

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr));
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "child", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
    EXPECT_EQ(state.FindParentWindow(&child), &parent);
    EXPECT_EQ(GEGetParentOfKind(&child, RUNTIME_CLASS(CWnd), FALSE), &parent);
    parent.ShowWindow(SW_MINIMIZE);
    EXPECT_EQ(GEGetParentOfKind(&child, RUNTIME_CLASS(CWnd), FALSE), nullptr) << "an iconic parent";
    EXPECT_EQ(GEGetParentOfKind(&child, RUNTIME_CLASS(CWnd), TRUE), &parent);
    child.DestroyWindow();
    parent.DestroyWindow();
}
