#include "grid/core/CGEFont.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "grid/core/CGEStyleMergeMode.h"
#include "grid/core/CGEStyleText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CGEFont, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr UINT kSwitches = CGEFont::fontItalic | CGEFont::fontUnderline | CGEFont::fontStrikeOut;
constexpr int kMaxFaceLength = LF_FACESIZE - 1;
constexpr UINT kMaxSizeTenths = 0xFFFF;

// Flag word of the archive form.
constexpr DWORD kArchiveWeight = 1 << 6;
constexpr DWORD kArchiveSize = 1 << 7;
constexpr DWORD kArchiveOrientation = 1 << 8;
constexpr DWORD kArchiveFace = 1 << 9;

// Schema 1's mask word: each clear bit removes one attribute read from its LOGFONT.
constexpr DWORD kOldKeepWeight = 1 << 0;
constexpr DWORD kOldKeepSize = 1 << 1;
constexpr DWORD kOldKeepItalic = 1 << 2;
constexpr DWORD kOldKeepUnderline = 1 << 3;
constexpr DWORD kOldKeepStrikeOut = 1 << 4;
constexpr DWORD kOldKeepFace = 1 << 5;
constexpr DWORD kOldOrientation = 1 << 6;

// Splits text at commas into exactly nFields fields, the last taking the rest (commas included).
bool SplitFields(const char* text, int nFields, std::vector<std::pair<const char*, const char*>>& fields) {
    fields.clear();
    const char* p = text;
    for (int i = 0; i < nFields - 1; ++i) {
        const char* comma = std::strchr(p, ',');
        if (comma == nullptr)
            return false;
        fields.emplace_back(p, comma);
        p = comma + 1;
    }
    fields.emplace_back(p, p + std::strlen(p));
    return true;
}

// "12" or "12.5": a size in points to tenths.
bool ParseSize(const char* begin, const char* end, UINT& tenths) {
    const char* dot = std::find(begin, end, '.');
    DWORD whole = 0, fraction = 0;
    if (!CGEStyleText::ParseNumber(begin, dot, whole))
        return false;
    if (dot != end && (end - dot != 2 || !CGEStyleText::ParseNumber(dot + 1, end, fraction)))
        return false;
    if (whole > kMaxSizeTenths / 10)
        return false;
    tenths = whole * 10 + fraction;
    return tenths <= kMaxSizeTenths;
}

} // namespace

CGEFont::CGEFont(const CGEFont& src) : CObject() {
    *this = src;
}

CGEFont& CGEFont::operator=(const CGEFont& src) {
    m_nSwitches = src.m_nSwitches;
    m_nSet = src.m_nSet;
    m_nWeight = src.m_nWeight;
    m_nSizeTenths = src.m_nSizeTenths;
    m_nOrientation = src.m_nOrientation;
    m_strFaceName = src.m_strFaceName;
    m_nCharSet = src.m_nCharSet;
    m_nPitchAndFamily = src.m_nPitchAndFamily;
    return *this;
}

bool CGEFont::operator==(const CGEFont& other) const {
    return m_nSwitches == other.m_nSwitches && m_nSet == other.m_nSet && m_nWeight == other.m_nWeight &&
           m_nSizeTenths == other.m_nSizeTenths && m_nOrientation == other.m_nOrientation &&
           m_strFaceName == other.m_strFaceName && m_nCharSet == other.m_nCharSet &&
           m_nPitchAndFamily == other.m_nPitchAndFamily;
}

const CGEFont& CGEFont::GetDefaultFont() {
    static const CGEFont font = [] {
        CGEFont f;
        f.SetFaceName("MS Sans Serif", DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS)
            .SetSize(8)
            .SetWeight(FW_NORMAL)
            .SetItalic(FALSE)
            .SetUnderline(FALSE)
            .SetStrikeOut(FALSE)
            .SetOrientation(0);
        return f;
    }();
    return font;
}

CGEFont& CGEFont::SetWeight(int nWeight) {
    m_nWeight = std::clamp((nWeight + 50) / 100 * 100, 0, 1000);
    return *this;
}

