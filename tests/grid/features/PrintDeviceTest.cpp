// A grid's own printer: its names and mode kept as copies, stored in and loaded from archives (damaged
// ones refused), assigned and compared byte for byte, and its device context made on request.
#include "FeatureTestSupport.h"

#include "grid/core/GridArchiveTestSupport.h"

#include "framework/core/CArchiveException.h"
#include "framework/win/CPrintDialog.h"
#include "grid/features/CGEPrintDevice.h"
#include "grid/features/CGEPrintDeviceImp.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using archive_test::Bytes;

namespace {

// A DEVNAMES block naming driver, device and port.
Bytes DevNames(const std::string& driver, const std::string& device, const std::string& port) {
    DEVNAMES header{};
    header.wDriverOffset = static_cast<WORD>(sizeof header);
    header.wDeviceOffset = static_cast<WORD>(header.wDriverOffset + driver.size() + 1);
    header.wOutputOffset = static_cast<WORD>(header.wDeviceOffset + device.size() + 1);
    std::string text(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string* s : {&driver, &device, &port}) {
        text += *s;
        text.push_back('\0');
    }
    return Bytes(text.begin(), text.end());
}

// A DEVMODE for a device with nCopies copies and nExtra bytes of driver data.
Bytes DevMode(const std::string& device, short nCopies, WORD nExtra = 0) {
    DEVMODEA mode{};
    std::strncpy(reinterpret_cast<char*>(mode.dmDeviceName), device.c_str(), CCHDEVICENAME - 1);
    mode.dmSize = sizeof mode;
    mode.dmDriverExtra = nExtra;
    mode.dmFields = DM_COPIES;
    mode.dmCopies = nCopies;
    Bytes bytes(sizeof mode + nExtra, 0xA5);
    std::memcpy(bytes.data(), &mode, sizeof mode);
    return bytes;
}

Bytes BlockBytes(HGLOBAL hBlock) {
    if (hBlock == nullptr)
        return {};
    const auto* p = static_cast<const BYTE*>(::GlobalLock(hBlock));
    Bytes bytes(p, p + ::GlobalSize(hBlock));
    ::GlobalUnlock(hBlock);
    return bytes;
}

void Put(CGEPrintDevice& device, const Bytes& names, const Bytes& mode) {
    device.m_pImp->SetDeviceBuffers(&device, names.data(), static_cast<DWORD>(names.size()), mode.data(),
                                    static_cast<DWORD>(mode.size()));
}

// An archive of the device: the schema, the sizes in front of the block, the block, the sizes after it.
Bytes Archive(WORD wSchema, const std::vector<DWORD>& sizesBefore, const Bytes& block = {},
              const std::vector<DWORD>& sizesAfter = {}) {
    Bytes bytes;
    auto addWord = [&bytes](DWORD n, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            bytes.push_back(static_cast<BYTE>(n >> (8 * i)));
    };
    addWord(wSchema, 2);
    for (DWORD n : sizesBefore)
        addWord(n, 4);
    for (BYTE b : block)
        bytes.push_back(b);
    for (DWORD n : sizesAfter)
        addWord(n, 4);
    return bytes;
}

bool HasDefaultPrinter() {
    char name[256] = {};
    DWORD size = sizeof name;
    return ::GetDefaultPrinterA(name, &size) != FALSE;
}

class GridPrintDevice : public ::testing::Test {
protected:
    void SetUp() override {
        gridtest::StartEngine();
        ASSERT_NE(GEGetLibraryState()->m_pPrintDeviceImp, nullptr) << "installed with the engine";
    }
    const Bytes names = DevNames("winspool", "Accounts Laser", "LPT1:");
    const Bytes mode = DevMode("Accounts Laser", 3, 16);
};

} // namespace

