#include "framework/core/CFileException.h"

#include <cerrno>
#include <cstdio>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, const char* lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

void CFileException::Clear() {
    m_cause = none;
    m_lOsError = -1;
    m_strFileName.Empty();
}

int CFileException::OsErrorToException(LONG lOsError) {
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_SAME_DEVICE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_ACCESS:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

int CFileException::ErrnoToException(int nErrno) {
    switch (nErrno) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EXDEV:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EEXIST:
    case EROFS:
    case EPERM:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case EDEADLOCK:
        return lockViolation;
    case ENOSPC:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG lOsError, const char* lpszFileName) {
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, const char* lpszFileName) {
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

namespace {
const char* CauseText(int cause) {
    switch (cause) {
    case CFileException::genericException:
        return "An unexpected error occurred while accessing %s.";
    case CFileException::fileNotFound:
        return "%s was not found.";
    case CFileException::badPath:
        return "%s contains an invalid path.";
    case CFileException::tooManyOpenFiles:
        return "%s could not be opened because too many files are open.";
    case CFileException::accessDenied:
        return "Access to %s was denied.";
    case CFileException::invalidFile:
        return "%s is not open or its handle is invalid.";
    case CFileException::removeCurrentDir:
        return "%s cannot be removed because it is the current folder.";
    case CFileException::directoryFull:
        return "%s could not be created because the folder is full.";
    case CFileException::badSeek:
        return "The position in %s could not be set.";
    case CFileException::hardIO:
        return "A hardware error occurred while accessing %s.";
    case CFileException::sharingViolation:
        return "%s is in use by another program.";
    case CFileException::lockViolation:
        return "Part of %s is locked by another program.";
    case CFileException::diskFull:
        return "The disk is full while writing %s.";
    case CFileException::endOfFile:
        return "The end of %s was reached unexpectedly.";
    default:
        return nullptr;
    }
}
} // namespace

BOOL CFileException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    const char* format = CauseText(m_cause);
    if (format == nullptr)
        return CopyMessage(nullptr, lpszError, nMaxError);
    const char* unnamed = format[0] == '%' ? "An unnamed file" : "an unnamed file";
    const char* name = m_strFileName.IsEmpty() ? unnamed : static_cast<LPCSTR>(m_strFileName);
    char text[MAX_PATH + 128];
    std::snprintf(text, sizeof text, format, name);
    return CopyMessage(text, lpszError, nMaxError);
}

void AfxThrowFileException(int cause, LONG lOsError, const char* lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
