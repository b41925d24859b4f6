// What CFile::GetStatus reports about a file.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CTime.h"

struct CFileStatus {
    CTime m_ctime;        // creation time
    CTime m_mtime;        // last write time
    CTime m_atime;        // last access time
    ULONGLONG m_size = 0; // length in bytes
    BYTE m_attribute = 0; // CFile::Attribute bits
    char m_szFullName[MAX_PATH] = {};
};