CGEFont& CGEFont::SetBold(BOOL bBold) {
    return SetWeight(bBold ? FW_BOLD : FW_NORMAL);
}

CGEFont& CGEFont::SetSwitch(UINT nBit, BOOL bOn) {
    m_nSet |= nBit;
    m_nSwitches = bOn ? (m_nSwitches | nBit) : (m_nSwitches & ~nBit);
    return *this;
}

CGEFont& CGEFont::SetItalic(BOOL bItalic) {
    return SetSwitch(fontItalic, bItalic);
}

CGEFont& CGEFont::SetUnderline(BOOL bUnderline) {
    return SetSwitch(fontUnderline, bUnderline);
}

CGEFont& CGEFont::SetStrikeOut(BOOL bStrikeOut) {
    return SetSwitch(fontStrikeOut, bStrikeOut);
}

CGEFont& CGEFont::SetSize(double dPoints) {
    const double tenths = std::floor(dPoints * 10 + 0.5);
    m_nSizeTenths =
        !(tenths > 0) ? 0 : static_cast<UINT>(std::min(tenths, static_cast<double>(kMaxSizeTenths)));
    return *this;
}

CGEFont& CGEFont::SetOrientation(int nTenths) {
    m_nOrientation = ((nTenths / 10) % 360 + 360) % 360;
    return *this;
}

CGEFont& CGEFont::SetFaceName(const char* pszFaceName, BYTE nCharSet, BYTE nPitchAndFamily) {
    m_strFaceName = pszFaceName != nullptr ? CString(pszFaceName).Left(kMaxFaceLength) : CString();
    if (m_strFaceName.IsEmpty()) {
        nCharSet = DEFAULT_CHARSET;
        nPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    }
    m_nCharSet = nCharSet;
    m_nPitchAndFamily = nPitchAndFamily;
    return *this;
}

UINT CGEFont::IncludeMask() const {
    UINT mask = m_nSet & kSwitches;
    if (m_nWeight >= 0)
        mask |= fontWeight;
    if (m_nSizeTenths != 0)
        mask |= fontSize;
    if (m_nOrientation >= 0)
        mask |= fontOrientation;
    if (!m_strFaceName.IsEmpty())
        mask |= fontFaceName;
    return mask;
}

CGEFont& CGEFont::SetInclude(UINT nMask, BOOL bInclude) {
    if (bInclude) {
        // Including an attribute that has no value gives it the default font's.
        const CGEFont& def = GetDefaultFont();
        CGEFont missing;
        missing.MergeFrom(def, geCopy);
        missing.SetInclude(fontAll & ~(nMask & ~IncludeMask()), FALSE);
        MergeFrom(missing, geApplyNew);
        return *this;
    }
    m_nSet &= ~(nMask & kSwitches);
    m_nSwitches &= ~(nMask & kSwitches);
    if (nMask & fontWeight)
        m_nWeight = -1;
    if (nMask & fontSize)
        m_nSizeTenths = 0;
    if (nMask & fontOrientation)
        m_nOrientation = -1;
    if (nMask & fontFaceName)
        SetFaceName(nullptr);
    return *this;
}

void CGEFont::MergeFrom(const CGEFont& src, UINT nMode) {
    if (nMode == geCopy) {
        *this = src;
        return;
    }
    if (nMode == geExclude) {
        SetInclude(src.IncludeMask(), FALSE);
        return;
    }
    const UINT take = nMode == geOverride ? src.IncludeMask() : src.IncludeMask() & ~IncludeMask();
    for (UINT bit : {fontItalic, fontUnderline, fontStrikeOut})
        if (take & bit)
            SetSwitch(bit, src.Switch(bit));
    if (take & fontWeight)
        m_nWeight = src.m_nWeight;
    if (take & fontSize)
        m_nSizeTenths = src.m_nSizeTenths;
    if (take & fontOrientation)
        m_nOrientation = src.m_nOrientation;
    if (take & fontFaceName)
        SetFaceName(src.m_strFaceName, src.m_nCharSet, src.m_nPitchAndFamily);
}

