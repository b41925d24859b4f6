#include "framework/db/CRowStore.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace {

constexpr size_t kFlagsSize = 1; // row flags: deleted
constexpr unsigned char kDeleted = 0x01;
constexpr size_t kBlockBytes = 64 * 1024; // fixed part of a block; rows of any width get at least 16
constexpr size_t kMinTextArea = 4096;

// Values go between the slots and CDBVariant's members byte for byte.
static_assert(sizeof(SQLINTEGER) == sizeof(long) && sizeof(SQLSMALLINT) == sizeof(short) &&
              sizeof(SQLREAL) == sizeof(float) && sizeof(SQLDOUBLE) == sizeof(double));

bool IsText(SQLSMALLINT cType) noexcept {
    return cType == SQL_C_CHAR || cType == SQL_C_BINARY;
}

// The CDBVariant type a column of this C type gives.
DWORD VariantType(SQLSMALLINT cType) noexcept {
    switch (cType) {
    case SQL_C_BIT:
        return DBVT_BOOL;
    case SQL_C_UTINYINT:
        return DBVT_UCHAR;
    case SQL_C_SSHORT:
        return DBVT_SHORT;
    case SQL_C_SLONG:
        return DBVT_LONG;
    case SQL_C_FLOAT:
        return DBVT_SINGLE;
    case SQL_C_DOUBLE:
        return DBVT_DOUBLE;
    case SQL_C_TYPE_TIMESTAMP:
        return DBVT_DATE;
    case SQL_C_BINARY:
        return DBVT_BINARY;
    default:
        return DBVT_STRING;
    }
}

} // namespace

// A block of rows: their fixed records and the bytes of their texts.
struct CRowStore::Block {
    std::unique_ptr<unsigned char[]> rows;
    std::unique_ptr<char[]> text;
    size_t textSize = 0;
    size_t textCapacity = 0;

    // Room for `room` bytes after the first `keep` bytes past textSize.
    char* Reserve(size_t keep, size_t room) {
        const size_t needed = textSize + keep + room;
        if (needed < textSize || needed > std::numeric_limits<std::uint32_t>::max())
            throw std::bad_alloc(); // offsets and lengths are kept in 32 bits
        if (needed > textCapacity) {
            const size_t capacity = std::min<size_t>(std::max({needed, textCapacity * 2, kMinTextArea}),
                                                     std::numeric_limits<std::uint32_t>::max());
            auto grown = std::make_unique_for_overwrite<char[]>(capacity);
            if (textSize + keep)
                std::memcpy(grown.get(), text.get(), textSize + keep);
            text = std::move(grown);
            textCapacity = capacity;
        }
        return text.get() + textSize + keep;
    }
};

CRowStore::CRowStore(std::vector<SQLSMALLINT> cTypes) {
    const size_t presence = (cTypes.size() + 7) / 8;
    size_t offset = kFlagsSize + presence;
    m_columns.reserve(cTypes.size());
    for (const SQLSMALLINT cType : cTypes) {
        const size_t size = IsText(cType) ? sizeof(TextRef) : FixedSize(cType);
        const size_t align = std::min<size_t>(std::max<size_t>(size, 1), 4);
        offset = (offset + align - 1) / align * align;
        m_columns.push_back({cType, offset});
        offset += size;
    }
    m_rowSize = (offset + 7) / 8 * 8;
    m_rowsPerBlock = std::max<size_t>(16, kBlockBytes / m_rowSize);
}

CRowStore::~CRowStore() = default;
CRowStore::CRowStore(CRowStore&& other) noexcept = default;
CRowStore& CRowStore::operator=(CRowStore&& other) noexcept = default;

size_t CRowStore::FixedSize(SQLSMALLINT cType) noexcept {
    switch (cType) {
    case SQL_C_BIT:
    case SQL_C_UTINYINT:
        return 1;
    case SQL_C_SSHORT:
        return sizeof(SQLSMALLINT);
    case SQL_C_SLONG:
        return sizeof(SQLINTEGER);
    case SQL_C_FLOAT:
        return sizeof(SQLREAL);
    case SQL_C_DOUBLE:
        return sizeof(SQLDOUBLE);
    case SQL_C_TYPE_TIMESTAMP:
        return sizeof(TIMESTAMP_STRUCT);
    default:
        return 0;
    }
}

size_t CRowStore::AddRow() {
    const size_t index = m_rows;
    if (index / m_rowsPerBlock >= m_blocks.size()) {
        auto block = std::make_unique<Block>();
        block->rows = std::make_unique_for_overwrite<unsigned char[]>(m_rowsPerBlock * m_rowSize);
        // Blocks of one result tend to hold alike rows: start with the text room the last one needed.
        if (!m_blocks.empty())
            block->Reserve(0, m_blocks.back()->textSize);
        m_blocks.push_back(std::move(block));
    }
    ++m_rows;
    std::memset(Row(index), 0, m_rowSize);
    return index;
}

void CRowStore::Clear() noexcept {
    m_blocks.clear();
    m_rows = 0;
}

unsigned char* CRowStore::Row(size_t row) noexcept {
    return m_blocks[row / m_rowsPerBlock]->rows.get() + (row % m_rowsPerBlock) * m_rowSize;
}

