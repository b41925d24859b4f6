// GDI object wrappers: ownership of their handles, temporary wrappers, and what each kind makes.
#include "WinTestSupport.h"

#include "GdiTestsResource.h"
#include "framework/core/CResourceException.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The colour at x, y of a bitmap (through a memory DC).
COLORREF PixelOf(CBitmap& bitmap, int x, int y) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    const COLORREF color = dc.GetPixel(x, y);
    dc.SelectObject(old);
    return color;
}

bool ThrowsResourceException(const std::function<void()>& action) {
    try {
        action();
    } catch (CResourceException* e) {
        e->Delete();
        return true;
    }
    return false;
}

LOGPALETTE* TwoColourPalette(std::vector<BYTE>& storage) {
    storage.assign(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY), 0);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 2;
    palette->palPalEntry[0] = {255, 0, 0, 0};
    palette->palPalEntry[1] = {0, 0, 255, 0};
    return palette;
}

// ---------------------------------------------------------------------------------------------------
// Ownership

struct Kind {
    const char* name;
    std::function<std::unique_ptr<CGdiObject>()> make;
    DWORD type;
};

std::vector<Kind> Kinds() {
    return {
        {"pen",
         [] {
             auto p = std::make_unique<CPen>();
             p->CreatePen(PS_SOLID, 1, kRed);
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_PEN},
        {"brush",
         [] {
             auto p = std::make_unique<CBrush>();
             p->CreateHatchBrush(HS_CROSS, kRed);
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_BRUSH},
        {"font",
         [] {
             auto p = std::make_unique<CFont>();
             p->CreatePointFont(90, "Tahoma");
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_FONT},
        {"bitmap",
         [] {
             auto p = std::make_unique<CBitmap>();
             p->LoadBitmap(IDB_GDI_TEST);
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_BITMAP},
        {"region",
         [] {
             auto p = std::make_unique<CRgn>();
             p->CreateEllipticRgn(0, 0, 10, 10);
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_REGION},
        {"palette",
         [] {
             std::vector<BYTE> storage;
             auto p = std::make_unique<CPalette>();
             p->CreatePalette(TwoColourPalette(storage));
             return std::unique_ptr<CGdiObject>(std::move(p));
         },
         OBJ_PAL},
    };
}

TEST(GdiObject, WrapperDeletesItsObjectUnlessDetached) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        HGDIOBJ handle = nullptr;
        {
            std::unique_ptr<CGdiObject> object = kind.make();
            handle = object->GetSafeHandle();
            ASSERT_NE(handle, nullptr);
            EXPECT_EQ(object->GetObjectType(), kind.type);
            EXPECT_EQ(CGdiObject::FromHandle(handle), object.get());
        }
        EXPECT_EQ(::GetObjectType(handle), 0u) << "deleted with its wrapper";
        EXPECT_EQ(AfxMapHGDIOBJ()->LookupPermanent(handle), nullptr);

        std::unique_ptr<CGdiObject> object = kind.make();
        HGDIOBJ detached = object->Detach();
        object.reset();
        EXPECT_EQ(::GetObjectType(detached), kind.type) << "detached: still alive";
        ::DeleteObject(detached);
    }
}

TEST(GdiObject, DeleteObjectAndASecondCreation) {
    CPen pen;
    EXPECT_FALSE(pen.DeleteObject()); // nothing to delete
    ASSERT_TRUE(pen.CreatePen(PS_DASH, 1, kRed));
    HGDIOBJ first = pen.m_hObject;
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 3, kBlue)); // the wrapper is taken
    EXPECT_EQ(pen.m_hObject, first);
    LOGPEN lp{};
    ASSERT_EQ(pen.GetLogPen(&lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(pen.m_hObject, nullptr);
    EXPECT_EQ(::GetObjectType(first), 0u);
    EXPECT_EQ(pen.GetObjectType(), 0u);
}

TEST(GdiObject, SystemOwnedObjectsSurviveTheirWrappers) {
    HGDIOBJ stock = nullptr;
    HGDIOBJ system = nullptr;
    {
        CBrush stockBrush;
        ASSERT_TRUE(stockBrush.CreateStockObject(GRAY_BRUSH));
        stock = stockBrush.m_hObject;
        EXPECT_EQ(stock, ::GetStockObject(GRAY_BRUSH));
        CBrush systemBrush;
        ASSERT_TRUE(systemBrush.CreateSysColorBrush(COLOR_BTNFACE));
        system = systemBrush.m_hObject;
        LOGBRUSH lb{};
        ASSERT_TRUE(systemBrush.GetLogBrush(&lb));
        EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_BTNFACE));
    }
    EXPECT_EQ(::GetObjectType(stock), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(::GetObjectType(system), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(::GetSysColorBrush(COLOR_BTNFACE), system);
}

TEST(GdiObject, TemporaryWrappersAreSharedByTypeAndNeverDeleteTheirHandle) {
    HPEN hPen = ::CreatePen(PS_SOLID, 1, kRed);
    CPen* first = CPen::FromHandle(hPen);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hObject, hPen);
    EXPECT_EQ(CPen::FromHandle(hPen), first);
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CPen)));
    // A wrapper of another class for the same handle; the earlier one stays usable until idle time.
    CGdiObject* plain = CGdiObject::FromHandle(hPen);
    EXPECT_NE(plain, nullptr);
    EXPECT_EQ(first->m_hObject, hPen);

    CGdiObject::DeleteTempMap();
    EXPECT_EQ(AfxMapHGDIOBJ()->GetTemporaryCount(), 0u);
    EXPECT_EQ(::GetObjectType(hPen), static_cast<DWORD>(OBJ_PEN));

    // Attached, the handle has a permanent wrapper which FromHandle returns.
    CPen owner;
    ASSERT_TRUE(owner.Attach(hPen));
    EXPECT_EQ(CPen::FromHandle(hPen), &owner);
    EXPECT_EQ(CGdiObject::FromHandle(hPen), &owner);
    EXPECT_TRUE(owner == *CPen::FromHandle(hPen));
    EXPECT_FALSE(owner.Attach(::GetStockObject(BLACK_PEN)));
    EXPECT_EQ(CBrush::FromHandle(nullptr), nullptr);
}

