// The grid's document archive: the parameter object with its parts, the cell data and its style arrays,
// the properties and the styles map; older schemas, newer ones refused, damaged input refused.
#include "GridParamTestSupport.h"

#include "grid/core/GridArchiveTestSupport.h"

#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEStylePtrArray.h"
#include "grid/features/CGEGridDocSerializeImp.h"
#include "grid/features/CGEParamSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using archive_test::Bytes;
using archive_test::CauseOf;

class DocSerialize : public ::testing::Test {
protected:
    gridtest::EngineStarted engine;
    CGEAbstractGridDocSerializeImp& imp = *GEGetLibraryState()->m_pDocSerializeImp;

    Bytes StoreParam(CGEGridParam& p) {
        return archive_test::Store([&](CArchive& ar) { p.Serialize(ar); });
    }
    void LoadParam(CGEGridParam& p, const Bytes& bytes) {
        archive_test::Load(bytes, [&](CArchive& ar) { p.Serialize(ar); });
    }
};

TEST_F(DocSerialize, AParameterObjectRoundTripsWithEveryPart) {
    const auto source = paramtest::FullParam();
    const Bytes bytes = StoreParam(*source);
    CGEGridParam loaded;
    LoadParam(loaded, bytes);
    EXPECT_EQ(paramtest::Describe(loaded), paramtest::Describe(*source));
    // The cell's base style was found again through the loaded styles map.
    ASSERT_NE(loaded.m_pData, nullptr);
    ASSERT_NE(loaded.m_pData->LookupStyle(7, 3), nullptr);
    EXPECT_TRUE(loaded.m_pData->LookupStyle(7, 3)->GetIncludeBaseStyle());
    // Storing what was loaded gives the same bytes.
    EXPECT_EQ(StoreParam(loaded), bytes);
}

TEST_F(DocSerialize, LoadingReplacesOwnedPartsAndLeavesBorrowedOnes) {
    CGEStylesMap borrowed;
    borrowed.m_strName = "borrowed";
    CGEGridParam target;
    target.SetStylesMap(&borrowed, FALSE);
    target.SetData(new CGEData); // owned: replaced
    CGEGridParam plain;          // owns nothing
    LoadParam(target, StoreParam(plain));
    EXPECT_EQ(target.m_pStylesMap, &borrowed);
    EXPECT_FALSE(target.m_bOwnStylesMap);
    EXPECT_EQ(target.m_pData, nullptr);
    EXPECT_FALSE(target.m_bOwnData);
    EXPECT_EQ(borrowed.m_strName, CString("borrowed"));

    // An archive that owns a styles map gives the target its own, the borrowed one untouched.
    const auto full = paramtest::FullParam();
    LoadParam(target, StoreParam(*full));
    EXPECT_NE(target.m_pStylesMap, &borrowed);
    EXPECT_TRUE(target.m_bOwnStylesMap);
    EXPECT_EQ(borrowed.m_strName, CString("borrowed"));
}

TEST_F(DocSerialize, OlderParameterSchemasLoadWithDefaults) {
    const auto source = paramtest::FullParam();
    Bytes bytes = StoreParam(*source);
    // Schema 6 ends before the three flags of schema 8 and the word of schema 9.
    Bytes schema6(bytes.begin(), bytes.end() - 5);
    schema6[0] = 6;
    CGEGridParam loaded;
    LoadParam(loaded, schema6);
    EXPECT_FALSE(loaded.m_bKeepSelectionOnEsc);
    EXPECT_FALSE(loaded.m_bDragFill);
    EXPECT_TRUE(loaded.m_bOldDrawing);
    // Below schema 7 the floated cells are evaluated again: the pool is emptied and the table is pending.
    EXPECT_EQ(paramtest::Span(loaded.m_pFloatPool, 3, 1), "3,1-3,1");
    ASSERT_NE(loaded.m_pFloatDelayPool, nullptr);
    EXPECT_GE(loaded.m_pFloatDelayPool->GetCount(), 1);
    EXPECT_EQ(paramtest::Span(loaded.m_pHorzMergePool, 20, 2), "20,2-20,6"); // no merge delay pool: kept
}

