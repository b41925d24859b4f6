// Owns one ODBC handle (environment, connection or statement) and frees it when it goes.
#pragma once

#include "framework/db/AfxDb.h"

class COdbcHandle {
public:
    explicit COdbcHandle(SQLSMALLINT type) noexcept : m_type(type) {}
    ~COdbcHandle() { Free(); }
    COdbcHandle(const COdbcHandle&) = delete;
    COdbcHandle& operator=(const COdbcHandle&) = delete;
    COdbcHandle(COdbcHandle&& other) noexcept;
    COdbcHandle& operator=(COdbcHandle&& other) noexcept;

    // Allocates a handle of this type under parent (SQL_NULL_HANDLE for an environment); frees the one
    // held before. Returns the ODBC return code; on failure the object holds no handle.
    SQLRETURN Alloc(SQLHANDLE parent);
    // Frees the handle (a connection is disconnected first by its owner, not here).
    void Free() noexcept;

    SQLHANDLE Get() const noexcept { return m_handle; }
    SQLSMALLINT GetType() const noexcept { return m_type; }
    explicit operator bool() const noexcept { return m_handle != SQL_NULL_HANDLE; }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};
