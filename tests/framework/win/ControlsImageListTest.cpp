// Image lists: creation from sizes and from a bitmap resource with a mask colour, adding, replacing and
// removing images (checked by drawing them), and the handle map.
#include "ControlsTestSupport.h"

using namespace ctltest;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Three 16 x 16 images side by side in the given colours, each with a magenta 4 x 4 top-left corner.
HBITMAP Strip(COLORREF first, COLORREF second, COLORREF third) {
    return MakeBitmap(48, 16, [=](int x, int y) {
        if (x % 16 < 4 && y < 4)
            return kMagenta;
        const COLORREF colours[] = {first, second, third};
        return colours[x / 16];
    });
}

// The colour of image nImage in the middle and in its (transparent) corner, drawn on white.
std::pair<COLORREF, COLORREF> Drawn(CImageList& list, int nImage) {
    Canvas canvas(16, 16);
    EXPECT_TRUE(list.Draw(canvas.DC(), nImage, CPoint(0, 0), ILD_TRANSPARENT));
    return {canvas.Pixel(8, 8), canvas.Pixel(1, 1)};
}

} // namespace

TEST(ImageList, AddReplaceRemoveKeepImagesInOrder) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(list.GetImageCount(), 0);

    CGdiObject strip;
    ASSERT_TRUE(strip.Attach(Strip(RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255))));
    EXPECT_EQ(list.Add(&strip, kMagenta), 0);
    ASSERT_EQ(list.GetImageCount(), 3);
    EXPECT_EQ(Drawn(list, 0), std::make_pair(RGB(255, 0, 0), kWhite));
    EXPECT_EQ(Drawn(list, 2), std::make_pair(RGB(0, 0, 255), kWhite));

    // The image list copies the bitmap: the caller's may go.
    strip.DeleteObject();
    EXPECT_EQ(Drawn(list, 1).first, RGB(0, 255, 0));

    CGdiObject yellow;
    ASSERT_TRUE(yellow.Attach(SolidBitmap(16, 16, RGB(255, 255, 0))));
    EXPECT_TRUE(list.Replace(0, &yellow, nullptr));
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_EQ(Drawn(list, 0).first, RGB(255, 255, 0));

    EXPECT_EQ(list.Add(::LoadIconA(nullptr, IDI_APPLICATION)), 3);
    EXPECT_EQ(list.GetImageCount(), 4);

    ASSERT_TRUE(list.Remove(1));
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_EQ(Drawn(list, 1).first, RGB(0, 0, 255)); // the blue image moved up

    EXPECT_FALSE(list.Remove(7));
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(list.GetImageCount(), 0);
}

TEST(ImageList, CreateFromBitmapResourceCutsImagesAndMasksTheColour) {
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_CONTROLS_STRIP, 16, 1, kMagenta));
    ASSERT_EQ(list.GetImageCount(), 3);
    IMAGEINFO info{};
    ASSERT_TRUE(list.GetImageInfo(2, &info));
    EXPECT_EQ(info.rcImage.right - info.rcImage.left, 16);
    EXPECT_NE(info.hbmMask, nullptr);
    EXPECT_EQ(Drawn(list, 0), std::make_pair(RGB(255, 0, 0), kWhite));
    EXPECT_EQ(Drawn(list, 1), std::make_pair(RGB(0, 255, 0), kWhite));
    EXPECT_EQ(Drawn(list, 2), std::make_pair(RGB(0, 0, 255), kWhite));

    CImageList missing;
    EXPECT_FALSE(missing.Create(3999, 16, 1, kMagenta));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(ImageList, BackgroundColourAndCopies) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CGdiObject strip;
    ASSERT_TRUE(strip.Attach(Strip(RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255))));
    ASSERT_EQ(list.Add(&strip, kMagenta), 0);

    EXPECT_EQ(list.SetBkColor(RGB(0, 0, 128)), CLR_NONE);
    EXPECT_EQ(list.GetBkColor(), RGB(0, 0, 128));
    // Drawn normally, the masked corner takes the background colour.
    Canvas canvas(16, 16);
    ASSERT_TRUE(list.Draw(canvas.DC(), 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 128));

    CImageList copy;
    ASSERT_TRUE(copy.Create(&list));
    EXPECT_NE(copy.GetSafeHandle(), list.GetSafeHandle());
    EXPECT_EQ(copy.GetImageCount(), 3);
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(copy.GetImageCount(), 3);

    // A second Create on a list that already has one fails and leaves it alone.
    HIMAGELIST before = copy.GetSafeHandle();
    EXPECT_FALSE(copy.Create(8, 8, ILC_COLOR24, 1, 1));
    EXPECT_EQ(copy.GetSafeHandle(), before);
}

TEST(ImageList, HandleMapAttachDetachAndDestruction) {
    HIMAGELIST hImageList = nullptr;
    {
        CImageList list;
        ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24, 0, 1));
        hImageList = list;
        EXPECT_EQ(CImageList::FromHandle(hImageList), &list);
        EXPECT_EQ(CImageList::FromHandlePermanent(hImageList), &list);

        EXPECT_EQ(list.Detach(), hImageList);
        EXPECT_EQ(list.GetSafeHandle(), nullptr);
        EXPECT_EQ(CImageList::FromHandlePermanent(hImageList), nullptr);
        CImageList* temporary = CImageList::FromHandle(hImageList);
        ASSERT_NE(temporary, nullptr);
        EXPECT_NE(temporary, &list);
        EXPECT_EQ(temporary->GetSafeHandle(), hImageList);
        EXPECT_EQ(CImageList::FromHandle(hImageList), temporary);
        CImageList::DeleteTempMap();
        // The temporary wrapper left the list alone.
        EXPECT_EQ(::ImageList_GetImageCount(hImageList), 0);
        EXPECT_TRUE(list.Attach(hImageList));
        EXPECT_FALSE(list.Attach(hImageList)); // already holds one
    }
    // The destructor destroyed the attached list.
    EXPECT_EQ(CImageList::FromHandlePermanent(hImageList), nullptr);
    CImageList* nothing = nullptr;
    EXPECT_EQ(nothing->GetSafeHandle(), nullptr);
    EXPECT_EQ(CImageList::FromHandle(nullptr), nullptr);
}