// ---------------------------------------------------------------------------------------------------
// What each kind makes

TEST(GdiObject, PensFromStyleAndFromBrush) {
    CPen solid(PS_SOLID, 2, kBlue);
    LOGPEN lp{};
    ASSERT_TRUE(solid.GetLogPen(&lp));
    EXPECT_EQ(lp.lopnWidth.x, 2);
    EXPECT_EQ(lp.lopnColor, kBlue);

    LOGPEN indirect{PS_DOT, {1, 0}, kRed};
    CPen dotted;
    ASSERT_TRUE(dotted.CreatePenIndirect(&indirect));
    ASSERT_TRUE(dotted.GetLogPen(&lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));

    LOGBRUSH lb{BS_SOLID, kRed, 0};
    CPen geometric(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, 4, &lb);
    EXTLOGPEN ext{};
    ASSERT_GT(geometric.GetExtLogPen(&ext), 0);
    EXPECT_EQ(ext.elpWidth, 4u);
    EXPECT_EQ(ext.elpColor, kRed);
    EXPECT_EQ(ext.elpPenStyle & PS_STYLE_MASK, static_cast<DWORD>(PS_DASH));

    // User-defined dashes: the description holds them after the fixed part.
    const DWORD dashes[] = {3, 1};
    CPen dashed(PS_GEOMETRIC | PS_USERSTYLE, 2, &lb, 2, dashes);
    struct {
        EXTLOGPEN pen;
        DWORD more[1];
    } described{};
    ASSERT_GT(dashed.GetObject(sizeof described, &described), 0);
    EXPECT_EQ(described.pen.elpNumEntries, 2u);
    EXPECT_EQ(described.more[0], 1u);

    // A description the system refuses: the constructor throws.
    EXPECT_TRUE(
        ThrowsResourceException([&] { CPen invalid(PS_GEOMETRIC | PS_USERSTYLE, 1, &lb, 0, nullptr); }));
}

