#include "foundation/Registry.h"

#include "foundation/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    // Where the layer really stores a value written below REG_PREFS.
    CString PrefsKey() const { return m_registry.Root() + "\\Brindlemark\\Prefs"; }

    void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, PrefsKey(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    ScratchRegistry m_registry;
};

// ---------------- storage and key paths ----------------

TEST_F(RegistryTest, ValuesAreStoredAsTextBelowTheScratchRootOnly) {
    const CString name = "Answer " + NewGuidString();
    ASSERT_TRUE(RegWriteInt(REG_PREFS, name, 42));

    std::string data;
    DWORD type = 0;
    ASSERT_TRUE(ReadRawValue(PrefsKey(), name, data, type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::string("42", 3), data); // the terminating zero is part of the stored length
    EXPECT_FALSE(ReadRawValue("Software\\Quillmere\\Brindlemark\\Prefs", name, data, type));
}

TEST_F(RegistryTest, WritersStoreTheirTextForms) {
    struct Case {
        const char* what;
        std::function<bool(const char* name)> write;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"string", [](const char* n) { return RegWriteString(REG_PREFS, n, "plain text"); }, "plain text"},
        {"int", [](const char* n) { return RegWriteInt(REG_PREFS, n, -5); }, "-5"},
        {"unsigned", [](const char* n) { return RegWriteUnsigned(REG_PREFS, n, 4294967295u); }, "4294967295"},
        {"long", [](const char* n) { return RegWriteLong(REG_PREFS, n, 2147483647L); }, "2147483647"},
        {"bool true", [](const char* n) { return RegWriteBool(REG_PREFS, n, true); }, "T"},
        {"bool false", [](const char* n) { return RegWriteBool(REG_PREFS, n, false); }, "F"},
        {"pair", [](const char* n) { return RegWriteIntPair(REG_PREFS, n, 3, -4); }, "3 -4"},
        {"duration", [](const char* n) { return RegWriteDuration(REG_PREFS, n, 3725); }, "1 hour 2 minutes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.write(c.what));
        CString text = "stale";
        EXPECT_TRUE(RegReadString(REG_PREFS, c.what, text));
        EXPECT_STREQ(c.text, text);
    }
}

TEST_F(RegistryTest, OneTrailingBackslashIsRemovedFromKeyPaths) {
    ASSERT_TRUE(RegWriteString(REG_PREFS "Sub\\", "Value", "x"));
    CString text;
    EXPECT_TRUE(RegReadString(REG_PREFS "Sub", "Value", text));
    EXPECT_STREQ("x", text);

    RegSetTestRoot(nullptr);
    EXPECT_STREQ("Software\\Other\\Key", RegResolveKeyPath("Software\\Other\\Key\\"));
    EXPECT_STREQ("Software\\Other\\Key", RegResolveKeyPath("Software\\Other\\Key"));
    EXPECT_STREQ("Software\\Other\\Key\\", RegResolveKeyPath("Software\\Other\\Key\\\\"));
}

TEST_F(RegistryTest, OnlyPathsBelowTheVendorRootAreRedirected) {
    const CString root = m_registry.Root();
    EXPECT_STREQ(root + "\\Brindlemark\\Prefs", RegResolveKeyPath(REG_PREFS));
    EXPECT_STREQ(root + "\\Corvantile\\Database",
                 RegResolveKeyPath("software\\QUILLMERE\\Corvantile\\Database\\"));
    EXPECT_STREQ("Software\\Quillmerex\\Key", RegResolveKeyPath("Software\\Quillmerex\\Key"));
    EXPECT_STREQ("Software\\Other", RegResolveKeyPath("Software\\Other\\"));

    RegSetTestRoot(nullptr);
    EXPECT_STREQ("Software\\Quillmere\\Brindlemark\\Prefs", RegResolveKeyPath(REG_PREFS));
    RegSetTestRoot(root);
}

// ---------------- readers' default rules ----------------

TEST_F(RegistryTest, StringReaderClearsItsOutputWhenTheValueIsMissing) {
    CString text = "preset";
    EXPECT_FALSE(RegReadString(REG_PREFS, "Missing", text));
    EXPECT_TRUE(text.IsEmpty());
    text = "preset";
    EXPECT_FALSE(RegReadString(REG_ROOT "No such key\\", "Missing", text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(RegistryTest, StringReaderAcceptsTextsOfAnyLength) {
    for (int length : {0, 1, 509, 510, 511, 512, 2000, 70000}) {
        SCOPED_TRACE(length);
        CString written;
        for (int i = 0; i < length; ++i)
            written += static_cast<char>('a' + i % 26);
        ASSERT_TRUE(RegWriteString(REG_PREFS, "Long", written));
        CString read = "stale";
        EXPECT_TRUE(RegReadString(REG_PREFS, "Long", read));
        EXPECT_EQ(length, read.GetLength());
        EXPECT_TRUE(read == written);
    }
}

TEST_F(RegistryTest, StringReaderTakesTheRawDataOfOtherTypes) {
    StoreRaw("Expand", REG_EXPAND_SZ, "%TEMP%\\x", 9);
    StoreRaw("Binary", REG_BINARY, "xy", 2); // no terminating zero in the data
    CString text;
    EXPECT_TRUE(RegReadString(REG_PREFS, "Expand", text));
    EXPECT_STREQ("%TEMP%\\x", text);
    EXPECT_TRUE(RegReadString(REG_PREFS, "Binary", text));
    EXPECT_STREQ("xy", text);
}

TEST_F(RegistryTest, BoolReaderAcceptsOnlyTheDocumentedTexts) {
    struct Case {
        const char* stored;
        bool value;
        bool success;
    };
    const Case cases[] = {{"T", true, true},   {"1", true, true},     {"F", false, true},
                          {"t", false, false}, {"0", false, false},   {"yes", false, false},
                          {"", false, false},  {"TRUE", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(RegWriteString(REG_PREFS, "Flag", c.stored));
        bool value = !c.value;
        EXPECT_EQ(c.success, RegReadBool(REG_PREFS, "Flag", &value));
        EXPECT_EQ(c.value, value);
    }
    bool preset = true;
    EXPECT_FALSE(RegReadBool(REG_PREFS, "Missing", &preset));
    EXPECT_FALSE(preset) << "the bool reader's preset is never a default";
}

TEST_F(RegistryTest, WrittenBoolsReadBack) {
    for (bool written : {true, false}) {
        ASSERT_TRUE(RegWriteBool(REG_PREFS, "Flag", written));
        bool read = !written;
        EXPECT_TRUE(RegReadBool(REG_PREFS, "Flag", &read));
        EXPECT_EQ(written, read);
    }
}

TEST_F(RegistryTest, IntAndLongReadersKeepThePresetOnFailure) {
    struct Case {
        const char* stored; // nullptr: the value is missing
        bool intSuccess;
        int intValue;
        bool longSuccess;
        long longValue;
    };
    const Case cases[] = {
        {"42", true, 42, true, 42},    {"-7", true, -7, true, -7},
        {"0x10", true, 0, true, 16}, // "%d" stops at the x, "%i" reads hexadecimal
        {"0x1A", true, 0, true, 26},   {"010", true, 10, true, 8}, // "%i" reads a leading zero as octal
        {"12 34", true, 12, true, 12}, {"abc", false, 30, false, 30},
        {"", false, 30, false, 30},    {nullptr, false, 30, false, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        if (c.stored)
            ASSERT_TRUE(RegWriteString(REG_PREFS, "Number", c.stored));
        else
            RegRemoveValue(REG_PREFS, "Number");
        int intValue = 30;
        EXPECT_EQ(c.intSuccess, RegReadInt(REG_PREFS, "Number", &intValue));
        EXPECT_EQ(c.intValue, intValue);
        long longValue = 30;
        EXPECT_EQ(c.longSuccess, RegReadLong(REG_PREFS, "Number", &longValue));
        EXPECT_EQ(c.longValue, longValue);
    }
}

TEST_F(RegistryTest, PairReaderZeroesBothAndNeedsBothNumbers) {
    struct Case {
        const char* stored; // nullptr: the value is missing
        bool success;
        int first;
        int second;
    };
    const Case cases[] = {{"12 34", true, 12, 34}, {"-3 -4", true, -3, -4}, {"12", false, 12, 0},
                          {"12 x", false, 12, 0},  {"x 12", false, 0, 0},   {"", false, 0, 0},
                          {nullptr, false, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        if (c.stored)
            ASSERT_TRUE(RegWriteString(REG_PREFS, "Pair", c.stored));
        else
            RegRemoveValue(REG_PREFS, "Pair");
        IntPair pair{5, 5};
        EXPECT_EQ(c.success, RegReadIntPair(REG_PREFS, "Pair", &pair));
        EXPECT_EQ(c.first, pair.first);
        EXPECT_EQ(c.second, pair.second);
    }
}

TEST_F(RegistryTest, TimesRoundTripAndBadTextGivesZero) {
    const CTime written(2024, 3, 7, 14, 5, 9);
    ASSERT_TRUE(RegWriteTime(REG_PREFS, "When", written));
    CTime read;
    EXPECT_TRUE(RegReadTime(REG_PREFS, "When", &read));
    EXPECT_EQ(written.GetTime(), read.GetTime());

    const CTime preset(2001, 1, 2, 3, 4, 5);
    CTime missing = preset;
    EXPECT_FALSE(RegReadTime(REG_PREFS, "Missing", &missing));
    EXPECT_EQ(preset.GetTime(), missing.GetTime());

    ASSERT_TRUE(RegWriteString(REG_PREFS, "When", "not a date"));
    CTime bad = preset;
    EXPECT_FALSE(RegReadTime(REG_PREFS, "When", &bad));
    EXPECT_EQ(0, bad.GetTime());
}

// ---------------- removal ----------------

TEST_F(RegistryTest, RemoveValueDeletesTheValueAndCreatesAMissingKey) {
    ASSERT_TRUE(RegWriteInt(REG_PREFS, "Gone", 1));
    EXPECT_TRUE(RegRemoveValue(REG_PREFS, "Gone"));
    int value = 7;
    EXPECT_FALSE(RegReadInt(REG_PREFS, "Gone", &value));
    EXPECT_EQ(7, value);

    EXPECT_FALSE(RegRemoveValue(REG_ROOT "Fresh\\", "Nothing"));
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, m_registry.Root() + "\\Brindlemark\\Fresh", 0,
                                           KEY_READ, &key));
    if (key)
        RegCloseKey(key);
}

// ---------------- machine hive ----------------

// A key below HKEY_LOCAL_MACHINE that everyone may read but nobody may change, as a normal user sees
// the machine's keys.
class ReadOnlyMachineKey {
public:
    ReadOnlyMachineKey() : m_path("Software\\BrindlemarkTests\\" + NewGuidString()) {
        HKEY key = nullptr;
        m_created = RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                    nullptr) == ERROR_SUCCESS;
        if (!m_created)
            return;
        RegSetValueExA(key, "Owner", 0, REG_SZ, reinterpret_cast<const BYTE*>("Machine text"), 13);
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        if (ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                 &readOnly, nullptr)) {
            m_restricted = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
            LocalFree(readOnly);
        }
        RegCloseKey(key);
    }
    ~ReadOnlyMachineKey() {
        if (m_created)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, m_path);
    }
    ReadOnlyMachineKey(const ReadOnlyMachineKey&) = delete;
    ReadOnlyMachineKey& operator=(const ReadOnlyMachineKey&) = delete;

    bool Ready() const { return m_created && m_restricted; }
    const CString& Path() const { return m_path; }

private:
    CString m_path;
    bool m_created = false;
    bool m_restricted = false;
};

TEST(MachineRegistry, ReadsKeysThatTheUserMayOnlyRead) {
    ReadOnlyMachineKey key;
    ASSERT_TRUE(key.Ready());
    HKEY full = nullptr;
    ASSERT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.Path(), 0, KEY_ALL_ACCESS, &full))
        << "the key must refuse write access for this test to mean anything";

    CString text;
    EXPECT_TRUE(RegReadMachineString(key.Path(), "Owner", text));
    EXPECT_STREQ("Machine text", text);

    text = "stale";
    EXPECT_FALSE(RegReadMachineString(key.Path(), "Missing", text));
    EXPECT_TRUE(text.IsEmpty());
}

