#include "framework/core/CArchive.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "framework/core/CFile.h"

namespace {
// Tags of the object stream.
constexpr WORD wNullTag = 0;           // a null pointer
constexpr WORD wNewClassTag = 0xFFFF;  // a class seen for the first time; its description follows
constexpr WORD wClassTag = 0x8000;     // with a class index: an object of a class seen before
constexpr WORD wBigObjectTag = 0x7FFF; // a 32-bit tag follows
constexpr DWORD dwBigClassTag = 0x80000000;
constexpr DWORD nMaxMapCount = 0x3FFFFFFE;

constexpr UINT kChunk = 64 * 1024; // strings are read in chunks so a corrupt length cannot exhaust memory
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf) : m_pFile(pFile), m_nMode(nMode) {
    if (nBufSize < 16) {
        nBufSize = 4096;
        lpBuf = nullptr;
    }
    m_bufSize = static_cast<UINT>(nBufSize);
    if (lpBuf == nullptr) {
        m_ownBuffer = std::make_unique<BYTE[]>(m_bufSize);
        lpBuf = m_ownBuffer.get();
    }
    m_buf = static_cast<BYTE*>(lpBuf);
    m_pos = m_buf;
    m_end = IsStoring() ? m_buf + m_bufSize : m_buf;
    if (IsLoading())
        m_loadArray.emplace_back(); // index 0: the null object
}

CArchive::~CArchive() {
    if (m_pFile == nullptr || (m_nMode & bNoFlushOnDelete))
        return;
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
    }
}

CString CArchive::FileName() const {
    return m_pFile ? m_pFile->GetFilePath() : CString();
}

void CArchive::ThrowArchive(int cause) const {
    AfxThrowArchiveException(cause, FileName());
}

void CArchive::RequireStoring() const {
    if (m_pFile == nullptr)
        ThrowArchive(CArchiveException::genericException);
    if (!IsStoring())
        ThrowArchive(CArchiveException::readOnly);
}

void CArchive::RequireLoading() const {
    if (m_pFile == nullptr)
        ThrowArchive(CArchiveException::genericException);
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
}

UINT CArchive::GetObjectSchema() {
    const UINT schema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return schema;
}

// ---------------------------------------------------------------- buffer

void CArchive::FlushStore() {
    if (m_pos != m_buf)
        m_pFile->Write(m_buf, static_cast<UINT>(m_pos - m_buf));
    m_pos = m_buf;
}

void CArchive::WriteBytes(const void* lpBuf, size_t nCount) {
    RequireStoring();
    auto src = static_cast<const BYTE*>(lpBuf);
    while (nCount > 0) {
        if (m_pos == m_buf && nCount >= m_bufSize) {
            // Large blocks go straight to the file.
            const UINT n = static_cast<UINT>(std::min<size_t>(nCount, UINT_MAX));
            m_pFile->Write(src, n);
            src += n;
            nCount -= n;
            continue;
        }
        const size_t n = std::min<size_t>(nCount, static_cast<size_t>(m_end - m_pos));
        std::memcpy(m_pos, src, n);
        m_pos += n;
        src += n;
        nCount -= n;
        if (m_pos == m_end)
            FlushStore();
    }
}

BOOL CArchive::FillBuffer() {
    m_pos = m_end = m_buf;
    const UINT n = m_pFile->Read(m_buf, m_bufSize);
    m_end = m_buf + n;
    return n > 0;
}

size_t CArchive::ReadSome(void* lpBuf, size_t nCount) {
    RequireLoading();
    auto dst = static_cast<BYTE*>(lpBuf);
    size_t done = 0;
    while (done < nCount) {
        if (m_pos == m_end) {
            const size_t rest = nCount - done;
            if (rest >= m_bufSize) {
                const UINT n = m_pFile->Read(dst + done, static_cast<UINT>(std::min<size_t>(rest, UINT_MAX)));
                if (n == 0)
                    break;
                done += n;
                continue;
            }
            if (!FillBuffer())
                break;
        }
        const size_t n = std::min<size_t>(nCount - done, static_cast<size_t>(m_end - m_pos));
        std::memcpy(dst + done, m_pos, n);
        m_pos += n;
        done += n;
    }
    return done;
}

void CArchive::ReadExact(void* lpBuf, size_t nCount) {
    if (ReadSome(lpBuf, nCount) < nCount)
        ThrowArchive(CArchiveException::endOfFile);
}

int CArchive::PeekByte() {
    RequireLoading();
    if (m_pos == m_end && !FillBuffer())
        return -1;
    return *m_pos;
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    return static_cast<UINT>(ReadSome(lpBuf, nMax));
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
    WriteBytes(lpBuf, nMax);
}