TEST_F(GridPrintDevice, AnArchiveKeepsBothBlocksByteForByte) {
    CGEPrintDevice device;
    Put(device, names, mode);
    const Bytes stored = archive_test::Store([&](CArchive& ar) { device.Serialize(ar); });
    ASSERT_EQ(stored.size(), 2 + 4 + names.size() + 4 + mode.size());
    EXPECT_EQ(stored[0], 1) << "schema 1";
    CGEPrintDevice loaded;
    archive_test::Load(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(BlockBytes(loaded.m_hDevNames), names);
    EXPECT_EQ(BlockBytes(loaded.m_hDevMode), mode);
    EXPECT_NE(loaded.m_hDevNames, device.m_hDevNames);
}

TEST_F(GridPrintDevice, AnEmptyArchiveGivesAnEmptyDeviceThatTakesTheDefaultPrinterWhenAsked) {
    CGEPrintDevice device;
    Put(device, names, mode);
    const Bytes empty = Archive(1, {0, 0});
    archive_test::Load(empty, [&](CArchive& ar) { device.Serialize(ar); });
    EXPECT_EQ(device.m_hDevNames, nullptr);
    EXPECT_EQ(device.m_hDevMode, nullptr);
    const HDC hDC = device.GetPrinterDC();
    if (HasDefaultPrinter()) {
        EXPECT_NE(hDC, nullptr);
        ASSERT_NE(device.m_hDevNames, nullptr);
        CPrintDialog named(TRUE);
        named.m_pd.hDevNames = device.m_hDevNames;
        char defaultPrinter[256] = {};
        DWORD size = sizeof defaultPrinter;
        ::GetDefaultPrinterA(defaultPrinter, &size);
        EXPECT_STREQ(named.GetDeviceName(), defaultPrinter);
        named.m_pd.hDevNames = nullptr;
        const auto* pMode = static_cast<const DEVMODEA*>(::GlobalLock(device.m_hDevMode));
        ASSERT_NE(pMode, nullptr);
        EXPECT_EQ(pMode->dmTTOption, DMTT_BITMAP);
        ::GlobalUnlock(device.m_hDevMode);
        EXPECT_EQ(device.GetPrinterDC(), hDC) << "kept until reset";
    } else {
        EXPECT_EQ(hDC, nullptr);
        EXPECT_EQ(device.m_hDevNames, nullptr);
    }
}

TEST_F(GridPrintDevice, AssignmentCopiesTheBlocksAndSelfAssignmentKeepsThem) {
    CGEPrintDevice device;
    Put(device, names, mode);
    const HGLOBAL hNames = device.m_hDevNames;
    CGEPrintDevice& self = device;
    device = self;
    EXPECT_EQ(device.m_hDevNames, hNames);
    EXPECT_EQ(BlockBytes(device.m_hDevNames), names);
    CGEPrintDevice other;
    other = device;
    EXPECT_NE(other.m_hDevNames, device.m_hDevNames);
    EXPECT_EQ(BlockBytes(other.m_hDevNames), names);
    EXPECT_EQ(BlockBytes(other.m_hDevMode), mode);
}

TEST_F(GridPrintDevice, TheSamePrinterComparesEqualAndAnotherDoesNot) {
    CGEPrintDevice device;
    Put(device, names, mode);
    CGEPrintDevice same;
    Put(same, names, mode);
    CGEAbstractPrintDeviceImp* pImp = device.m_pImp;
    EXPECT_TRUE(pImp->CompareDevice(&device, same.m_hDevNames, same.m_hDevMode));
    CGEPrintDevice copies;
    Put(copies, names, DevMode("Accounts Laser", 4, 16));
    EXPECT_FALSE(pImp->CompareDevice(&device, copies.m_hDevNames, copies.m_hDevMode));
    EXPECT_FALSE(pImp->CompareDevice(&device, same.m_hDevNames, nullptr)) << "no mode against a mode";
    CGEPrintDevice empty;
    EXPECT_TRUE(pImp->CompareDevice(&empty, nullptr, nullptr));
}

TEST_F(GridPrintDevice, ADeviceMadeWithoutTheFeatureDoesNothing) {
    CGEAbstractPrintDeviceImp* pSaved = GEGetLibraryState()->m_pPrintDeviceImp;
    GEGetLibraryState()->m_pPrintDeviceImp = nullptr;
    CGEPrintDevice inert;
    GEGetLibraryState()->m_pPrintDeviceImp = pSaved;
    EXPECT_EQ(inert.GetPrinterDC(), nullptr);
    EXPECT_EQ(inert.m_hDevNames, nullptr);
    CPrintDialog dialog(TRUE);
    EXPECT_EQ(pSaved->DoPrintSetup(nullptr, &dialog), 0) << "no device";
}

TEST_F(GridPrintDevice, DamagedArchivesAreRefused) {
    struct Case {
        const char* name;
        Bytes bytes;
        int cause;
    };
    Bytes badOffsets = names;
    badOffsets[0] = 0xF0; // the driver's name starts past the block
    Bytes shortMode = mode;
    shortMode[offsetof(DEVMODEA, dmDriverExtra)] = 0xFF; // more driver data than the block holds
    const std::vector<Case> cases = {
        {"schema 2", Archive(2, {}), CArchiveException::badSchema},
        {"names larger than any printer's", Archive(1, {0x7FFFFFFF}), CArchiveException::genericException},
        {"names end early", Archive(1, {40}, {1, 2, 3}), CArchiveException::endOfFile},
        {"names that point outside", Archive(1, {static_cast<DWORD>(badOffsets.size())}, badOffsets, {0}),
         CArchiveException::genericException},
        {"mode shorter than it says", Archive(1, {0, static_cast<DWORD>(shortMode.size())}, shortMode),
         CArchiveException::genericException},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGEPrintDevice device;
        Put(device, names, mode);
        int cause = -1;
        try {
            archive_test::Load(c.bytes, [&](CArchive& ar) { device.Serialize(ar); });
        } catch (CArchiveException* e) {
            cause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(cause, c.cause);
    }
}

TEST_F(GridPrintDevice, MutatedArchivesLoadOrAreRefused) {
    CGEPrintDevice device;
    Put(device, names, mode);
    const Bytes stored = archive_test::Store([&](CArchive& ar) { device.Serialize(ar); });
    grid_test::FuzzLoader(stored, [](CArchive& ar) {
        CGEPrintDevice loaded;
        loaded.Serialize(ar);
        // What loads is well-formed (the printer driver reads it).
        const Bytes n = BlockBytes(loaded.m_hDevNames);
        const Bytes m = BlockBytes(loaded.m_hDevMode);
        if (!n.empty() && !GEIsValidDevNames(n.data(), static_cast<DWORD>(n.size())))
            throw std::runtime_error("invalid names kept");
        if (!m.empty() && !GEIsValidDevMode(m.data(), static_cast<DWORD>(m.size())))
            throw std::runtime_error("invalid mode kept");
    });
}
