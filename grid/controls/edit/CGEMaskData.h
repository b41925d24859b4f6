// CGEMaskData: an input mask parsed into positions, the prompt character and the characters entered so
// far, for the masked edit cell. Each position is a literal (fixed, skipped, never typed over) or an
// editable place that takes one kind of character:
//   #  a digit          &  any character     ?  a letter
//   A  letter or digit  L  a letter, stored in lower case   U  a letter, stored in upper case
//   \  makes the next character a literal; every other character (and every double-byte one) is a literal.
// With no mask the object works on free text: every character is accepted up to the maximum length.
// It knows nothing of windows; the masked edit creates it through its run-time class, so a program can
// put its own subclass in its place. Positions count characters; a double-byte character is one position.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CRuntimeClass.h"
#include "framework/core/CString.h"

#include <windows.h>

#include <climits>
#include <vector>

class CGEMaskData : public CObject {
    DECLARE_DYNCREATE(CGEMaskData)
public:
    CGEMaskData() = default;

    // Forgets the mask (the data and the prompt stay).
    virtual void ClearMask();
    // Parses a mask; an empty or null text gives free-text mode (maximum length reset). The data is not
    // touched: call ResetData or store a text afterwards.
    virtual void SetMask(LPCSTR pszMask);
    // The entered characters of positions nFirst..nLast (-1: to the end) without literals; an empty
    // position gives a blank; bTrim drops trailing blanks. Free text: the display text.
    virtual void GetValue(CString& strResult, int nFirst = 0, int nLast = -1, BOOL bTrim = FALSE);
    // Places the characters of a value (no literals) into successive editable positions from nStart (-1:
    // reset first and start at 0), overwriting or inserting. Stops at the first refused character, keeping
    // those before it. Answers the position after the last stored character, -1 when nothing could start.
    virtual int PutValue(LPCSTR pszValue, int nStart, BOOL bInsert);
    // The shown text of positions nFirst..nLast (-1: to the end): literals, prompts and entered characters.
    virtual void GetDisplayText(CString& strResult, int nFirst = 0, int nLast = -1);
    // Stores a text that includes the literals from nStart (-1: reset first). Every literal must match and
    // every other character pass IsValidChar, else -1. Answers the position after the last one read.
    virtual int PutDisplayText(LPCSTR pszText, int nStart, BOOL bInsert);
    // Whether a character (one or two bytes) may stand at a position; converts it (blank to the prompt,
    // L and U to their case).
    virtual BOOL IsValidChar(int nPos, CString& strChar);
    // The first editable position after nPos, -1 when none; nPos itself when there are no positions or it
    // lies at or beyond the end.
    virtual int GetNextEditPos(int nPos);
    // The nearest editable position before nPos; -1 when none.
    virtual int GetPrevEditPos(int nPos);
    // Where a caret at nPos belongs so that it never lands beyond the entered characters.
    virtual int GetInputEnd(int nPos);
    // Inserts a character at an editable position, shifting the filled positions after it to the right;
    // FALSE (nothing changed) when the last editable position is filled. nNext: where the caret goes.
    virtual BOOL InsertCharAt(int nPos, const CString& strChar, int& nNext);
    // Removes the characters of the editable positions nStart up to, not including, nEnd and closes the
    // gap; the freed positions at the end show the prompt. Note the order: end first.
    virtual void DeleteRange(int nEnd, int nStart);
    // TRUE when every position holds what its mask allows (prompt and blank allowed) and every literal
    // its literal; free text: when it fits the maximum length.
    virtual BOOL IsDataValid();
    virtual BOOL IsMaskEmpty() const { return m_mask.empty(); }
    virtual int GetDataCount() const { return static_cast<int>(m_data.size()); }
    // Byte index of a position in the display text and back (they differ only with double-byte text).
    virtual int TextIndexFromPosition(int nPos);
    virtual int PositionFromTextIndex(int nIndex);
    // Every literal position shows its literal, every editable one the prompt; free text: empty.
    virtual void ResetData();
    virtual int GetMaxLength() const { return m_nMaxLength; }
    virtual void SetMaxLength(int nMaxLength) { m_nMaxLength = nMaxLength; }
    // TRUE for the six mask characters # & ? A L U.
    virtual BOOL IsMaskChar(const CString& strChar) const;
    virtual BOOL IsLiteral(int nPos) const;

    // Sets the prompt (one character of one or two bytes; empty gives "_"); FALSE for anything longer.
    // bReplace: the empty positions show the new prompt.
    BOOL SetPromptChar(LPCSTR pszPrompt, BOOL bReplace);
    const CString& GetPromptChar() const { return m_strPrompt; }
    int GetPositionCount() const { return static_cast<int>(m_mask.size()); }

protected:
    // Free text: no mask and the free-text flag set.
    BOOL IsFreeText() const { return m_nFreeText != 0 && m_mask.empty(); }
    // An editable position within the data that holds an entered character (not the prompt).
    BOOL IsFilled(int nPos) const;
    void StoreAt(int nPos, const CString& strChar);

    std::vector<CString> m_mask; // the mask character or the literal text of each position
    std::vector<BYTE> m_literal; // 1: literal position
    std::vector<CString> m_data; // what each position shows
    CString m_strPrompt = "_";
    int m_nFreeText = 1;
    int m_nMaxLength = INT_MAX;
};
