// Assignment of grid parameter objects, properties and styles maps: deep copies through the engine's
// parameter-copy feature.
#include "GridParamTestSupport.h"

#include "grid/core/CGELibraryState.h"

#include <gtest/gtest.h>

namespace {

class ParamCopy : public ::testing::Test {
protected:
    gridtest::EngineStarted engine;
};

TEST_F(ParamCopy, ACopyHoldsEverythingAndSharesNothing) {
    const auto source = paramtest::FullParam();
    const std::string before = paramtest::Describe(*source);
    CGEGridParam copy;
    copy = *source;
    EXPECT_EQ(paramtest::Describe(copy), before);
    for (const auto& [pCopy, pSource] :
         {std::pair<const void*, const void*>{copy.m_pStylesMap, source->m_pStylesMap},
          {copy.m_pData, source->m_pData},
          {copy.m_pProperties, source->m_pProperties},
          {copy.m_pPrintDevice, source->m_pPrintDevice},
          {copy.m_pFloatPool, source->m_pFloatPool},
          {copy.m_pFloatDelayPool, source->m_pFloatDelayPool},
          {copy.m_pHorzMergePool, source->m_pHorzMergePool}})
        EXPECT_NE(pCopy, pSource);
    // Changing the copy leaves the source as it was.
    CGEStyle changed;
    changed.SetValue("changed");
    copy.m_pData->StoreStyleRowCol(7, 3, &changed, geCopy, 0);
    copy.m_pProperties->m_nZoom = 50;
    copy.m_pStylesMap->RemoveStyle(copy.m_pStylesMap->GetStyleIdByName("Heading"));
    copy.m_SelectedRanges.DeleteAll();
    EXPECT_EQ(paramtest::Describe(*source), before);
}

TEST_F(ParamCopy, ABorrowedPartIsCopiedIntoOneTheCopyOwns) {
    CGEStylesMap shared;
    shared.RegisterStyle("Heading", CGEStyle());
    CGEGridParam source;
    source.SetStylesMap(&shared, FALSE);
    {
        CGEGridParam copy;
        copy = source;
        ASSERT_NE(copy.m_pStylesMap, nullptr);
        EXPECT_NE(copy.m_pStylesMap, &shared);
        EXPECT_NE(copy.m_pStylesMap->GetStyleIdByName("Heading"), 0u);
        // The copy deletes its map with itself (it would otherwise be lost).
        EXPECT_TRUE(copy.m_bOwnStylesMap);
    }
    EXPECT_NE(shared.GetStyleIdByName("Heading"), 0u);
}

TEST_F(ParamCopy, PoolsFollowTheSource) {
    const auto withPools = paramtest::FullParam();
    CGEGridParam without;
    CGEGridParam target;
    target = *withPools;
    ASSERT_NE(target.m_pFloatPool, nullptr);
    target = without;
    EXPECT_EQ(target.m_pFloatPool, nullptr);
    EXPECT_EQ(target.m_pFloatDelayPool, nullptr);
    EXPECT_EQ(target.m_pHorzMergePool, nullptr);
    EXPECT_EQ(target.m_wFloatCellsMode, 0);
    EXPECT_EQ(target.m_pData, nullptr);
}

TEST_F(ParamCopy, SelfAssignmentChangesNothing) {
    const auto param = paramtest::FullParam();
    const std::string before = paramtest::Describe(*param);
    CGEStylesMap* pMap = param->m_pStylesMap;
    CGEGridParam& same = *param;
    *param = same;
    *param->m_pStylesMap = *pMap;
    *param->m_pProperties = *param->m_pProperties;
    EXPECT_EQ(param->m_pStylesMap, pMap);
    EXPECT_EQ(paramtest::Describe(*param), before);
}

TEST_F(ParamCopy, StylesMapsCopyEveryEntry) {
    CGEStylesMap source;
    source.m_strName = "Styles";
    CGEStyle style;
    style.SetValue("x");
    source.SetBaseStyle(7, 52768, "Standard", std::make_unique<CGEStyle>(style), TRUE);
    source.RegisterStyle("Own", CGEStyle());
    source.SetUserAttribute(55, "Attr", std::make_unique<CGEStyle>(style));
    source.SetIdText(3, "three");
    CGEStylesMap copy;
    copy.RegisterStyle("Gone", CGEStyle());
    copy = source;
    EXPECT_EQ(copy.m_strName, CString("Styles"));
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(copy.GetStyleIdByResource(52768), 7u);
    EXPECT_TRUE(copy.IsSystemStyle(7));
    EXPECT_EQ(copy.LookupStyle(7)->GetValue(), CString("x"));
    EXPECT_NE(copy.LookupStyle(7), source.LookupStyle(7));
    EXPECT_EQ(copy.GetStyleIdByName("Own"), source.GetStyleIdByName("Own"));
    EXPECT_EQ(copy.GetStyleIdByName("Gone"), 0u);
    EXPECT_EQ(copy.m_nStandardStyleId, 7u);
    ASSERT_NE(copy.LookupUserAttribute(55), nullptr);
    EXPECT_EQ(copy.LookupUserAttribute(55)->name, CString("Attr"));
    CString text;
    EXPECT_TRUE(copy.LookupIdText(3, text));
    EXPECT_EQ(text, CString("three"));
}

TEST_F(ParamCopy, WithoutTheFeatureNothingIsCopied) {
    CGELibraryState* pState = GEGetLibraryState();
    CGEAbstractGridParamCopyOperatorImp* pImp = pState->m_pParamCopyOperatorImp;
    pState->m_pParamCopyOperatorImp = nullptr;
    CGEGridParam source;
    source.m_strName = "source";
    CGEGridParam target;
    target = source;
    CGEProperties props;
    props.m_nZoom = 10;
    CGEProperties targetProps;
    targetProps = props;
    pState->m_pParamCopyOperatorImp = pImp;
    EXPECT_EQ(target.m_strName, CString(""));
    EXPECT_EQ(targetProps.m_nZoom, 100);
}

} // namespace