// A schema-1 archive: the settings up to the byte arrays, no owned parts.
Bytes Schema1Archive(CGEGridParam& p) {
    using Group = CGEParamSettings::Group;
    return archive_test::Store([&](CArchive& ar) {
        ar << WORD{1};
        CGEParamSettings::Serialize(p, Group::head, ar);
        ar << p.m_strName;
        CGEParamSettings::Serialize(p, Group::afterName, ar);
        p.m_SelectedRanges.Serialize(ar);
        p.m_CoveredRanges.Serialize(ar);
        p.m_RowHeights.Serialize(ar);
        p.m_ColWidths.Serialize(ar);
        p.m_abHiddenRows.Serialize(ar);
        p.m_abHiddenCols.Serialize(ar);
    });
}

TEST_F(DocSerialize, ASchemaOneArchiveKeepsTheLaterSettings) {
    CGEGridParam source;
    source.m_strName = "old";
    source.m_bThumbTrack = FALSE;
    source.StoreRowHeight(3, 40);
    const Bytes bytes = Schema1Archive(source);
    CGEGridParam loaded;
    loaded.m_bNumberedRowHeaders = FALSE; // schema 2
    loaded.m_bOldDrawing = TRUE;          // schema 6
    loaded.m_bDragFill = TRUE;            // schema 9
    LoadParam(loaded, bytes);
    EXPECT_EQ(loaded.m_strName, CString("old"));
    EXPECT_FALSE(loaded.m_bThumbTrack);
    EXPECT_EQ(loaded.GetStoredRowHeight(3), 40);
    EXPECT_FALSE(loaded.m_bNumberedRowHeaders);
    EXPECT_TRUE(loaded.m_bOldDrawing);
    EXPECT_TRUE(loaded.m_bDragFill);
}

TEST_F(DocSerialize, NewerSchemasAreRefusedBeforeAnythingIsRead) {
    const Bytes schema = archive_test::Store([](CArchive& ar) { ar << WORD{10}; });
    const auto refuse = [&](const std::function<void(CArchive&)>& load, WORD nNewer) {
        Bytes bytes = schema;
        bytes[0] = static_cast<BYTE>(nNewer);
        return CauseOf<CArchiveException>([&] { archive_test::Load(bytes, load); });
    };
    CGEGridParam p;
    CGEData data;
    CGEProperties props;
    CGEStylesMap map;
    CGEStylePtrArray styles;
    EXPECT_EQ(refuse([&](CArchive& ar) { imp.SerializeParam(&p, ar); }, 10), CArchiveException::badSchema);
    EXPECT_EQ(refuse([&](CArchive& ar) { imp.SerializeData(&data, ar); }, 2), CArchiveException::badSchema);
    EXPECT_EQ(refuse([&](CArchive& ar) { imp.SerializeProperties(&props, ar); }, 4),
              CArchiveException::badSchema);
    EXPECT_EQ(refuse([&](CArchive& ar) { imp.SerializeStylesMap(&map, ar); }, 3),
              CArchiveException::badSchema);
    EXPECT_EQ(refuse([&](CArchive& ar) { imp.SerializeStylePtrArray(&styles, ar); }, 2),
              CArchiveException::badSchema);
}

TEST_F(DocSerialize, StyleArraysAndCellData) {
    CGEStylePtrArray empty;
    const Bytes emptyBytes =
        archive_test::Store([&](CArchive& ar) { imp.SerializeStylePtrArray(&empty, ar); });
    const Bytes expected =
        archive_test::Store([](CArchive& ar) { ar << WORD{1} << DWORD{0} << DWORD{0xFFFFFFFF}; });
    EXPECT_EQ(emptyBytes, expected);

    // An index at or beyond the element count, or beyond the data's counts, is refused.
    const auto cellData = [](DWORD nRows, DWORD nRowIndex, DWORD nElements) {
        return archive_test::Store([&](CArchive& ar) {
            ar << WORD{1} << nRows << DWORD{5};
            ar << WORD{1} << nElements << nRowIndex;
            ar << WORD{1} << DWORD{0} << DWORD{0xFFFFFFFF} << DWORD{0xFFFFFFFF};
            for (int i = 0; i < 2; ++i)
                ar << WORD{1} << DWORD{0} << DWORD{0xFFFFFFFF};
        });
    };
    CGEData data;
    const auto load = [&](const Bytes& bytes) {
        return CauseOf<CArchiveException>(
            [&] { archive_test::Load(bytes, [&](CArchive& ar) { imp.SerializeData(&data, ar); }); });
    };
    EXPECT_EQ(load(cellData(10, 4, 5)), -1);
    EXPECT_EQ(data.GetRowCount(), 10u);
    EXPECT_EQ(load(cellData(10, 5, 5)), CArchiveException::badIndex);
    EXPECT_EQ(load(cellData(3, 4, 5000)), CArchiveException::badIndex);
}

