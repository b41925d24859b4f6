// The rows a recordset fetched, kept compactly: every row is one fixed-size record inside a block of
// rows (a presence bit per column, a slot of the value's own size for numbers and dates, offset and
// length for texts and binary data), and the bytes of texts and binary values lie together in the
// block's text area. A fetch thus costs a few allocations per block of rows instead of one or two per
// value; values become CDBVariants or field members only when they are asked for.
//
// Each column keeps the values of one ODBC C type: SQL_C_BIT, SQL_C_UTINYINT, SQL_C_SSHORT,
// SQL_C_SLONG, SQL_C_FLOAT, SQL_C_DOUBLE, SQL_C_TYPE_TIMESTAMP, SQL_C_CHAR or SQL_C_BINARY.
#pragma once

#include "framework/db/AfxDb.h"
#include "framework/db/CDBVariant.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CRowStore {
public:
    explicit CRowStore(std::vector<SQLSMALLINT> cTypes = {});
    ~CRowStore();
    CRowStore(CRowStore&& other) noexcept;
    CRowStore& operator=(CRowStore&& other) noexcept;
    CRowStore(const CRowStore&) = delete;
    CRowStore& operator=(const CRowStore&) = delete;

    size_t GetRowCount() const noexcept { return m_rows; }
    size_t GetColumnCount() const noexcept { return m_columns.size(); }
    SQLSMALLINT GetColumnType(size_t column) const { return m_columns[column].cType; }
    // Bytes a fixed value of the C type takes (0 for texts, binary data and unknown types).
    static size_t FixedSize(SQLSMALLINT cType) noexcept;

    // Appends a row whose columns are all NULL; returns its index.
    size_t AddRow();
    void Clear() noexcept;

    // Filling a value. SetFixed copies FixedSize(column type) bytes. A text or binary value is written
    // in place: BeginText gives room for `room` bytes at the end of the row's text area, GrowText keeps
    // the `used` bytes written so far and gives room for `room` more (the pointer may move), EndText
    // makes the first `length` bytes the column's value. SetText does all three for given bytes.
    void SetNull(size_t row, size_t column) noexcept;
    void SetFixed(size_t row, size_t column, const void* value);
    char* BeginText(size_t row, size_t room);
    char* GrowText(size_t row, size_t used, size_t room);
    void EndText(size_t row, size_t column, size_t length);
    void SetText(size_t row, size_t column, const char* data, size_t length);
    // Stores a value of any type, converted to the column's type (NULL when it cannot be converted).
    void SetValue(size_t row, size_t column, const CDBVariant& value);

    bool IsNull(size_t row, size_t column) const noexcept;
    // The slot of a fixed value (FixedSize bytes, not aligned); valid until the row is changed.
    const unsigned char* GetFixed(size_t row, size_t column) const noexcept;
    // The bytes of a text or binary value; valid until the next change of the store.
    std::string_view GetText(size_t row, size_t column) const noexcept;
    CDBVariant GetValue(size_t row, size_t column) const;

    bool IsDeleted(size_t row) const noexcept;
    void SetDeleted(size_t row) noexcept;

private:
    struct Column {
        SQLSMALLINT cType;
        size_t offset; // of the slot within the row
    };
    struct Block;
    struct TextRef {
        std::uint32_t offset;
        std::uint32_t length;
    };

    unsigned char* Row(size_t row) noexcept;
    const unsigned char* Row(size_t row) const noexcept;
    Block& BlockOf(size_t row) noexcept;
    void MarkPresent(size_t row, size_t column) noexcept;

    std::vector<Column> m_columns;
    size_t m_rowSize = 0; // bytes of one row: flags, presence bits, slots
    size_t m_rowsPerBlock = 1;
    size_t m_rows = 0;
    std::vector<std::unique_ptr<Block>> m_blocks;
};
