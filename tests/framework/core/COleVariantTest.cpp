#include "framework/core/COleVariant.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::wstring Wide(const VARIANT& v) {
    return std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
}

TEST(COleVariantConstruct, TypesAndValues) {
    const COleVariant empty;
    EXPECT_EQ(empty.vt, VT_EMPTY);

    const COleVariant i(42);
    EXPECT_EQ(i.vt, VT_I4);
    EXPECT_EQ(i.lVal, 42);
    const COleVariant l(-70000L);
    EXPECT_EQ(l.vt, VT_I4);
    EXPECT_EQ(l.lVal, -70000);
    const COleVariant s(static_cast<short>(-7));
    EXPECT_EQ(s.vt, VT_I2);
    EXPECT_EQ(s.iVal, -7);
    const COleVariant d(2.5);
    EXPECT_EQ(d.vt, VT_R8);
    EXPECT_EQ(d.dblVal, 2.5);
    const COleVariant yes(true);
    EXPECT_EQ(yes.vt, VT_BOOL);
    EXPECT_EQ(yes.boolVal, VARIANT_TRUE);
    EXPECT_EQ(COleVariant(false).boolVal, VARIANT_FALSE);

    const COleVariant date(COleDateTime(2024, 3, 7, 12, 0, 0));
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_EQ(date.date, 45358.5);
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleVariant(none).vt, VT_NULL);
}

TEST(COleVariantConstruct, TextBecomesBstrThroughTheAnsiCodePage) {
    const COleVariant text("Gr\xFC\xDF"
                           "e 20\x80");
    ASSERT_EQ(text.vt, VT_BSTR);
    EXPECT_EQ(Wide(text), L"Gr\u00FC\u00DFe 20\u20AC"); // code page 1252: u-umlaut, sharp s, euro
    for (const char* nothing : {static_cast<const char*>(nullptr), ""}) {
        const COleVariant v(nothing);
        ASSERT_EQ(v.vt, VT_BSTR);
        ASSERT_NE(v.bstrVal, nullptr);
        EXPECT_EQ(SysStringLen(v.bstrVal), 0u);
    }
}

TEST(COleVariantCopy, CopiesOwnTheirText) {
    COleVariant original("shared");
    COleVariant copy(original);
    ASSERT_EQ(copy.vt, VT_BSTR);
    EXPECT_NE(copy.bstrVal, original.bstrVal);
    original.Clear();
    EXPECT_EQ(original.vt, VT_EMPTY);
    EXPECT_EQ(Wide(copy), L"shared");

    COleVariant assigned(5);
    assigned = copy;
    EXPECT_EQ(Wide(assigned), L"shared");
    assigned = assigned; // self-assignment keeps the value
    EXPECT_EQ(Wide(assigned), L"shared");

    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_I4;
    raw.lVal = 9;
    assigned = raw;
    EXPECT_EQ(assigned.vt, VT_I4);
    EXPECT_EQ(assigned.lVal, 9);

    COleVariant moved(std::move(copy));
    EXPECT_EQ(Wide(moved), L"shared");
    EXPECT_EQ(copy.vt, VT_EMPTY); // NOLINT: the moved-from variant is empty, not shared
}

TEST(COleVariantChange, ChangeTypeConvertsOrLeavesUnchanged) {
    COleVariant v(42);
    EXPECT_EQ(v.ChangeType(VT_BSTR), S_OK);
    ASSERT_EQ(v.vt, VT_BSTR);
    EXPECT_EQ(Wide(v), L"42");
    EXPECT_EQ(v.ChangeType(VT_R8), S_OK);
    EXPECT_EQ(v.vt, VT_R8);
    EXPECT_EQ(v.dblVal, 42.0);

    COleVariant text("not a number");
    EXPECT_TRUE(FAILED(text.ChangeType(VT_I4)));
    ASSERT_EQ(text.vt, VT_BSTR);
    EXPECT_EQ(Wide(text), L"not a number");

    COleVariant target;
    COleVariant source("3/7/2024");
    EXPECT_EQ(target.ChangeType(VT_DATE, source), S_OK);
    EXPECT_EQ(target.vt, VT_DATE);
    EXPECT_EQ(target.date, 45358.0);
    EXPECT_EQ(source.vt, VT_BSTR); // the source is not touched
}

TEST(COleVariantOwnership, AttachAndDetachHandOverContents) {
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = SysAllocString(L"handed over");
    const BSTR text = raw.bstrVal;

    COleVariant holder(7);
    holder.Attach(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    ASSERT_EQ(holder.vt, VT_BSTR);
    EXPECT_EQ(holder.bstrVal, text); // taken over, not copied

    VARIANT out = holder.Detach();
    EXPECT_EQ(holder.vt, VT_EMPTY);
    EXPECT_EQ(out.vt, VT_BSTR);
    EXPECT_EQ(out.bstrVal, text);
    EXPECT_EQ(VariantClear(&out), S_OK);
}

TEST(COleVariantOwnership, PassesAsVariantPointer) {
    COleVariant v(12.75);
    LPVARIANT writable = v;
    LPCVARIANT readable = static_cast<const COleVariant&>(v);
    EXPECT_EQ(writable, static_cast<VARIANT*>(&v));
    EXPECT_EQ(readable, static_cast<const VARIANT*>(&v));
    EXPECT_EQ(VariantChangeType(v, v, 0, VT_I4), S_OK); // in place through the API
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, 13); // banker's rounding of 12.75 is 13
}

} // namespace
