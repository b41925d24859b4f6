#include "timelog/CacheFile.h"

#include "foundation/SharedHelpers.h"
#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CException.h"
#include "framework/core/CFile.h"
#include "framework/core/CFileException.h"

namespace {

constexpr int kArchiveBuffer = 4096;

// The folder of a path ("." for a bare file name).
CString FolderOf(const CString& path) {
    const CString folder = GetFolderOfPath(path);
    return folder.IsEmpty() ? CString(".") : folder;
}

// A temporary file beside the target, deleted unless it was moved into place.
class TempFileBeside {
public:
    explicit TempFileBeside(const CString& target) {
        char name[MAX_PATH] = {};
        if (::GetTempFileNameA(FolderOf(target), "bmk", 0, name) == 0)
            ThrowLastError(target);
        m_path = name;
    }
    ~TempFileBeside() {
        if (!m_path.IsEmpty())
            ::DeleteFileA(m_path);
    }
    TempFileBeside(const TempFileBeside&) = delete;
    TempFileBeside& operator=(const TempFileBeside&) = delete;

    const CString& Path() const { return m_path; }
    void MoveOver(const CString& target) {
        if (!::MoveFileExA(m_path, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            ThrowLastError(target);
        m_path.Empty();
    }

private:
    [[noreturn]] static void ThrowLastError(const CString& target) {
        const LONG error = static_cast<LONG>(::GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(error), error, target);
    }

    CString m_path;
};

// Shows the exception's message, naming the file when the exception did not, and deletes it.
void Report(CException* e, const CString& path) {
    if (auto* pArchive = dynamic_cast<CArchiveException*>(e);
        pArchive != nullptr && pArchive->m_strFileName.IsEmpty())
        pArchive->m_strFileName = path;
    if (auto* pFile = dynamic_cast<CFileException*>(e); pFile != nullptr && pFile->m_strFileName.IsEmpty())
        pFile->m_strFileName = path;
    e->ReportError();
    e->Delete();
}

} // namespace

bool StoreCacheFile(const CString& path, const std::function<void(CArchive&)>& write) {
    try {
        TempFileBeside temp(path);
        {
            CFile file(temp.Path(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
            CArchive ar(&file, CArchive::store, kArchiveBuffer);
            try {
                write(ar);
                ar.Close();
            } catch (CException*) {
                ar.Abort();
                throw;
            }
            file.Flush(); // on disk before it replaces the good copy
            file.Close();
        }
        temp.MoveOver(path);
        return true;
    } catch (CException* e) {
        Report(e, path);
        return false;
    }
}

bool LoadCacheFile(const CString& path, const std::function<void(CArchive&)>& read) {
    try {
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        try {
            read(ar);
            if (!ar.IsBufferEmpty() || file.GetPosition() != file.GetLength())
                AfxThrowArchiveException(CArchiveException::badIndex, path);
        } catch (CException*) {
            ar.Abort();
            throw;
        }
        ar.Close();
        return true;
    } catch (CException* e) {
        Report(e, path);
        return false;
    }
}
