// Pictures of windows as the screen shows them, for the screenshot tests: the pixels to check, and the
// picture written as a 24-bit BMP into the folder SCREENSHOT_DIR names (scripts/screenshot-tests.sh sets
// it and turns the files into PNG).
#pragma once

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace screentest {

// False under Wine's null display driver, which draws nothing: a picture would be blank.
inline bool WindowsAreDrawn() {
    char driver[64] = {};
    DWORD size = sizeof driver;
    if (::RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", "Graphics", RRF_RT_REG_SZ, nullptr,
                       driver, &size) != ERROR_SUCCESS)
        return true; // not Wine, or Wine's default driver
    return std::string(driver) != "null";
}

// The folder pictures are written to; empty when they are not wanted.
inline std::string ScreenshotFolder() {
    const char* folder = std::getenv("SCREENSHOT_DIR");
    return folder != nullptr ? std::string(folder) : std::string();
}

// The whole window (frame and caption included) as it was drawn when the picture was taken.
class WindowPicture {
public:
    explicit WindowPicture(HWND hWnd) {
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        m_origin = POINT{rect.left, rect.top};
        m_width = rect.right - rect.left;
        m_height = rect.bottom - rect.top;
        m_stride = (m_width * 3 + 3) & ~3;
        BITMAPINFOHEADER header = Header();
        HDC windowDc = ::GetWindowDC(hWnd);
        HDC memory = ::CreateCompatibleDC(windowDc);
        void* bits = nullptr;
        HBITMAP section = ::CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                             &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, section);
        if (::BitBlt(memory, 0, 0, m_width, m_height, windowDc, 0, 0, SRCCOPY) && bits != nullptr) {
            ::GdiFlush();
            const auto* first = static_cast<const unsigned char*>(bits);
            m_bits.assign(first, first + header.biSizeImage);
        }
        ::SelectObject(memory, old);
        ::DeleteObject(section);
        ::DeleteDC(memory);
        ::ReleaseDC(hWnd, windowDc);
    }

    bool IsValid() const { return !m_bits.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The pixel at (x, y) of the window (0, 0 its top left corner).
    COLORREF At(int x, int y) const {
        if (!IsValid() || x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        const unsigned char* p = &m_bits[static_cast<size_t>((m_height - 1 - y) * m_stride + x * 3)];
        return RGB(p[2], p[1], p[0]);
    }
    // Where a child window lies in the picture.
    RECT RectOf(HWND hChild) const {
        RECT rect{};
        ::GetWindowRect(hChild, &rect);
        ::OffsetRect(&rect, -m_origin.x, -m_origin.y);
        return rect;
    }
    // Where rect, in hWnd's client coordinates, lies in the picture.
    RECT ClientRectIn(HWND hWnd, RECT rect) const {
        ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        ::OffsetRect(&rect, -m_origin.x, -m_origin.y);
        return rect;
    }
    // The pixels of rect (in the picture) for which test is true.
    template <class Test> int Count(const RECT& rect, Test test) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (test(At(x, y)))
                    ++count;
            }
        }
        return count;
    }

    // Writes the picture as folder\name.bmp; false when nothing was written.
    bool Save(const std::string& folder, const std::string& name) const {
        if (!IsValid())
            return false;
        const BITMAPINFOHEADER header = Header();
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + header.biSizeImage;
        std::ofstream out(folder + "\\" + name + ".bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(m_bits.data()), static_cast<std::streamsize>(m_bits.size()));
        return out.good();
    }

private:
    BITMAPINFOHEADER Header() const {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = m_width;
        header.biHeight = m_height; // bottom-up, as BMP files keep their rows
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        header.biSizeImage = static_cast<DWORD>(m_stride * m_height);
        return header;
    }

    POINT m_origin{};
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::vector<unsigned char> m_bits;
};

// Text and lines: every channel dark.
inline bool IsDark(COLORREF c) {
    return c != CLR_INVALID && GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
}

} // namespace screentest
