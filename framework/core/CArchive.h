// Binary serialisation over a CFile in the framework's little-endian layout: fixed-size numbers,
// length-prefixed strings, 16-bit counts with a 32-bit escape, and object graphs written with
// class tags and back-references so shared objects are stored once.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTimeSpan.h"
#include "framework/core/CArchiveException.h"

class CFile;
class CDocument;

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // nBufSize bytes are buffered between the archive and the file; lpBuf, when given, is used
    // as that buffer (it must hold nBufSize bytes and outlive the archive).
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive unless bNoFlushOnDelete was given; errors are swallowed here, so
    // call Close() to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    // Loading: TRUE when every byte read from the file so far has been consumed.
    BOOL IsBufferEmpty() const { return m_pos == m_end; }
    CFile* GetFile() const { return m_pFile; }

    // While an object is being loaded: the schema stored for its class. The first call returns
    // it, later calls (UINT)-1, so one class level in a hierarchy gets it.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns fewer than nMax at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffered bytes to the file. Loading: gives back what was read ahead, so
    // the file stands right after the last byte the archive handed out.
    void Flush();
    // Flushes and detaches from the file; the file stays open.
    void Close();
    // Detaches without writing pending bytes and without throwing.
    void Abort();

    // Text lines: WriteString writes the characters only (no terminator). ReadString(char*)
    // reads up to nMax - 1 characters through a "\n", keeping the "\n" (a "\r\n" becomes "\n");
    // nullptr at the end. ReadString(CString&) drops the line end; FALSE at the end.
    void WriteString(const char* lpsz);
    char* ReadString(char* lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Element counts: 16 bits, or 0xFFFF and 32 bits for 0xFFFF or more.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Object graphs.
    void WriteObject(const CObject* pOb);
    // Reads an object (or a null or a reference to one read before). A class that is not
    // pClassRefRequested or derived from it throws badClass.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // For an object owned by the object being stored (a part that may live at the address of a part freed
    // earlier in the same archive): writes it as a new object, never as a reference, in the form
    // WriteObject gives a new object.
    void WriteOwnedObject(const CObject* pOb);
    // Reads an object that the caller will own: null, or a new object. A reference to an object read
    // before would be owned twice and throws badIndex.
    CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    // Reads a class tag. With pSchema null the stored schema becomes the object schema.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    // WriteClass when storing, ReadClass when loading.
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Gives an object an index without writing or reading it, so later references to it are
    // written as references (both sides must map the same objects in the same order).
    void MapObject(const CObject* pOb);

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(short w) { return WriteValue(w); }
    CArchive& operator<<(int i) { return WriteValue(i); }
    CArchive& operator<<(unsigned u) { return WriteValue(u); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(LONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(ULONGLONG dwdw) { return WriteValue(dwdw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    // Written like a CString, so a literal does not fall on the bool overload below.
    CArchive& operator<<(const char* lpsz);
    // A bool has no stored form of its own: write it as a BYTE (or the 32-bit BOOL) explicitly,
    // instead of letting it turn silently into a 32-bit int.
    CArchive& operator<<(bool) = delete;

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(unsigned& u) { return ReadValue(u); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(ULONGLONG& dwdw) { return ReadValue(dwdw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(bool&) = delete;

    CDocument* m_pDocument = nullptr; // the document being stored or loaded, for Serialize code

private:
    friend CArchive& operator>>(CArchive& ar, CString& string);

    template <typename T> CArchive& WriteValue(T value) {
        WriteBytes(&value, sizeof value);
        return *this;
    }
    template <typename T> CArchive& ReadValue(T& value) {
        ReadExact(&value, sizeof value);
        return *this;
    }

    void WriteBytes(const void* lpBuf, size_t nCount);
    // Reads exactly nCount bytes or throws endOfFile.
    void ReadExact(void* lpBuf, size_t nCount);
    size_t ReadSome(void* lpBuf, size_t nCount);
    void FlushStore();
    // Loading: reads more of the file into the buffer; FALSE at the end of the file.
    BOOL FillBuffer();
    // Loading: the next byte without consuming it, or -1 at the end of the file.
    int PeekByte();
    void RequireStoring() const;
    void RequireLoading() const;
    [[noreturn]] void ThrowArchive(int cause) const;
    void CheckCount() const;
    CRuntimeClass* LoadClassName(UINT& nSchema);
    // Creates, maps and loads a new object of a class just read.
    CObject* LoadNewObject(CRuntimeClass* pClassRef, UINT nSchema);
    CString FileName() const;

    // One entry per index of the loaded graph: index 0 is the null object.
    struct LoadEntry {
        CObject* pObject = nullptr;
        CRuntimeClass* pClass = nullptr;
        UINT nSchema = 0;
    };

    CFile* m_pFile;
    UINT m_nMode;
    std::unique_ptr<BYTE[]> m_ownBuffer;
    BYTE* m_buf;
    UINT m_bufSize;
    BYTE* m_pos; // next byte to read or write
    BYTE* m_end; // end of the bytes read (loading) or of the buffer (storing)

    UINT m_nObjectSchema = static_cast<UINT>(-1);
    DWORD m_nMapCount = 1; // next index; 0 stands for null
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
};

// Strings: the length in one byte; 0xFF and a 16-bit length when 255 or more; 0xFF, 0xFFFF and a
// 32-bit length when 0xFFFE or more; then the characters without a terminator.
CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);

// Times as 32-bit seconds since 1970 (UTC), spans as signed 32-bit seconds.
CArchive& operator<<(CArchive& ar, const CTime& time);
CArchive& operator>>(CArchive& ar, CTime& time);
CArchive& operator<<(CArchive& ar, const CTimeSpan& span);
CArchive& operator>>(CArchive& ar, CTimeSpan& span);

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
