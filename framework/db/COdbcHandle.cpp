#include "framework/db/COdbcHandle.h"

#include "framework/db/COdbcApi.h"

#include <utility>

COdbcHandle::COdbcHandle(COdbcHandle&& other) noexcept
    : m_type(other.m_type), m_handle(std::exchange(other.m_handle, nullptr)) {}

COdbcHandle& COdbcHandle::operator=(COdbcHandle&& other) noexcept {
    if (this != &other) {
        Free();
        m_type = other.m_type;
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

SQLRETURN COdbcHandle::Alloc(SQLHANDLE parent) {
    Free();
    SQLHANDLE handle = SQL_NULL_HANDLE;
    const SQLRETURN rc = COdbcApi::AllocHandle(m_type, parent, &handle);
    if (SQL_SUCCEEDED(rc))
        m_handle = handle;
    return rc;
}

void COdbcHandle::Free() noexcept {
    if (m_handle != SQL_NULL_HANDLE) {
        COdbcApi::FreeHandle(m_type, m_handle);
        m_handle = SQL_NULL_HANDLE;
    }
}