TEST_F(DocSerialize, PropertiesOfSchemaTwo) {
    CGEProperties source;
    source.m_ColBreaks.Add(4);
    source.m_bPrintColHeaders = TRUE;
    Bytes bytes = archive_test::Store([&](CArchive& ar) { imp.SerializeProperties(&source, ar); });
    // Schema 2 has no page breaks (two empty arrays: two count words) and a DWORD after the footer and
    // header.
    const Bytes breaks = archive_test::Store([&](CArchive& ar) {
        source.m_ColBreaks.Serialize(ar);
        source.m_RowBreaks.Serialize(ar);
    });
    const Bytes blocks = archive_test::Store([&](CArchive& ar) {
        imp.SerializeData(source.m_pFooterData.get(), ar);
        imp.SerializeData(source.m_pHeaderData.get(), ar);
    });
    const size_t breaksAt = bytes.size() - blocks.size() - breaks.size();
    Bytes schema2(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(breaksAt));
    schema2.insert(schema2.end(), blocks.begin(), blocks.end());
    const Bytes printColHeaders = archive_test::Store([](CArchive& ar) { ar << DWORD{0}; });
    schema2.insert(schema2.end(), printColHeaders.begin(), printColHeaders.end());
    schema2[0] = 2;
    CGEProperties loaded;
    loaded.m_bPrintColHeaders = TRUE;
    archive_test::Load(schema2, [&](CArchive& ar) { imp.SerializeProperties(&loaded, ar); });
    EXPECT_EQ(loaded.m_ColBreaks.GetSize(), 0);
    EXPECT_FALSE(loaded.m_bPrintColHeaders);
}

TEST_F(DocSerialize, StylesMapNamesFromResources) {
    CGEStylesMap map;
    map.SetBaseStyle(9, 61234, "anything", std::make_unique<CGEStyle>(), FALSE); // no such string resource
    map.SetBaseStyle(1, CGEStylesMap::standardStyleResource, "Standard", std::make_unique<CGEStyle>(), TRUE);
    CGEStyle edit;
    edit.SetWrapText(TRUE);
    map.SetUserAttribute(61235, "whatever", std::make_unique<CGEStyle>(edit));
    map.SetUserAttribute(61236, "plain", nullptr);
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { imp.SerializeStylesMap(&map, ar); });
    CGEStylesMap loaded;
    loaded.RegisterStyle("dropped on loading", CGEStyle());
    archive_test::Load(bytes, [&](CArchive& ar) { imp.SerializeStylesMap(&loaded, ar); });
    CString name;
    ASSERT_TRUE(loaded.GetStyleName(9, name));
    EXPECT_EQ(name, CString("STYLE61234"));
    EXPECT_EQ(loaded.GetStyleIdByResource(61234), 9u);
    EXPECT_EQ(loaded.GetStyleIdByName("dropped on loading"), 0u);
    EXPECT_EQ(loaded.m_nStandardStyleId, 1u);
    EXPECT_TRUE(loaded.IsSystemStyle(1));
    ASSERT_NE(loaded.LookupUserAttribute(61235), nullptr);
    EXPECT_EQ(loaded.LookupUserAttribute(61235)->name, CString("UA61235"));
    ASSERT_NE(loaded.LookupUserAttribute(61235)->style, nullptr);
    EXPECT_TRUE(loaded.LookupUserAttribute(61235)->style->GetWrapText());
    ASSERT_NE(loaded.LookupUserAttribute(61236), nullptr);
    EXPECT_EQ(loaded.LookupUserAttribute(61236)->style, nullptr);
}

TEST_F(DocSerialize, DamagedModesAreRefused) {
    const auto source = paramtest::FullParam();
    source->m_wFloatCellsMode = 0x4242; // a mode no feature knows, as damage would leave it
    source->m_wMergeCellsMode = 0;
    Bytes bytes = StoreParam(*source);
    CGEGridParam loaded;
    EXPECT_EQ(CauseOf<CArchiveException>([&] { LoadParam(loaded, bytes); }),
              CArchiveException::genericException);
}

TEST_F(DocSerialize, DamagedParameterArchivesAreRefused) {
    const auto source = paramtest::FullParam();
    grid_test::FuzzLoader(
        StoreParam(*source),
        [](CArchive& ar) {
            CGEGridParam p;
            p.Serialize(ar);
        },
        2000);
}

} // namespace
