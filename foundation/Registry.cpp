#include "foundation/Registry.h"

#include "foundation/LocaleFormat.h"

#include <limits>
#include <vector>

namespace {

// Closes a registry key handle when it goes out of scope.
class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// Scratch root that replaces REG_VENDOR_ROOT while tests run; empty in the program.
CString& TestRoot() {
    static CString root;
    return root;
}

CString StripOneBackslash(const CString& key) {
    const int length = key.GetLength();
    if (length > 0 && key[length - 1] == '\\')
        return key.Left(length - 1);
    return key;
}

CString Redirect(const CString& key) {
    const CString& root = TestRoot();
    if (root.IsEmpty())
        return key;
    const CString vendor = REG_VENDOR_ROOT;
    const int prefix = vendor.GetLength();
    // Key names are case-insensitive, so the prefix is too.
    if (key.GetLength() < prefix || key.Left(prefix).CompareNoCase(vendor) != 0)
        return key;
    return root + key.Mid(prefix);
}

// Reads the raw data of a value, of any type, as zero-terminated text. Values longer than the first
// 511-byte attempt are read again with a buffer of their size, so long texts are not lost.
bool QueryText(HKEY key, const CString& name, CString& out) {
    std::vector<char> buffer(512);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size() - 1);
        const LONG rc =
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) {
            buffer.assign(static_cast<size_t>(size) + 2, '\0');
            continue;
        }
        if (rc != ERROR_SUCCESS)
            return false;
        buffer[size] = '\0';
        out = buffer.data();
        return true;
    }
}