int CGEFont::ScreenDpi() {
    static const int dpi = [] {
        const HDC dc = ::GetDC(nullptr);
        const int value = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc != nullptr)
            ::ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

void CGEFont::GetLogFont(LOGFONT& logFont, int nZoom) const {
    std::memset(&logFont, 0, sizeof logFont);
    if (m_nSizeTenths != 0)
        logFont.lfHeight =
            -::MulDiv(static_cast<int>(m_nSizeTenths), ScreenDpi() * std::max(nZoom, 1), 72 * 10 * 100);
    logFont.lfWeight = GetWeight();
    logFont.lfItalic = static_cast<BYTE>(GetItalic());
    logFont.lfUnderline = static_cast<BYTE>(GetUnderline());
    logFont.lfStrikeOut = static_cast<BYTE>(GetStrikeOut());
    logFont.lfEscapement = logFont.lfOrientation = DecodeOrientation(GetOrientation());
    logFont.lfCharSet = m_nCharSet;
    logFont.lfPitchAndFamily = m_nPitchAndFamily;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    std::strncpy(logFont.lfFaceName, m_strFaceName, kMaxFaceLength);
}

CGEFont& CGEFont::SetLogFont(const LOGFONT& logFont) {
    CGEFont font;
    if (logFont.lfHeight != 0)
        font.SetSize(std::fabs(static_cast<double>(logFont.lfHeight)) * 72.0 / ScreenDpi());
    font.SetWeight(logFont.lfWeight)
        .SetItalic(logFont.lfItalic != 0)
        .SetUnderline(logFont.lfUnderline != 0)
        .SetStrikeOut(logFont.lfStrikeOut != 0)
        .SetOrientation(logFont.lfEscapement);
    char face[LF_FACESIZE] = {};
    std::memcpy(face, logFont.lfFaceName, kMaxFaceLength);
    font.SetFaceName(face, logFont.lfCharSet, logFont.lfPitchAndFamily);
    return *this = font;
}

CString CGEFont::GetDescription() const {
    CString text;
    if (m_nSizeTenths != 0)
        text.AppendFormat("%u.%u", m_nSizeTenths / 10, m_nSizeTenths % 10);
    text += ",";
    if (m_nWeight >= 0)
        text.AppendFormat("%d", m_nWeight);
    for (UINT bit : {fontItalic, fontUnderline, fontStrikeOut}) {
        text += ",";
        if (m_nSet & bit)
            text += Switch(bit) ? "1" : "0";
    }
    text += ",";
    if (m_nOrientation >= 0)
        text.AppendFormat("%d", m_nOrientation);
    text.AppendFormat(",%u,%u,", m_nCharSet, m_nPitchAndFamily);
    text += m_strFaceName;
    return text;
}

BOOL CGEFont::SetDescription(const char* pszText) {
    std::vector<std::pair<const char*, const char*>> f;
    if (pszText == nullptr || !SplitFields(pszText, 9, f))
        return FALSE;
    const auto empty = [](const std::pair<const char*, const char*>& field) {
        return field.first == field.second;
    };
    const auto number = [](const std::pair<const char*, const char*>& field, DWORD& value) {
        return CGEStyleText::ParseNumber(field.first, field.second, value) != FALSE;
    };
    CGEFont font;
    DWORD value = 0;
    if (!empty(f[0]) && !ParseSize(f[0].first, f[0].second, font.m_nSizeTenths))
        return FALSE;
    if (!empty(f[1])) {
        if (!number(f[1], value) || value > 1000)
            return FALSE;
        font.SetWeight(static_cast<int>(value));
    }
    const UINT bits[] = {fontItalic, fontUnderline, fontStrikeOut};
    for (int i = 0; i < 3; ++i) {
        if (empty(f[2 + i]))
            continue;
        if (!number(f[2 + i], value) || value > 1)
            return FALSE;
        font.SetSwitch(bits[i], value != 0);
    }
    if (!empty(f[5])) {
        if (!number(f[5], value) || value >= 360)
            return FALSE;
        font.m_nOrientation = static_cast<int>(value);
    }
    DWORD charSet = 0, pitch = 0;
    if (!number(f[6], charSet) || charSet > 255 || !number(f[7], pitch) || pitch > 255)
        return FALSE;
    font.SetFaceName(CString(f[8].first), static_cast<BYTE>(charSet), static_cast<BYTE>(pitch));
    *this = font;
    return TRUE;
}

void CGEFont::SerializeLayout(CArchive& ar) {
    if (ar.IsStoring()) {
        DWORD flags = (m_nSwitches & kSwitches) | ((m_nSet & kSwitches) << 3);
        if (m_nWeight >= 0)
            flags |= kArchiveWeight;
        if (m_nSizeTenths != 0)
            flags |= kArchiveSize;
        if (m_nOrientation >= 0)
            flags |= kArchiveOrientation;
        if (!m_strFaceName.IsEmpty())
            flags |= kArchiveFace;
        ar << flags;
        if (flags & kArchiveWeight)
            ar << static_cast<WORD>(m_nWeight);
        if (flags & kArchiveSize)
            ar << static_cast<WORD>(m_nSizeTenths);
        if (flags & kArchiveOrientation)
            ar << static_cast<WORD>(DecodeOrientation(m_nOrientation));
        if (flags & kArchiveFace)
            ar << m_strFaceName << m_nCharSet << m_nPitchAndFamily;
        return;
    }
    UINT schema = ar.GetObjectSchema();
    if (schema == static_cast<UINT>(-1))
        schema = 2; // loaded directly, not as an archived object
    if (schema == 1) {
        LoadSchema1(ar);
        return;
    }
    if (schema != 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD flags = 0;
    ar >> flags;
    CGEFont font;
    font.m_nSwitches = flags & kSwitches;
    font.m_nSet = (flags >> 3) & kSwitches;
    font.m_nSwitches &= font.m_nSet;
    WORD word = 0;
    if (flags & kArchiveWeight) {
        ar >> word;
        font.SetWeight(word);
    }
    if (flags & kArchiveSize) {
        ar >> word;
        font.m_nSizeTenths = word;
    }
    if (flags & kArchiveOrientation) {
        ar >> word;
        font.SetOrientation(word);
    }
    if (flags & kArchiveFace) {
        CString face;
        BYTE charSet = 0, pitch = 0;
        ar >> face >> charSet >> pitch;
        font.SetFaceName(face, charSet, pitch);
    }
    *this = font;
}

void CGEFont::LoadSchema1(CArchive& ar) {
    DWORD height = 0, weight = 0, mask = 0;
    BYTE italic = 0, underline = 0, pitch = 0;
    CString face;
    ar >> height >> weight >> italic >> underline >> pitch >> face >> mask;
    LOGFONT logFont = {};
    logFont.lfHeight = static_cast<LONG>(height);
    logFont.lfWeight = static_cast<LONG>(std::min<DWORD>(weight, 1000));
    logFont.lfItalic = italic != 0;
    logFont.lfUnderline = underline != 0;
    logFont.lfPitchAndFamily = pitch;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(logFont.lfFaceName, face.Left(kMaxFaceLength), kMaxFaceLength);
    DWORD orientation = 0;
    if (mask & kOldOrientation)
        ar >> orientation;
    logFont.lfEscapement = static_cast<LONG>(orientation % 3600);
    CGEFont font;
    font.SetLogFont(logFont);
    UINT drop = 0;
    if (!(mask & kOldKeepWeight))
        drop |= fontWeight;
    if (!(mask & kOldKeepSize) || height == 0)
        drop |= fontSize;
    if (!(mask & kOldKeepItalic))
        drop |= fontItalic;
    if (!(mask & kOldKeepUnderline))
        drop |= fontUnderline;
    if (!(mask & kOldKeepStrikeOut))
        drop |= fontStrikeOut;
    if (!(mask & kOldKeepFace))
        drop |= fontFaceName;
    font.SetInclude(drop, FALSE);
    *this = font;
}
