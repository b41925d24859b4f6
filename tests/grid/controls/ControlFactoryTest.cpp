// The control factory: the control of each id (with or without a cell tip), the edit control for every
// other id, the object preview only in record browsers, the names a styles map offers, the application
// features made once, and its window classes.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEOleDateTimeImp.h"
#include "grid/controls/combo/CGEComboBox.h"
#include "grid/controls/edit/CGEEditControl.h"
#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEControlFactory.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStylesMap.h"

#include <memory>

using namespace ctltest;

TEST(ControlFactory, EachIdMakesItsControl) {
    TestGrid grid;
    CGEControlFactory factory;
    struct Case {
        UINT id;
        const char* className;
        bool tip;
        DWORD comboFlags;
    } const cases[] = {
        {52512, "CGEEditControl", true, 0},
        {52513, "CGEStatic", true, 0},
        {52514, "CGEPushbutton", false, 0},
        {52516, "CGECheckBox", false, 0},
        {52523, "CGECheckBox", false, 0},
        {52520, "CGEHeader", true, 0},
        {52517, "CGEComboBox", true, 0x02},
        {52525, "CGEComboBox", true, 0x04},
        {52526, "CGEComboBox", true, 0x08},
        {52527, "CGEComboBox", true, 0x01},
        {52531, "CGEComboBox", true, 0x18},
        {52532, "CGEComboBox", true, 0x14},
        {52541, "CGETabbedComboBox", true, 0x02},
        {52542, "CGECheckListComboBox", true, 0x02},
        {20130, "CGECheckBoxEx", false, 0},
        {20131, "CGECheckBoxEx", false, 0},
        {52515, "CGERadioButton", false, 0},
        {52524, "CGERadioButton", false, 0},
        {20137, "CGERadioButtonEx", false, 0},
        {20136, "CGERadioButtonEx", false, 0},
        {52521, "CGEVScrollEdit", true, 0},
        {52518, "CGEHotSpotEdit", true, 0},
        {52519, "CGESpinEdit", true, 0},
        {52537, "CGEPasswordControl", true, 0},
        {52522, "CGEListBox", true, 0},
        {52536, "CGEProgressCtrl", false, 0},
        {52534, "CGERichEditCtrl", true, 0},
        {52535, "CGEMaskControl", true, 0},
        {20128, "CGEStatic", false, 0},
        // Ids of controls this program does not make, and unknown ids, get the edit control.
        {52530, "CGEEditControl", true, 0},
        {52533, "CGEEditControl", true, 0},
        {52538, "CGEEditControl", true, 0},
        {4711, "CGEEditControl", true, 0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CGEControl> pControl(factory.CreateControl(c.id, &grid));
        ASSERT_NE(pControl, nullptr) << c.id;
        EXPECT_STREQ(pControl->GetControlClass()->m_pszClassName, c.className) << c.id;
        EXPECT_EQ(pControl->GetCellTip() != nullptr, c.tip) << c.id;
        if (auto* pCombo = dynamic_cast<CGEComboBox*>(pControl.get())) {
            EXPECT_EQ(pCombo->GetComboFlags(), c.comboFlags) << c.id;
        }
        if (std::string(c.className) == "CGEEditControl") {
            EXPECT_EQ(dynamic_cast<CGEEditControl*>(pControl.get())->GetWindowId(), 52512u) << c.id;
        }
    }
}

TEST(ControlFactory, TheObjectPreviewBelongsToRecordBrowsers) {
    TestGrid grid;
    CGEControlFactory factory;
    EXPECT_EQ(factory.CreateControl(GE_IDS_CTRL_OLEPREVIEW, &grid), nullptr);
    CGEBrowserGrid browser(nullptr);
    std::unique_ptr<CGEControl> pControl(factory.CreateControl(GE_IDS_CTRL_OLEPREVIEW, &browser));
    EXPECT_NE(pControl, nullptr);
}

TEST(ControlFactory, AGridsStylesMapNamesTheControlsAndAttributes) {
    TestGrid grid;
    const CGEStylesMap* pMap = grid.GetStylesMap();
    CString strName;
    EXPECT_TRUE(pMap->LookupIdText(52541, strName));
    EXPECT_STREQ(strName, "Tabbed ComboBox");
    EXPECT_TRUE(pMap->LookupIdText(20131, strName));
    EXPECT_STREQ(strName, "3D Checkbox with modify state");
    EXPECT_EQ(pMap->GetIdTexts().size(), 37u);
    const CGEStylesMap::UserAttribute* pShowAll = pMap->LookupUserAttribute(GE_IDS_UA_TABLIST_SHOWALLCOLS);
    ASSERT_NE(pShowAll, nullptr);
    EXPECT_STREQ(pShowAll->name, "TabList: Show all columns");
    ASSERT_NE(pShowAll->style, nullptr);
    EXPECT_EQ(pShowAll->style->GetControl(), GE_IDS_CTRL_CHECKBOX3D);
    const CGEStylesMap::UserAttribute* pEllipsis = pMap->LookupUserAttribute(GE_IDS_UA_ELLIPSISTYPE);
    ASSERT_NE(pEllipsis, nullptr);
    EXPECT_STREQ(pEllipsis->style->GetChoiceList(), "No ellipse\nDotted....\nPound###");
    const CGEStylesMap::UserAttribute* pMin = pMap->LookupUserAttribute(GE_IDS_UA_VALID_MIN);
    ASSERT_NE(pMin, nullptr);
    EXPECT_EQ(pMin->style->GetControl(), GE_IDS_CTRL_SPINEDIT);
    EXPECT_EQ(pMap->LookupUserAttribute(GE_IDS_UA_TABLIST_COLWIDTHS), nullptr) << "not offered";
}

TEST(ControlFactory, ApplicationFeaturesAreMadeOnce) {
    StartEngine();
    CGELibraryState* pState = GEGetLibraryState();
    CGEAbstractOleDateTimeImp* pDateTime = pState->m_pOleDateTimeImp;
    ASSERT_NE(pDateTime, nullptr);
    pState->m_pControlFactory->InstallApplicationFeatures();
    EXPECT_EQ(pState->m_pOleDateTimeImp, pDateTime);
}

TEST(ControlFactory, WindowClassesAreRegisteredOnce) {
    StartEngine();
    CGEControlFactory factory;
    const HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    EXPECT_TRUE(::GetClassInfoA(hInstance, "CGETabWnd", &wc)) << "registered at start-up";
    EXPECT_TRUE(factory.RegisterWndClasses(hInstance)) << "again: left as it is";
    factory.UnregisterWndClasses(hInstance);
    EXPECT_FALSE(::GetClassInfoA(hInstance, "CGETabBeam", &wc));
    EXPECT_TRUE(factory.RegisterWndClasses(hInstance));
    EXPECT_TRUE(::GetClassInfoA(hInstance, "CGETabBeam", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS));
}