const unsigned char* CRowStore::Row(size_t row) const noexcept {
    return m_blocks[row / m_rowsPerBlock]->rows.get() + (row % m_rowsPerBlock) * m_rowSize;
}

CRowStore::Block& CRowStore::BlockOf(size_t row) noexcept {
    return *m_blocks[row / m_rowsPerBlock];
}

void CRowStore::MarkPresent(size_t row, size_t column) noexcept {
    Row(row)[kFlagsSize + column / 8] |= static_cast<unsigned char>(1u << (column % 8));
}

void CRowStore::SetNull(size_t row, size_t column) noexcept {
    Row(row)[kFlagsSize + column / 8] &= static_cast<unsigned char>(~(1u << (column % 8)));
}

bool CRowStore::IsNull(size_t row, size_t column) const noexcept {
    return (Row(row)[kFlagsSize + column / 8] & (1u << (column % 8))) == 0;
}

void CRowStore::SetFixed(size_t row, size_t column, const void* value) {
    const Column& c = m_columns[column];
    std::memcpy(Row(row) + c.offset, value, FixedSize(c.cType));
    MarkPresent(row, column);
}

const unsigned char* CRowStore::GetFixed(size_t row, size_t column) const noexcept {
    return Row(row) + m_columns[column].offset;
}

char* CRowStore::BeginText(size_t row, size_t room) {
    return BlockOf(row).Reserve(0, room);
}

char* CRowStore::GrowText(size_t row, size_t used, size_t room) {
    return BlockOf(row).Reserve(used, room);
}

void CRowStore::EndText(size_t row, size_t column, size_t length) {
    Block& block = BlockOf(row);
    const TextRef ref{static_cast<std::uint32_t>(block.textSize), static_cast<std::uint32_t>(length)};
    block.textSize += length;
    std::memcpy(Row(row) + m_columns[column].offset, &ref, sizeof ref);
    MarkPresent(row, column);
}

void CRowStore::SetText(size_t row, size_t column, const char* data, size_t length) {
    char* target = BeginText(row, length);
    if (length)
        std::memcpy(target, data, length);
    EndText(row, column, length);
}

std::string_view CRowStore::GetText(size_t row, size_t column) const noexcept {
    TextRef ref;
    std::memcpy(&ref, Row(row) + m_columns[column].offset, sizeof ref);
    const Block& block = *m_blocks[row / m_rowsPerBlock];
    return ref.length ? std::string_view(block.text.get() + ref.offset, ref.length) : std::string_view();
}

void CRowStore::SetValue(size_t row, size_t column, const CDBVariant& value) {
    const SQLSMALLINT cType = m_columns[column].cType;
    if (value.IsNull()) {
        SetNull(row, column);
        return;
    }
    if (IsText(cType)) {
        const CString text = value.m_dwType == DBVT_STRING ? *value.m_pstring : value.ToText();
        SetText(row, column, text.GetString(), static_cast<size_t>(text.GetLength()));
        return;
    }
    CDBVariant converted;
    const CDBVariant* v = &value;
    if (value.m_dwType != VariantType(cType)) {
        if (!value.ConvertTo(cType, converted) || converted.IsNull()) {
            SetNull(row, column);
            return;
        }
        v = &converted;
    }
    switch (cType) {
    case SQL_C_BIT: {
        const unsigned char bit = v->m_boolVal ? 1 : 0;
        SetFixed(row, column, &bit);
        break;
    }
    case SQL_C_UTINYINT:
        SetFixed(row, column, &v->m_chVal);
        break;
    case SQL_C_SSHORT:
        SetFixed(row, column, &v->m_iVal);
        break;
    case SQL_C_SLONG:
        SetFixed(row, column, &v->m_lVal);
        break;
    case SQL_C_FLOAT:
        SetFixed(row, column, &v->m_fltVal);
        break;
    case SQL_C_DOUBLE:
        SetFixed(row, column, &v->m_dblVal);
        break;
    case SQL_C_TYPE_TIMESTAMP:
        SetFixed(row, column, v->m_pdate);
        break;
    default:
        SetNull(row, column);
        break;
    }
}

CDBVariant CRowStore::GetValue(size_t row, size_t column) const {
    CDBVariant value;
    if (IsNull(row, column))
        return value;
    const SQLSMALLINT cType = m_columns[column].cType;
    switch (cType) {
    case SQL_C_CHAR: {
        const std::string_view text = GetText(row, column);
        value.SetString(text.empty() ? CString() : CString(text.data(), static_cast<int>(text.size())));
        break;
    }
    case SQL_C_BINARY: {
        const std::string_view bytes = GetText(row, column);
        value.SetBinary(bytes.data(), bytes.size());
        break;
    }
    default:
        value.SetCValue(cType, GetFixed(row, column));
        break;
    }
    return value;
}

bool CRowStore::IsDeleted(size_t row) const noexcept {
    return (Row(row)[0] & kDeleted) != 0;
}

void CRowStore::SetDeleted(size_t row) noexcept {
    Row(row)[0] |= kDeleted;
}