bool ReadFromHive(HKEY hive, const CString& path, const CString& name, CString& out) {
    out.Empty();
    RegKey key;
    if (RegOpenKeyExA(hive, path, 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
        return false;
    return QueryText(key.Get(), name, out);
}

bool CreateUserKey(const CString& key, RegKey& opened, REGSAM access) {
    return RegCreateKeyExA(HKEY_CURRENT_USER, RegResolveKeyPath(key), 0, nullptr, 0, access, nullptr,
                           opened.Out(), nullptr) == ERROR_SUCCESS;
}

bool IsScanSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// Reads an integer at p as scanf does with "%d" (anyBase false) or "%i" (anyBase true: "0x" starts
// hexadecimal, a leading 0 octal): white space, an optional sign, digits; p moves past them. False when
// there is no digit or the value lies outside [low, high]: the runtime's scanf would store some other
// number for it.
bool ScanInteger(const char*& p, bool anyBase, long long low, long long high, long long& value) {
    const char* q = p;
    while (IsScanSpace(*q))
        ++q;
    const bool negative = *q == '-';
    if (*q == '-' || *q == '+')
        ++q;
    int base = 10;
    if (anyBase && *q == '0') {
        base = 8;
        if ((q[1] == 'x' || q[1] == 'X') && DigitValue(q[2]) < 16) {
            base = 16;
            q += 2;
        }
    }
    if (DigitValue(*q) >= base)
        return false;
    const unsigned long long limit =
        negative ? 0ULL - static_cast<unsigned long long>(low) : static_cast<unsigned long long>(high);
    unsigned long long magnitude = 0;
    bool fits = true;
    for (; DigitValue(*q) < base; ++q) {
        const unsigned digit = static_cast<unsigned>(DigitValue(*q));
        if (magnitude > (limit - digit) / static_cast<unsigned>(base))
            fits = false; // the remaining digits are still passed
        else if (fits)
            magnitude = magnitude * static_cast<unsigned>(base) + digit;
    }
    p = q;
    if (!fits)
        return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

// One number of a value's text, range-checked for the caller's type.
template <typename T> bool ScanNumber(const char*& p, bool anyBase, T& out) {
    long long value = 0;
    if (!ScanInteger(p, anyBase, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), value))
        return false;
    out = static_cast<T>(value);
    return true;
}

} // namespace

// ---------------- test support ----------------

void RegSetTestRoot(const char* scratchRoot) {
    CString root = scratchRoot;
    if (!root.IsEmpty() && root[root.GetLength() - 1] != '\\')
        root += '\\';
    TestRoot() = root;
}

CString RegResolveKeyPath(const char* key) {
    return StripOneBackslash(Redirect(key));
}

// ---------------- workers ----------------

namespace RegWorker {

bool ReadString(const CString& key, const CString& name, CString& out) {
    return ReadFromHive(HKEY_CURRENT_USER, RegResolveKeyPath(key), name, out);
}

bool WriteString(const CString& key, const CString& name, const CString& text) {
    RegKey opened;
    if (!CreateUserKey(key, opened, KEY_ALL_ACCESS))
        return false;
    const DWORD size = static_cast<DWORD>(text.GetLength()) + 1;
    return RegSetValueExA(opened.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                          size) == ERROR_SUCCESS;
}

bool ReadInt(const CString& key, const CString& name, int* out) {
    CString text;
    if (!ReadString(key, name, text))
        return false;
    const char* p = text.GetString();
    return ScanNumber(p, false, *out);
}

bool WriteInt(const CString& key, const CString& name, int value) {
    CString text;
    text.Format("%d", value);
    return WriteString(key, name, text);
}

bool WriteUnsigned(const CString& key, const CString& name, unsigned value) {
    CString text;
    text.Format("%u", value);
    return WriteString(key, name, text);
}

bool ReadLong(const CString& key, const CString& name, long* out) {
    CString text;
    if (!ReadString(key, name, text))
        return false;
    const char* p = text.GetString();
    return ScanNumber(p, true, *out);
}

bool WriteLong(const CString& key, const CString& name, long value) {
    CString text;
    text.Format("%li", value);
    return WriteString(key, name, text);
}

bool ReadBool(const CString& key, const CString& name, bool* out) {
    *out = false;
    CString text;
    if (!ReadString(key, name, text))
        return false;
    if (text == "T" || text == "1") {
        *out = true;
        return true;
    }
    return text == "F";
}

bool WriteBool(const CString& key, const CString& name, bool value) {
    return WriteString(key, name, value ? "T" : "F");
}

bool ReadIntPair(const CString& key, const CString& name, IntPair* out) {
    out->first = 0;
    out->second = 0;
    CString text;
    if (!ReadString(key, name, text))
        return false;
    // "%d %d": the blank between the numbers stands for any white space, as the number reader skips it.
    const char* p = text.GetString();
    return ScanNumber(p, false, out->first) && ScanNumber(p, false, out->second);
}

bool WriteIntPair(const CString& key, const CString& name, int first, int second) {
    CString text;
    text.Format("%d %d", first, second);
    return WriteString(key, name, text);
}

bool ReadTime(const CString& key, const CString& name, CTime* out) {
    CString text;
    if (!ReadString(key, name, text))
        return false;
    return AcxParseDateTime(text, out);
}

bool WriteTime(const CString& key, const CString& name, CTime value) {
    return WriteString(key, name, AcxFormatDateTime(value));
}

bool WriteDuration(const CString& key, const CString& name, long seconds) {
    return WriteString(key, name, AcxFormatDurationAuto(seconds));
}

bool RemoveValue(const CString& key, const CString& name) {
    RegKey opened;
    if (!CreateUserKey(key, opened, KEY_ALL_ACCESS))
        return false;
    return RegDeleteValueA(opened.Get(), name) == ERROR_SUCCESS;
}

bool ReadMachineString(const CString& key, const CString& name, CString& out) {
    return ReadFromHive(HKEY_LOCAL_MACHINE, key, name, out);
}

} // namespace RegWorker

// ---------------- fronts ----------------

bool RegReadString(const char* key, const char* name, CString& out) {
    return RegWorker::ReadString(key, name, out);
}
bool RegWriteString(const char* key, const char* name, const char* text) {
    return RegWorker::WriteString(key, name, text);
}
bool RegReadInt(const char* key, const char* name, int* out) {
    return RegWorker::ReadInt(key, name, out);
}
bool RegWriteInt(const char* key, const char* name, int value) {
    return RegWorker::WriteInt(key, name, value);
}
bool RegWriteUnsigned(const char* key, const char* name, unsigned value) {
    return RegWorker::WriteUnsigned(key, name, value);
}
bool RegReadLong(const char* key, const char* name, long* out) {
    return RegWorker::ReadLong(key, name, out);
}
bool RegWriteLong(const char* key, const char* name, long value) {
    return RegWorker::WriteLong(key, name, value);
}
bool RegReadBool(const char* key, const char* name, bool* out) {
    return RegWorker::ReadBool(key, name, out);
}
bool RegWriteBool(const char* key, const char* name, bool value) {
    return RegWorker::WriteBool(key, name, value);
}
bool RegReadIntPair(const char* key, const char* name, IntPair* out) {
    return RegWorker::ReadIntPair(key, name, out);
}
bool RegWriteIntPair(const char* key, const char* name, int first, int second) {
    return RegWorker::WriteIntPair(key, name, first, second);
}
bool RegReadTime(const char* key, const char* name, CTime* out) {
    return RegWorker::ReadTime(key, name, out);
}
bool RegWriteTime(const char* key, const char* name, CTime value) {
    return RegWorker::WriteTime(key, name, value);
}
bool RegWriteDuration(const char* key, const char* name, long seconds) {
    return RegWorker::WriteDuration(key, name, seconds);
}
bool RegRemoveValue(const char* key, const char* name) {
    return RegWorker::RemoveValue(key, name);
}
bool RegReadMachineString(const char* key, const char* name, CString& out) {
    return RegWorker::ReadMachineString(key, name, out);
}

// ---------------- machine-wide and profile readers ----------------

bool GetRegisteredOwner(CString& owner, CString& organization) {
    owner.Empty();
    organization.Empty();
    const char* const windows = "Software\\Microsoft\\Windows\\CurrentVersion\\";
    // The result is that of the last read made.
    RegReadMachineString(windows, "RegisteredOwner", owner);
    if (!owner.IsEmpty())
        return RegReadMachineString(windows, "RegisteredOrganization", organization);
    const char* const windowsNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\";
    bool result = RegReadMachineString(windowsNt, "RegisteredOwner", owner);
    if (!owner.IsEmpty())
        result = RegReadMachineString(windowsNt, "RegisteredOrganization", organization);
    return result;
}

DWORD ReadIniString(const char* section, const char* key, const char* defaultText, CString& out,
                    const char* file) {
    out.Empty();
    char buffer[1000] = {};
    const DWORD copied = GetPrivateProfileStringA(section, key, defaultText, buffer, sizeof buffer, file);
    out = buffer;
    return copied;
}
