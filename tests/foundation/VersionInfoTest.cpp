#include "foundation/CAcxVersionInfo.h"

#include "foundation/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

CString ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// One node of a version resource: length, value length, type, key, value and children, each part
// aligned on 32 bits.
struct VersionNode {
    std::wstring key;
    std::vector<BYTE> value;
    WORD valueLength = 0; // bytes for binary values, characters for texts
    WORD type = 1;        // 1 text, 0 binary
    std::vector<VersionNode> children;
};

void Align(std::vector<BYTE>& out) {
    while (out.size() % 4)
        out.push_back(0);
}

void AppendWord(std::vector<BYTE>& out, WORD w) {
    out.push_back(static_cast<BYTE>(w & 0xFF));
    out.push_back(static_cast<BYTE>(w >> 8));
}

std::vector<BYTE> Serialize(const VersionNode& node) {
    std::vector<BYTE> out;
    AppendWord(out, 0); // length, patched below
    AppendWord(out, node.valueLength);
    AppendWord(out, node.type);
    for (wchar_t c : node.key)
        AppendWord(out, static_cast<WORD>(c));
    AppendWord(out, 0);
    Align(out);
    out.insert(out.end(), node.value.begin(), node.value.end());
    for (const VersionNode& child : node.children) {
        Align(out);
        const std::vector<BYTE> bytes = Serialize(child);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    out[0] = static_cast<BYTE>(out.size() & 0xFF);
    out[1] = static_cast<BYTE>(out.size() >> 8);
    return out;
}

VersionNode Node(const std::wstring& key) {
    VersionNode node;
    node.key = key;
    return node;
}

VersionNode Text(const std::wstring& key, const std::wstring& text) {
    VersionNode node = Node(key);
    for (wchar_t c : text + L'\0')
        AppendWord(node.value, static_cast<WORD>(c));
    node.valueLength = static_cast<WORD>(text.size() + 1);
    return node;
}

VersionNode VersionBlock(DWORD flagsMask, DWORD flags, const wchar_t* table,
                         const std::vector<VersionNode>& strings) {
    VS_FIXEDFILEINFO fixed = {};
    fixed.dwSignature = 0xFEEF04BD;
    fixed.dwStrucVersion = 0x00010000;
    fixed.dwFileVersionMS = fixed.dwProductVersionMS = 0x00070000;
    fixed.dwFileFlagsMask = flagsMask;
    fixed.dwFileFlags = flags;
    fixed.dwFileOS = VOS_NT_WINDOWS32;
    fixed.dwFileType = VFT_APP;
    VersionNode root = Node(L"VS_VERSION_INFO");
    root.type = 0;
    root.valueLength = sizeof fixed;
    const auto* raw = reinterpret_cast<const BYTE*>(&fixed);
    root.value.assign(raw, raw + sizeof fixed);
    VersionNode stringTable = Node(table);
    stringTable.children = strings;
    VersionNode fileInfo = Node(L"StringFileInfo");
    fileInfo.children.push_back(stringTable);
    root.children.push_back(fileInfo);
    return root;
}

// A copy of this program whose resources are replaced by the given version block (none when null).
class ProgramCopy {
public:
    ProgramCopy(const ScratchFolder& folder, const VersionNode* version) : m_path(folder.File("copy.exe")) {
        m_ready = CopyFileA(ThisProgram(), m_path, FALSE) != FALSE;
        HANDLE update = m_ready ? BeginUpdateResourceA(m_path, TRUE) : nullptr;
        m_ready = update != nullptr;
        if (!m_ready)
            return;
        if (version) {
            std::vector<BYTE> bytes = Serialize(*version);
            m_ready = UpdateResourceA(update, RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO),
                                      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), bytes.data(),
                                      static_cast<DWORD>(bytes.size())) != FALSE;
        }
        m_ready = EndUpdateResourceA(update, FALSE) != FALSE && m_ready;
    }
    bool Ready() const { return m_ready; }
    const CString& Path() const { return m_path; }

private:
    CString m_path;
    bool m_ready = false;
};

TEST(VersionInfo, ReadsTheStringsOfThisProgram) {
    CAcxVersionInfo info;
    ASSERT_TRUE(info.Load(ThisProgram()));
    EXPECT_STREQ("5.0", info.GetString("ProductVersion"));
    EXPECT_STREQ("Brindlemark", info.GetString("ProductName"));
    EXPECT_STREQ("", info.GetString("SpecialBuild"));
    EXPECT_FALSE(info.HasFileFlag(VS_FF_DEBUG | VS_FF_PRERELEASE | VS_FF_SPECIALBUILD));
}

TEST(VersionInfo, NothingLoadedAnswersEmpty) {
    CAcxVersionInfo info;
    EXPECT_STREQ("", info.GetString("ProductVersion"));
    EXPECT_FALSE(info.HasFileFlag(0xFFFFFFFF));
}

TEST(VersionInfo, FileWithoutVersionResourceGivesEmptyTexts) {
    ScratchFolder folder;
    const CString text = folder.File("plain.txt");
    std::ofstream(text) << "no version here";
    ProgramCopy bare(folder, nullptr);
    ASSERT_TRUE(bare.Ready());

    for (const CString& path : {text, bare.Path(), folder.File("absent.exe")}) {
        SCOPED_TRACE(path);
        CAcxVersionInfo info;
        ASSERT_TRUE(info.Load(ThisProgram()));
        EXPECT_FALSE(info.Load(path));
        EXPECT_STREQ("", info.GetString("ProductVersion")) << "nothing may be left of the earlier file";
        EXPECT_FALSE(info.HasFileFlag(0xFFFFFFFF));
    }
}

TEST(VersionInfo, FileFlagsCountOnlyWithinTheirMask) {
    ScratchFolder folder;
    const VersionNode block =
        VersionBlock(VS_FF_PRERELEASE | VS_FF_DEBUG, VS_FF_PRERELEASE | VS_FF_PRIVATEBUILD, L"040904B0",
                     {Text(L"ProductVersion", L"7.25"), Text(L"PrivateBuild", L"Nightly")});
    ProgramCopy copy(folder, &block);
    ASSERT_TRUE(copy.Ready());

    CAcxVersionInfo info;
    ASSERT_TRUE(info.Load(copy.Path()));
    EXPECT_STREQ("7.25", info.GetString("ProductVersion"));
    EXPECT_STREQ("Nightly", info.GetString("PrivateBuild"));
    EXPECT_TRUE(info.HasFileFlag(VS_FF_PRERELEASE));
    EXPECT_TRUE(info.HasFileFlag(VS_FF_PRERELEASE | VS_FF_DEBUG));
    EXPECT_FALSE(info.HasFileFlag(VS_FF_DEBUG)) << "in the mask, but not set";
    EXPECT_FALSE(info.HasFileFlag(VS_FF_PRIVATEBUILD)) << "set, but outside the mask";
}

TEST(VersionInfo, StringsComeFromTheUsEnglishUnicodeTableOnly) {
    ScratchFolder folder;
    const VersionNode block = VersionBlock(0x3F, 0, L"040704B0", {Text(L"ProductVersion", L"6.0")});
    ProgramCopy copy(folder, &block);
    ASSERT_TRUE(copy.Ready());

    CAcxVersionInfo info;
    ASSERT_TRUE(info.Load(copy.Path()));
    EXPECT_STREQ("", info.GetString("ProductVersion"));
}

} // namespace