TEST(GdiObject, BrushesSolidHatchedAndFromAPattern) {
    CBrush solid(kRed);
    LOGBRUSH lb{};
    ASSERT_TRUE(solid.GetLogBrush(&lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, kRed);

    CBrush hatched(HS_DIAGCROSS, kBlue);
    ASSERT_TRUE(hatched.GetLogBrush(&lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));

    LOGBRUSH indirect{BS_NULL, 0, 0};
    CBrush hollow;
    ASSERT_TRUE(hollow.CreateBrushIndirect(&indirect));
    ASSERT_TRUE(hollow.GetLogBrush(&lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));

    // A pattern brush repeats its bitmap: painted with it, every fourth pixel of a row is red again.
    CBitmap pattern;
    ASSERT_TRUE(pattern.LoadBitmap(IDB_GDI_TEST));
    CBrush patterned(&pattern);
    pattern.DeleteObject(); // the brush keeps its own copy
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap target;
    CClientDC screen(nullptr);
    ASSERT_TRUE(target.CreateCompatibleBitmap(&screen, 8, 2));
    CBitmap* old = dc.SelectObject(&target);
    dc.FillRect(CRect(0, 0, 8, 2), &patterned);
    EXPECT_EQ(dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(dc.GetPixel(4, 0), kRed);
    EXPECT_EQ(dc.GetPixel(2, 0), kBlue);
    dc.SelectObject(old);

    // No bitmap: no brush, and the constructor throws.
    CBitmap none;
    CBrush refused;
    EXPECT_FALSE(refused.CreatePatternBrush(&none));
    EXPECT_TRUE(ThrowsResourceException([&] { CBrush invalid(&none); }));
}

TEST(GdiObject, FontsByDescriptionAndByPointSize) {
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma"));
    LOGFONTA lf{};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, TRUE);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    // Tenths of a point: on the screen, 12 points are 12/72 inch.
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(120, "Tahoma"));
    ASSERT_TRUE(screenFont.GetLogFont(&lf));
    CClientDC screen(nullptr);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(screen.GetDeviceCaps(LOGPIXELSY), 120, 720));

    // In a metric mapping (0.1 mm, y up) the height is 12/72 inch = 42.3 logical units, still negative.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetMapMode(MM_LOMETRIC);
    CFont metric;
    LOGFONTA request{};
    request.lfHeight = 120;
    ::lstrcpyA(request.lfFaceName, "Tahoma");
    ASSERT_TRUE(metric.CreatePointFontIndirect(&request, &dc));
    ASSERT_TRUE(metric.GetLogFont(&lf));
    EXPECT_NEAR(lf.lfHeight, -42, 1);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    CFont none;
    EXPECT_FALSE(none.GetLogFont(&lf));
}

TEST(GdiObject, BitmapsFromResourcesByIdAndName) {
    CBitmap byId;
    ASSERT_TRUE(byId.LoadBitmap(IDB_GDI_TEST));
    BITMAP info{};
    ASSERT_EQ(byId.GetBitmap(&info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(PixelOf(byId, 0, 0), kRed);
    EXPECT_EQ(PixelOf(byId, 2, 0), kBlue);
    EXPECT_EQ(PixelOf(byId, 1, 1), RGB(128, 128, 128));

    CBitmap byName;
    ASSERT_TRUE(byName.LoadBitmap("GDITESTBMP"));
    EXPECT_EQ(PixelOf(byName, 3, 1), RGB(255, 255, 0));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4999));
    EXPECT_EQ(missing.m_hObject, nullptr);

    CBitmap check;
    ASSERT_TRUE(check.LoadOEMBitmap(32760)); // OBM_CHECK (declared only with OEMRESOURCE)
    ASSERT_TRUE(check.GetBitmap(&info));
    EXPECT_GT(info.bmWidth, 0);
}

