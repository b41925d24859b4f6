#include "foundation/TextRoutines.h"

#include "foundation/LocaleFormat.h"

#include <cstring>

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

void SplitString(const CString& text, CStringArray& parts, char separator, bool trim) {
    parts.RemoveAll();
    int start = 0;
    for (;;) {
        const int end = text.Find(separator, start);
        CString piece = end < 0 ? text.Mid(start) : text.Mid(start, end - start);
        if (trim) {
            piece.Trim();
            StripEnclosingQuotes(piece);
        }
        parts.Add(piece);
        if (end < 0)
            return;
        start = end + 1;
    }
}

void SplitAtChar(CString& text, CStringArray& parts, char separator) {
    SplitString(text, parts, separator, false);
    text.Empty();
}

bool ParseNumberList(CString& text, CDWordArray& numbers) {
    bool allNumbers = true;
    const char* p = text.GetString();
    while (*p != '\0') {
        const size_t length = strcspn(p, ", -");
        // "1, 2" holds an empty piece between ',' and ' ': it stands for no number.
        if (length > 0) {
            int value = 0;
            if (ReadLeadingInt(CString(p, static_cast<int>(length)), &value))
                numbers.Add(static_cast<DWORD>(value));
            else
                allNumbers = false;
        }
        p += length;
        if (*p != '\0')
            ++p;
    }
    text.Empty();
    return allNumbers;
}

void JoinStrings(const CStringArray& parts, CString& out, const char* separator) {
    out.Empty();
    for (INT_PTR i = 0; i < parts.GetSize(); ++i) {
        if (i > 0)
            out += separator;
        out += parts[i];
    }
}

int FindDWordInArray(const CDWordArray& values, DWORD value) {
    for (INT_PTR i = 0; i < values.GetSize(); ++i) {
        if (values[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}

int FindStringNoCase(const CStringArray& texts, const char* text) {
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) {
        if (texts[i].CompareNoCase(text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void InsertStringSorted(CStringArray& texts, const char* text) {
    CString key = text;
    key.MakeLower();
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) {
        CString element = texts[i];
        element.MakeLower();
        if (element.Compare(key) > 0) {
            texts.InsertAt(i, text);
            return;
        }
    }
    texts.Add(text);
}

CString StripEnclosingQuotes(CString& text) {
    const int length = text.GetLength();
    if (length >= 2 && text[0] == '"' && text[length - 1] == '"')
        text = text.Mid(1, length - 2);
    return text;
}

void ReplaceApostrophes(CString& text, bool toBackquote) {
    if (toBackquote)
        text.Replace('\'', '`');
    else
        text.Replace('`', '\'');
}

void SkipLineBreaks(const CString& text, int& pos) {
    while (pos < text.GetLength() && IsLineBreak(text[pos]))
        ++pos;
}

bool NextLine(const CString& text, int& pos) {
    while (pos < text.GetLength() && !IsLineBreak(text[pos]))
        ++pos;
    SkipLineBreaks(text, pos);
    return pos < text.GetLength();
}

bool ReadNextField(const CString& text, CString& field, char separator, int& pos) {
    field.Empty();
    if (pos < 0 || pos >= text.GetLength() || IsLineBreak(text[pos]))
        return false;
    const int start = pos;
    while (pos < text.GetLength() && text[pos] != separator && !IsLineBreak(text[pos]))
        ++pos;
    field = text.Mid(start, pos - start);
    if (pos < text.GetLength() && text[pos] == separator)
        ++pos;
    return true;
}

int CountTabFields(const CString& text, int* stop) {
    int fields = 1;
    int pos = 0;
    for (; pos < text.GetLength() && !IsLineBreak(text[pos]); ++pos) {
        if (text[pos] == '\t')
            ++fields;
    }
    if (stop)
        *stop = pos;
    return fields;
}
