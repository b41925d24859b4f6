#include "framework/core/CArchiveException.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, const char* lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName) {}

namespace {
const char* CauseText(int cause) {
    switch (cause) {
    case CArchiveException::genericException:
        return "An unexpected error occurred while reading or writing %s.";
    case CArchiveException::readOnly:
        return "%s was written to while it was being read.";
    case CArchiveException::endOfFile:
        return "%s ended unexpectedly.";
    case CArchiveException::writeOnly:
        return "%s was read from while it was being written.";
    case CArchiveException::badIndex:
        return "%s has an invalid format.";
    case CArchiveException::badClass:
        return "%s contains an unexpected object.";
    case CArchiveException::badSchema:
        return "%s contains an unsupported version of an object.";
    default:
        return nullptr;
    }
}
} // namespace

BOOL CArchiveException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    const char* format = CauseText(m_cause);
    if (format == nullptr)
        return CopyMessage(nullptr, lpszError, nMaxError);
    const char* name = m_strFileName.IsEmpty() ? "The data" : static_cast<LPCSTR>(m_strFileName);
    char text[MAX_PATH + 128];
    std::snprintf(text, sizeof text, format, name);
    return CopyMessage(text, lpszError, nMaxError);
}

void AfxThrowArchiveException(int cause, const char* lpszArchiveName) {
    throw new CArchiveException(cause, lpszArchiveName);
}