TEST(GdiObject, MappedBitmapReplacesTheColoursGiven) {
    COLORMAP map[] = {{kRed, RGB(1, 2, 3)}, {RGB(255, 255, 0), RGB(4, 5, 6)}};
    CBitmap mapped;
    ASSERT_TRUE(mapped.LoadMappedBitmap(IDB_GDI_TEST, 0, map, 2));
    EXPECT_EQ(PixelOf(mapped, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(PixelOf(mapped, 3, 1), RGB(4, 5, 6));
    EXPECT_EQ(PixelOf(mapped, 1, 0), RGB(0, 255, 0)); // not in the map

    // Without a map, the button colours of the system take the place of black, greys and white.
    CBitmap themed;
    ASSERT_TRUE(themed.LoadMappedBitmap(IDB_GDI_TEST));
    EXPECT_EQ(PixelOf(themed, 0, 1), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(PixelOf(themed, 1, 1), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(themed, 2, 1), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelOf(themed, 3, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST(GdiObject, BitmapBitsAndDimension) {
    CBitmap bitmap;
    const DWORD pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF}; // 2 x 2, 32 bits, BGRA
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, pixels));
    DWORD back[4] = {};
    EXPECT_EQ(bitmap.GetBitmapBits(sizeof back, back), sizeof back);
    EXPECT_EQ(back[0] & 0xFFFFFF, 0x00FF0000u);
    EXPECT_EQ(back[3] & 0xFFFFFF, 0x00FFFFFFu);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), kRed);

    const DWORD changed[4] = {0x000000FF, 0, 0, 0};
    EXPECT_EQ(bitmap.SetBitmapBits(sizeof changed, changed), sizeof changed);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), kBlue);

    EXPECT_EQ(bitmap.SetBitmapDimension(254, 127), CSize(0, 0));
    EXPECT_EQ(bitmap.SetBitmapDimension(10, 20), CSize(254, 127));
    EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(10, 20));

    BITMAP info{};
    BITMAP infoOk{};
    infoOk.bmWidth = 3;
    infoOk.bmHeight = 1;
    infoOk.bmWidthBytes = 12;
    infoOk.bmPlanes = 1;
    infoOk.bmBitsPixel = 32;
    CBitmap indirect;
    ASSERT_TRUE(indirect.CreateBitmapIndirect(&infoOk));
    ASSERT_TRUE(indirect.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

TEST(GdiObject, RegionsCombineCompareAndHitTest) {
    CRgn left;
    CRgn right;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgnIndirect(CRect(5, 0, 15, 10)));
    CRgn both;
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_OR), SIMPLEREGION);
    CRect box;
    EXPECT_EQ(both.GetRgnBox(box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 15, 10));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_AND), SIMPLEREGION);
    both.GetRgnBox(box);
    EXPECT_EQ(box, CRect(5, 0, 10, 10));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(2, 2));
    EXPECT_FALSE(both.PtInRegion(CPoint(7, 7)));
    EXPECT_TRUE(both.RectInRegion(CRect(6, 6, 12, 8)));
    EXPECT_FALSE(both.RectInRegion(CRect(6, 6, 9, 8)));

    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(copy.CopyRgn(&left), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(&left));
    EXPECT_EQ(copy.OffsetRgn(CPoint(5, 0)), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(&right));
    copy.SetRectRgn(CRect(1, 2, 3, 4));
    copy.GetRgnBox(box);
    EXPECT_EQ(box, CRect(1, 2, 3, 4));
    copy.SetRectRgn(0, 0, 0, 0);
    EXPECT_EQ(copy.GetRgnBox(box), NULLREGION);

    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    CRgn polygon;
    ASSERT_TRUE(polygon.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(polygon.PtInRegion(2, 2));
    EXPECT_FALSE(polygon.PtInRegion(8, 8));
    CRgn ellipse;
    ASSERT_TRUE(ellipse.CreateEllipticRgnIndirect(CRect(0, 0, 20, 20)));
    EXPECT_TRUE(ellipse.PtInRegion(10, 10));
    EXPECT_FALSE(ellipse.PtInRegion(1, 1));
    CRgn rounded;
    ASSERT_TRUE(rounded.CreateRoundRectRgn(0, 0, 20, 20, 10, 10));
    EXPECT_FALSE(rounded.PtInRegion(0, 0));
    EXPECT_TRUE(rounded.PtInRegion(10, 0));

    // Region data round trip.
    const int size = both.GetRegionData(nullptr, 0);
    ASSERT_GT(size, 0);
    std::vector<BYTE> data(static_cast<size_t>(size));
    EXPECT_EQ(both.GetRegionData(reinterpret_cast<LPRGNDATA>(data.data()), size), size);
    CRgn rebuilt;
    ASSERT_TRUE(rebuilt.CreateFromData(nullptr, size, reinterpret_cast<const RGNDATA*>(data.data())));
    EXPECT_TRUE(rebuilt.EqualRgn(&both));
}

TEST(GdiObject, PaletteEntriesReadAndWritten) {
    std::vector<BYTE> storage;
    CPalette palette;
    EXPECT_EQ(palette.GetEntryCount(), 0);
    ASSERT_TRUE(palette.CreatePalette(TwoColourPalette(storage)));
    EXPECT_EQ(palette.GetEntryCount(), 2);
    PALETTEENTRY entries[2] = {};
    EXPECT_EQ(palette.GetPaletteEntries(0, 2, entries), 2u);
    EXPECT_EQ(entries[0].peRed, 255);
    EXPECT_EQ(entries[1].peBlue, 255);
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(0, 0, 200)), 1u);

    PALETTEENTRY green = {0, 255, 0, 0};
    EXPECT_EQ(palette.SetPaletteEntries(1, 1, &green), 1u);
    EXPECT_EQ(palette.GetPaletteEntries(1, 1, entries), 1u);
    EXPECT_EQ(entries[0].peGreen, 255);
    EXPECT_TRUE(palette.ResizePalette(5));
    EXPECT_EQ(palette.GetEntryCount(), 5);
}

} // namespace
