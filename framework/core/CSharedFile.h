// CSharedFile: a memory file whose bytes live in global memory (GlobalAlloc), the kind of memory the
// clipboard and drag and drop exchange. Writing grows the block in steps of the grow size; Detach hands
// the block over (for SetClipboardData), SetHandle reads or writes a block someone else owns (from
// GetClipboardData).
#pragma once

#include "framework/core/CMemFile.h"

class CSharedFile : public CMemFile {
    DECLARE_DYNAMIC(CSharedFile)
public:
    // nAllocFlags: GlobalAlloc flags (GMEM_MOVEABLE, GMEM_SHARE, GMEM_ZEROINIT ...).
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;
    CSharedFile(const CSharedFile&) = delete;
    CSharedFile& operator=(const CSharedFile&) = delete;

    // Gives the block to the caller (who frees it, or hands it to the clipboard) and leaves the file
    // empty. The block holds the file's bytes from its start; it may be larger than the file. nullptr
    // for a file that holds no block.
    HGLOBAL Detach();
    // Works on hGlobalMemory: the file's content is the whole block, the position its start. The block
    // stays the caller's: closing the file does not free it (Detach gives it back, possibly moved by
    // growing). Without bAllowGrow, writing past its end throws CMemoryException.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    void Close() override;
    void Abort() override;

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory = nullptr;
    BOOL m_bAllowGrow = TRUE;

private:
    // Unlocks (and, when it is the file's own, frees) the block.
    void ReleaseBlock();
    UINT m_nGrowSize; // the grow size asked for at construction
};
