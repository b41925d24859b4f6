// What the table sets share beyond CBaseRecordset: the progress shown while a whole list is written,
// the checks that keep a row from losing text, and the repairs applied to values read from rows.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "data/CBaseRecordset.h"
#include "framework/win/CWaitCursor.h"

#include <functional>
#include <memory>

class CLogDoc;
class CWnd;

// The longest text kept in a long-text column (descriptions): read whole, and refused beyond this.
constexpr int kLongTextLength = 1000000;

// A status text and a progress bar in a dialog (a writing or deleting window). Usable() is false when
// the dialog or either id is missing or the dialog has no such progress control; every other call
// then does nothing.
class CWriteProgress {
public:
    CWriteProgress(CWnd* dialog, UINT textId, UINT progressId);

    bool Usable() const noexcept { return m_usable; }
    void SetText(const char* text) const;
    // Range 0..count, position 0.
    void Start(int count) const;
    // Position done, then lets the window messages that wait run (the dialog stays painted).
    void Step(int done) const;

private:
    CWnd* m_dialog;
    UINT m_textId;
    UINT m_progressId;
    bool m_usable;
};

// Lets the window messages that wait run.
void PumpWaitingMessages();

// Throws a CDBException (naming the column) when a bound text member is longer than its column keeps,
// so that a row is never written with a text that would come back cut. Call before Update.
void CheckTextWidths(CRecordset& set);

// A time read from a row, with 0 (NULL) replaced by fallback.
inline CTime TimeOr(const CTime& time, const CTime& fallback) {
    return time.GetTime() == 0 ? fallback : time;
}

// A number read from a row: a NULL column reads as the framework's reserved value, which becomes
// fallback here.
long LongOr(const CRecordset& set, const long& member, long fallback);
int IntOr(const CRecordset& set, const int& member, int fallback);
// A money or rate value: NULL, not a number or outside [low, high] becomes fallback.
double BoundedOr(double value, double low, double high, double fallback);

// Opens set on the rows whose GUID is guid (exactly; nothing else is read), unsorted. False when the
// set cannot be opened.
bool OpenOnGUID(CBaseRecordset& set, const CString& guid);
// The set stands on a row whose GUID is exactly guid.
bool IsOnGUID(CBaseRecordset& set, const CString& guid);

// Writes the open set's current row when it has guid (Edit), else a new row (AddNew): fill sets the
// field members; the set is closed afterwards.
template <typename Fill> void WriteRowOfGUID(CBaseRecordset& set, const CString& guid, Fill fill) {
    if (IsOnGUID(set, guid))
        set.Edit();
    else
        set.AddNew();
    fill();
    CheckTextWidths(set);
    set.Update();
    set.Close();
}

// Runs work (which returns bool) on the set; a CDBException from it goes to the set's error hook with
// context, the set is closed and the result is false.
template <typename Work> bool RunOnSet(CBaseRecordset& set, CObject* context, Work work) {
    try {
        return work();
    } catch (CDBException* e) {
        set.OnDatabaseError(context, e);
        e->Delete();
        set.Close();
        return false;
    }
}

// Reads every row of the table (in sort order) into a new Object: fill copies the row into it, add
// takes it over. False when the set cannot be opened or read (reported with context).
template <typename Object, typename Fill, typename Add>
bool LoadRows(CBaseRecordset& set, CObject* context, const char* sort, Fill fill, Add add) {
    set.m_strFilter.Empty();
    set.m_strSort = sort;
    if (set.IsOpen())
        set.Close();
    if (!set.Open())
        return false;
    CWaitCursor wait;
    return RunOnSet(set, context, [&] {
        for (; !set.IsEOF(); set.MoveNext()) {
            auto object = std::make_unique<Object>();
            fill(*object);
            add(object.release());
        }
        set.Close();
        return true;
    });
}

// Adds a row for each of count objects (objectAt(i) gives object i) whose GUID has no row in the table;
// toRow fills the members. Shows text and the progress in the dialog. False when the dialog lacks the
// controls, or the set cannot be opened or written (reported with context).
template <typename ObjectAt, typename ToRow>
bool WriteMissingRows(CBaseRecordset& set, CObject* context, CWnd* dialog, UINT textId, UINT progressId,
                      const char* text, int count, ObjectAt objectAt, ToRow toRow) {
    const CWriteProgress progress(dialog, textId, progressId);
    if (!context || !progress.Usable())
        return false;
    set.m_strFilter.Empty();
    set.m_strSort.Empty();
    if (set.IsOpen())
        set.Close();
    if (!set.Open())
        return false;
    CWaitCursor wait;
    return RunOnSet(set, context, [&] {
        progress.SetText(text);
        progress.Start(count);
        for (int i = 0; i < count; ++i) {
            auto* object = objectAt(i);
            if (object && !set.FindByGUID(object->GetGUID())) {
                set.AddNew();
                toRow(*object);
                CheckTextWidths(set);
                set.Update();
            }
            progress.Step(i + 1);
        }
        set.Close();
        return true;
    });
}

// Writes one object of the shared data and, when written, records the change in the change counter of
// doc: the row of guid is edited; otherwise chooseRow (when given) may move the set onto another row and
// returns the GUID to write under (a row taken over), else a row is added. fill sets the members.
// Failures are reported through the set's error hook.
bool SaveSharedRow(CBaseRecordset& set, CLogDoc* doc, const CString& guid, const std::function<void()>& fill,
                   const std::function<CString()>& chooseRow = {});