// Runs the test's HKEY_LOCAL_MACHINE reads against a scratch tree of this process.
class ScratchMachineHive : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, m_registry.Root() + "\\Machine", 0,
                                                 nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hive, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_hive));
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        if (m_hive)
            RegCloseKey(m_hive);
    }
    void Store(const char* key, const char* name, const char* text) {
        HKEY opened = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(m_hive, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr));
        RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(strlen(text) + 1));
        RegCloseKey(opened);
    }

    static constexpr const char* kWindows = "Software\\Microsoft\\Windows\\CurrentVersion";
    static constexpr const char* kWindowsNt = "Software\\Microsoft\\Windows NT\\CurrentVersion";

    ScratchRegistry m_registry;
    HKEY m_hive = nullptr;
};

TEST_F(ScratchMachineHive, RegisteredOwnerComesFromTheWindowsKeyFirst) {
    Store(kWindows, "RegisteredOwner", "Ann");
    Store(kWindows, "RegisteredOrganization", "Acme");
    Store(kWindowsNt, "RegisteredOwner", "Bob");
    Store(kWindowsNt, "RegisteredOrganization", "Bobco");
    CString owner, organization;
    EXPECT_TRUE(GetRegisteredOwner(owner, organization));
    EXPECT_STREQ("Ann", owner);
    EXPECT_STREQ("Acme", organization);
}