void CArchive::Flush() {
    if (m_pFile == nullptr)
        return;
    if (IsStoring()) {
        FlushStore(); // into the file object; committing it to disk is the file owner's choice
        return;
    }
    // Give back what was read ahead, so the file stands where the archive's reader stopped.
    if (m_pos != m_end)
        m_pFile->Seek(-static_cast<LONGLONG>(m_end - m_pos), CFile::current);
    m_pos = m_end = m_buf;
}

void CArchive::Close() {
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_pFile = nullptr;
    m_pos = m_buf;
    m_end = IsStoring() ? m_buf + m_bufSize : m_buf;
}

CArchive& CArchive::operator<<(const char* lpsz) {
    return *this << CString(lpsz);
}

// ---------------------------------------------------------------- text lines

void CArchive::WriteString(const char* lpsz) {
    if (lpsz != nullptr)
        WriteBytes(lpsz, std::strlen(lpsz));
}

char* CArchive::ReadString(char* lpsz, UINT nMax) {
    RequireLoading();
    if (lpsz == nullptr || nMax == 0)
        return nullptr;
    UINT n = 0;
    bool any = false;
    while (n + 1 < nMax) {
        const int c = PeekByte();
        if (c < 0)
            break;
        ++m_pos;
        any = true;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && PeekByte() == '\n')
                ++m_pos;
            lpsz[n++] = '\n';
            break;
        }
        lpsz[n++] = static_cast<char>(c);
    }
    lpsz[n] = '\0';
    return any ? lpsz : nullptr;
}

BOOL CArchive::ReadString(CString& rString) {
    RequireLoading();
    std::string line;
    bool any = false;
    for (int c = PeekByte(); c >= 0; c = PeekByte()) {
        ++m_pos;
        any = true;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && PeekByte() == '\n')
                ++m_pos;
            break;
        }
        line += static_cast<char>(c);
    }
    rString = CString(line.c_str(), static_cast<int>(line.size()));
    return any;
}

// ---------------------------------------------------------------- counts

void CArchive::WriteCount(DWORD_PTR dwCount) {
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    if (dwCount > 0xFFFFFFFF)
        ThrowArchive(CArchiveException::genericException); // has no stored form
    *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(dwCount);
}

DWORD_PTR CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    return dw;
}

// ---------------------------------------------------------------- object graphs

void CArchive::CheckCount() const {
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
}

void CArchive::MapObject(const CObject* pOb) {
    if (pOb == nullptr)
        return;
    CheckCount();
    if (IsStoring()) {
        if (m_storeMap.emplace(pOb, m_nMapCount).second)
            ++m_nMapCount;
        return;
    }
    m_loadArray.push_back({const_cast<CObject*>(pOb), nullptr, 0});
    ++m_nMapCount;
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
    RequireStoring();
    if (const auto found = m_storeMap.find(pClassRef); found != m_storeMap.end()) {
        const DWORD index = found->second;
        if (index < wBigObjectTag)
            *this << static_cast<WORD>(wClassTag | index);
        else
            *this << wBigObjectTag << static_cast<DWORD>(dwBigClassTag | index);
        return;
    }
    const auto nameLength = static_cast<WORD>(std::strlen(pClassRef->m_lpszClassName));
    *this << wNewClassTag << static_cast<WORD>(pClassRef->m_wSchema) << nameLength;
    WriteBytes(pClassRef->m_lpszClassName, nameLength);
    CheckCount();
    m_storeMap.emplace(pClassRef, m_nMapCount++);
}

