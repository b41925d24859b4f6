// Shared support of the model tests: archiving objects to and from memory, the archive exception's
// cause, a scratch registry with fixed rounding and user, and a main frame that answers the document.
#pragma once

#include "../foundation/ScratchRegistry.h"
#include "../framework/core/ArchiveTestSupport.h"
#include "foundation/Registry.h"
#include "timelog/CLogDoc.h"
#include "timelog/ILogDocFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace modeltest {

using archive_test::Bytes;

// The bytes of obj.Serialize.
inline Bytes StoreObject(CObject& obj) {
    return archive_test::Store([&](CArchive& ar) { obj.Serialize(ar); });
}
// obj.Serialize from bytes.
inline void LoadObject(CObject& obj, const Bytes& bytes) {
    archive_test::Load(bytes, [&](CArchive& ar) { obj.Serialize(ar); });
}
// The cause of the CArchiveException that loading bytes into obj throws; -1 when it loads.
inline int LoadCause(CObject& obj, const Bytes& bytes) {
    return archive_test::CauseOf<CArchiveException>([&] { LoadObject(obj, bytes); });
}
// Whatever the loader throws (a framework exception of any kind is caught and deleted); false when it
// loads. Only a framework exception is a proper refusal: anything else ends the test program.
inline bool Refused(CObject& obj, const Bytes& bytes) {
    try {
        LoadObject(obj, bytes);
    } catch (CException* e) {
        e->Delete();
        return true;
    }
    return false;
}

// A main frame that answers the document's questions and records the errors it was given.
class RecordingFrame : public ILogDocFrame {
public:
    RecordingFrame() { SetLogDocFrame(this); }
    ~RecordingFrame() override { SetLogDocFrame(nullptr); }
    RecordingFrame(const RecordingFrame&) = delete;
    RecordingFrame& operator=(const RecordingFrame&) = delete;

    CLogDoc* GetLogViewDocument() override { return doc; }
    bool GetLogColumnIds(CDWordArray& ids) override {
        if (!hasLogGrid)
            return false;
        ids.Copy(columns);
        return true;
    }
    void ReportError(const char* message, long code, const char* detail) override {
        errors.push_back({message, code, detail});
    }
    void SetErrorSuppression(bool on) override { suppress = on; }
    bool GetErrorSuppression() const override { return suppress; }
    int GetErrorCount() const override { return static_cast<int>(errors.size()); }
    void ClearErrors() override { errors.clear(); }
    void RefreshTimesheetView() override { ++refreshes; }
    void RefreshInvoiceView() override { ++refreshes; }
    void RefreshTaskView() override { ++refreshes; }

    struct Error {
        std::string message;
        long code;
        std::string detail;
    };
    CLogDoc* doc = nullptr;
    bool hasLogGrid = true;
    CDWordArray columns;
    std::vector<Error> errors;
    bool suppress = false;
    int refreshes = 0;
};

// A scratch registry whose user is "tester" and whose rounding is off.
class ModelTest : public ::testing::Test {
protected:
    ModelTest() {
        RegWriteString(REG_DATABASE, "Username", "tester");
        CLogEntry::SetRoundingSettings(CRoundingSettings{});
    }
    ~ModelTest() override { CLogEntry::SetRoundingSettings(CRoundingSettings{}); }

    ScratchRegistry m_registry;
};

// A local time.
inline CTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CTime(year, month, day, hour, minute, second);
}

} // namespace modeltest