TEST_F(ScratchMachineHive, RegisteredOwnerFallsBackToTheWindowsNtKey) {
    Store(kWindows, "RegisteredOwner", "");
    Store(kWindows, "RegisteredOrganization", "Acme");
    Store(kWindowsNt, "RegisteredOwner", "Bob");
    Store(kWindowsNt, "RegisteredOrganization", "Bobco");
    CString owner = "x", organization = "y";
    EXPECT_TRUE(GetRegisteredOwner(owner, organization));
    EXPECT_STREQ("Bob", owner);
    EXPECT_STREQ("Bobco", organization);
}

TEST_F(ScratchMachineHive, RegisteredOwnerReportsTheLastRead) {
    Store(kWindows, "RegisteredOwner", "Ann");
    Store(kWindowsNt, "RegisteredOrganization", "Bobco");
    CString owner, organization = "stale";
    EXPECT_FALSE(GetRegisteredOwner(owner, organization)) << "no organization beside the owner";
    EXPECT_STREQ("Ann", owner);
    EXPECT_TRUE(organization.IsEmpty());

    Store(kWindows, "RegisteredOwner", "");
    Store(kWindowsNt, "RegisteredOwner", "");
    EXPECT_TRUE(GetRegisteredOwner(owner, organization)) << "the empty owner was read";
    EXPECT_TRUE(owner.IsEmpty());
    EXPECT_TRUE(organization.IsEmpty()) << "no organization is read for an empty owner";
}

TEST_F(ScratchMachineHive, NoRegisteredOwnerAtAll) {
    CString owner = "x", organization = "y";
    EXPECT_FALSE(GetRegisteredOwner(owner, organization));
    EXPECT_TRUE(owner.IsEmpty());
    EXPECT_TRUE(organization.IsEmpty());
}

// ---------------- profile files ----------------

TEST(IniFiles, ReadIniStringReadsValuesAndDefaults) {
    ScratchFolder folder;
    const CString file = folder.File("Settings.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("Update", "Server", "ftp.example.org", file));

    CString out = "stale";
    EXPECT_EQ(15u, ReadIniString("Update", "Server", "none", out, file));
    EXPECT_STREQ("ftp.example.org", out);

    out = "stale";
    EXPECT_EQ(4u, ReadIniString("Update", "Missing", "none", out, file));
    EXPECT_STREQ("none", out);

    out = "stale";
    EXPECT_EQ(0u, ReadIniString("Update", "Missing", "", out, folder.File("Absent.ini")));
    EXPECT_TRUE(out.IsEmpty());
}

} // namespace
