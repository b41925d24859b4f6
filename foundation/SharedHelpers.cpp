#include "foundation/SharedHelpers.h"

#include "foundation/CAcxVersionInfo.h"
#include "foundation/LocaleFormat.h"

#include <objbase.h>

#include <algorithm>
#include <vector>

namespace {

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

CString& ProgramFolderOverride() {
    static CString folder;
    return folder;
}

CString ModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return CString();
        if (length < buffer.size())
            return CString(buffer.data(), static_cast<int>(length));
        // Truncated: a path longer than MAX_PATH; try again with more room.
        buffer.resize(buffer.size() * 2);
    }
}

// Key of the stored-secret transform; each byte is also chained with the previous stored byte.
constexpr unsigned char kScrambleKey[] = {0x3B, 0xA7, 0x51, 0xE2, 0x0D, 0x96, 0xC8, 0x74,
                                          0x1F, 0x6A, 0xB3, 0x25, 0xDE, 0x48, 0x89, 0xF0};
constexpr int kScrambleKeyLength = static_cast<int>(sizeof kScrambleKey);
constexpr char kHexDigits[] = "0123456789ABCDEF";

unsigned char ScrambleSeed(int variant) {
    return static_cast<unsigned char>(0x5A + variant * 17);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

// ---------------- identities ----------------

bool CreateGuidString(GUID* out, CString* text, bool braces, bool dashes) {
    GUID guid = {};
    const bool made = SUCCEEDED(CoCreateGuid(&guid));
    if (out)
        *out = guid;
    if (!text)
        return made;
    if (!made) {
        text->Empty();
        return false;
    }
    const char* format = dashes ? "%08lX-%04X-%04x-%02X%02X-%02X%02X%02X%02X%02X%02X"
                                : "%08lX%04X%04x%02X%02X%02X%02X%02X%02X%02X%02X";
    text->Format(format, guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2],
                 guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    if (braces)
        *text = "{" + *text + "}";
    return true;
}

CString NewGuidString() {
    CString text;
    CreateGuidString(nullptr, &text, false, true);
    return text;
}

// ---------------- program folder and files ----------------

CString GetFolderOfPath(const char* path) {
    const CString full = path;
    return full.Left(full.ReverseFind('\\') + 1);
}

void SetProgramFolderForTests(const char* folder) {
    CString value = folder;
    if (!value.IsEmpty() && value[value.GetLength() - 1] != '\\')
        value += '\\';
    ProgramFolderOverride() = value;
}

void GetProgramFolder(CString& folder) {
    const CString& override = ProgramFolderOverride();
    folder = override.IsEmpty() ? GetFolderOfPath(ModulePath()) : override;
}

bool FileExists(const char* path) {
    // The attributes answer for any path length and for files that others hold open exclusively.
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsKeyDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

bool ParseDottedDecimal(const char* text, double* out) {
    if (text == nullptr || out == nullptr)
        return false;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    // The digits and one point followed by a digit: no second sign, exponent, "inf" or "nan" is read.
    const char* const start = p;
    while (IsAsciiDigit(*p))
        ++p;
    if (*p == '.' && IsAsciiDigit(p[1])) {
        ++p;
        while (IsAsciiDigit(*p))
            ++p;
    }
    double value = 0;
    if (!DecimalDigitsToDouble(start, p, &value))
        return false;
    *out = negative ? -value : value;
    return true;
}

double GetProgramVersionNumber() {
    // The version text is written with a point whatever the user's locale, so it is not read with the
    // locale's separators (a grouping point would turn 5.0 into 50).
    CAcxVersionInfo info;
    double version = 0;
    if (info.Load(ModulePath()) && ParseDottedDecimal(info.GetString("ProductVersion"), &version))
        return version;
    return 0;
}

CString GetHelpFilePath() {
    CString folder;
    GetProgramFolder(folder);
    return folder + "Brindlemark.chm";
}

// ---------------- stored secrets ----------------
// Stored form: one letter 'A'-'P' naming the variant, then two hexadecimal digits per byte. Each byte is
// combined with a key byte and with the previous stored byte, so repeated characters do not show.

CString ScrambleText(const char* plain, int variant) {
    const CString text = plain;
    if (text.IsEmpty())
        return CString();
    variant &= 0x0F;
    CString stored(static_cast<char>('A' + variant));
    unsigned char previous = ScrambleSeed(variant);
    for (int i = 0; i < text.GetLength(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto coded =
            static_cast<unsigned char>(byte ^ kScrambleKey[(i + variant) % kScrambleKeyLength] ^ previous);
        stored += kHexDigits[coded >> 4];
        stored += kHexDigits[coded & 0x0F];
        previous = coded;
    }
    return stored;
}

bool UnscrambleText(const char* stored, CString& plain) {
    plain.Empty();
    const CString text = stored;
    if (text.IsEmpty())
        return true;
    const int variant = text[0] - 'A';
    if (variant < 0 || variant > 0x0F || text.GetLength() % 2 != 1)
        return false;
    unsigned char previous = ScrambleSeed(variant);
    CString result;
    for (int i = 0, pos = 1; pos < text.GetLength(); ++i, pos += 2) {
        const int high = HexValue(text[pos]);
        const int low = HexValue(text[pos + 1]);
        if (high < 0 || low < 0)
            return false;
        const auto coded = static_cast<unsigned char>(high << 4 | low);
        const auto byte =
            static_cast<unsigned char>(coded ^ kScrambleKey[(i + variant) % kScrambleKeyLength] ^ previous);
        if (byte == 0)
            return false;
        result += static_cast<char>(byte);
        previous = coded;
    }
    plain = result;
    return true;
}

// ---------------- colours ----------------

COLORREF LightenColor(COLORREF color, double f) {
    // Limited rather than masked: a factor of 1 or more gives white, a negative one leaves the colour.
    const int add = std::clamp(static_cast<int>(f * 256), 0, 255);
    auto lighten = [add](int channel) { return static_cast<BYTE>(std::min(channel + add, 255)); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}
