#include "framework/core/CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_nGrowSize(nGrowBytes) {}

CSharedFile::~CSharedFile() {
    // The base class's destructor would free with its own allocator.
    ReleaseBlock();
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes) {
    HGLOBAL hMem = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMem == nullptr)
        return nullptr;
    auto* lpMem = static_cast<BYTE*>(::GlobalLock(hMem));
    if (lpMem == nullptr) {
        ::GlobalFree(hMem);
        return nullptr;
    }
    m_hGlobalMemory = hMem;
    return lpMem;
}

BYTE* CSharedFile::Realloc(BYTE* lpMem, SIZE_T nBytes) {
    if (lpMem == nullptr)
        return Alloc(nBytes);
    if (m_hGlobalMemory == nullptr)
        return nullptr; // not a block of ours to resize
    ::GlobalUnlock(m_hGlobalMemory);
    const UINT nFlags = GMEM_MOVEABLE | (m_nAllocFlags & GMEM_ZEROINIT);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, nFlags);
    if (hNew == nullptr) {
        // The old block is still there: lock it again so that the file keeps working on it.
        m_lpBuffer = static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(::GlobalLock(hNew));
}

void CSharedFile::Free(BYTE*) {
    if (m_hGlobalMemory == nullptr)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

void CSharedFile::ReleaseBlock() {
    if (m_lpBuffer != nullptr && !m_bAutoDelete && m_hGlobalMemory != nullptr) {
        // The caller's block: unlock it, keep it.
        ::GlobalUnlock(m_hGlobalMemory);
        m_hGlobalMemory = nullptr;
        m_lpBuffer = nullptr;
    }
    FreeBuffer();
    m_hGlobalMemory = nullptr;
    m_nGrowBytes = m_nGrowSize;
    m_bAllowGrow = TRUE;
}

HGLOBAL CSharedFile::Detach() {
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem != nullptr && m_lpBuffer != nullptr)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = nullptr;
    CMemFile::Detach(); // forgets the buffer without freeing it
    m_nGrowBytes = m_nGrowSize;
    m_bAllowGrow = TRUE;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow) {
    ReleaseBlock();
    if (hGlobalMemory == nullptr)
        return;
    auto* lpMem = static_cast<BYTE*>(::GlobalLock(hGlobalMemory));
    if (lpMem == nullptr)
        return;
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = lpMem;
    m_nBufferSize = ::GlobalSize(hGlobalMemory);
    m_nFileSize = m_nBufferSize;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
    m_bAllowGrow = bAllowGrow;
    m_nGrowBytes = bAllowGrow ? (m_nGrowSize != 0 ? m_nGrowSize : 4096) : 0;
}

void CSharedFile::Close() {
    ReleaseBlock();
}

void CSharedFile::Abort() {
    ReleaseBlock();
}