void CArchive::WriteObject(const CObject* pOb) {
    RequireStoring();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    if (const auto found = m_storeMap.find(pOb); found != m_storeMap.end()) {
        const DWORD index = found->second;
        if (index < wBigObjectTag)
            *this << static_cast<WORD>(index);
        else
            *this << wBigObjectTag << index;
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_storeMap.emplace(pOb, m_nMapCount++);
    // Serialize is not const, but storing leaves the object as it was.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::LoadClassName(UINT& nSchema) {
    WORD schema;
    WORD nameLength;
    *this >> schema >> nameLength;
    std::string name(nameLength, '\0');
    ReadExact(name.data(), nameLength);
    nSchema = schema;
    CRuntimeClass* pClass = CRuntimeClass::FromName(name.c_str());
    if (pClass == nullptr || name.size() != std::strlen(name.c_str()))
        ThrowArchive(CArchiveException::badClass);
    return pClass;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag) {
    RequireLoading();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if ((obTag & dwBigClassTag) == 0) {
        // A reference to an object (or null), not a class.
        if (pObTag == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = LoadClassName(nSchema);
        const UINT classSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (classSchema != nSchema && (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) == 0)
            ThrowArchive(CArchiveException::badSchema);
        CheckCount();
        m_loadArray.push_back({nullptr, pClassRef, nSchema});
        ++m_nMapCount;
    } else {
        const DWORD index = obTag & ~dwBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || m_loadArray[index].pClass == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = m_loadArray[index].pClass;
        nSchema = m_loadArray[index].nSchema;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        if (obTag >= m_loadArray.size())
            ThrowArchive(CArchiveException::badIndex);
        const LoadEntry& entry = m_loadArray[obTag];
        if (entry.pClass != nullptr)
            ThrowArchive(CArchiveException::badIndex); // the index names a class, not an object
        if (entry.pObject != nullptr && pClassRefRequested != nullptr &&
            !entry.pObject->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return entry.pObject;
    }

    return LoadNewObject(pClassRef, nSchema);
}

CObject* CArchive::LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema) {
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        ThrowArchive(CArchiveException::badClass); // a class that cannot be created cannot be loaded
    const size_t index = m_loadArray.size();
    const UINT savedSchema = m_nObjectSchema;
    try {
        CheckCount();
        // Mapped before its contents, so references back to it inside them resolve.
        m_loadArray.push_back({pOb, nullptr, 0});
        ++m_nMapCount;
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
    } catch (...) {
        // The object never reached the caller; nothing else can own it.
        if (index < m_loadArray.size())
            m_loadArray[index].pObject = nullptr;
        m_nObjectSchema = savedSchema;
        delete pOb;
        throw;
    }
    m_nObjectSchema = savedSchema;
    return pOb;
}

void CArchive::WriteOwnedObject(const CObject* pOb) {
    RequireStoring();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    // A stale entry of a freed object at this address is replaced, so later references mean this object.
    m_storeMap.insert_or_assign(pOb, m_nMapCount++);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested) {
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        if (obTag != 0)
            ThrowArchive(CArchiveException::badIndex);
        return nullptr;
    }
    return LoadNewObject(pClassRef, nSchema);
}

// ---------------------------------------------------------------- free operators

CArchive& operator<<(CArchive& ar, const CString& string) {
    const auto length = static_cast<DWORD>(string.GetLength());
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    ar.Write(string.GetString(), length);
    return ar;
}

namespace {
// Reads a string length; sets wide when the length was preceded by the marker of a
// UTF-16 string (written by a Unicode build).
DWORD ReadStringLength(CArchive& ar, bool& wide) {
    wide = false;
    BYTE b;
    ar >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    ar >> w;
    if (w == 0xFFFE) {
        wide = true;
        ar >> b;
        if (b < 0xFF)
            return b;
        ar >> w;
    }
    if (w < 0xFFFF)
        return w;
    DWORD dw;
    ar >> dw;
    return dw;
}
} // namespace

CArchive& operator>>(CArchive& ar, CString& string) {
    bool wide = false;
    const DWORD length = ReadStringLength(ar, wide);
    const size_t charSize = wide ? 2 : 1;
    if (length > static_cast<DWORD>(INT_MAX) / charSize)
        ar.ThrowArchive(CArchiveException::badIndex);
    const size_t total = static_cast<size_t>(length) * charSize;
    std::string bytes;
    while (bytes.size() < total) {
        const size_t part = std::min<size_t>(total - bytes.size(), kChunk);
        const size_t at = bytes.size();
        bytes.resize(at + part);
        ar.ReadExact(bytes.data() + at, part);
    }
    if (!wide) {
        string = CString(bytes.data(), static_cast<int>(bytes.size()));
        return ar;
    }
    const auto* text = reinterpret_cast<const wchar_t*>(bytes.data());
    const int chars = static_cast<int>(length);
    const int needed = chars ? WideCharToMultiByte(CP_ACP, 0, text, chars, nullptr, 0, nullptr, nullptr) : 0;
    std::string ansi(static_cast<size_t>(needed), '\0');
    if (needed > 0)
        WideCharToMultiByte(CP_ACP, 0, text, chars, ansi.data(), needed, nullptr, nullptr);
    string = CString(ansi.data(), needed);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CTime& time) {
    const __time64_t t = time.GetTime();
    if (t < 0 || t > 0xFFFFFFFFLL)
        AfxThrowArchiveException(CArchiveException::genericException,
                                 ar.GetFile() ? static_cast<LPCSTR>(ar.GetFile()->GetFilePath()) : nullptr);
    return ar << static_cast<DWORD>(t);
}

CArchive& operator>>(CArchive& ar, CTime& time) {
    DWORD t;
    ar >> t;
    time = CTime(static_cast<__time64_t>(t));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CTimeSpan& span) {
    const __time64_t s = span.GetTimeSpan();
    if (s < LONG_MIN || s > LONG_MAX)
        AfxThrowArchiveException(CArchiveException::genericException,
                                 ar.GetFile() ? static_cast<LPCSTR>(ar.GetFile()->GetFilePath()) : nullptr);
    return ar << static_cast<LONG>(s);
}

CArchive& operator>>(CArchive& ar, CTimeSpan& span) {
    LONG s;
    ar >> s;
    span = CTimeSpan(static_cast<__time64_t>(s));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
    pOb = ar.ReadObject(nullptr);
    return ar;
}
