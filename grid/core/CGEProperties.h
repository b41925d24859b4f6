// CGEProperties: the display and print settings of a grid, shared like the parameter object: zoom,
// grid lines, 3-D headers, marking of the current cell's headers, the colour table, user properties by
// id (each a style whose value is the property's value), margins, page order, breaks, header and footer
// blocks and the print tokens. Header and footer printing goes to the print feature of the grid that
// uses these properties.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObject.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"
#include "grid/core/GECoreDefs.h"

#include <map>
#include <memory>

class CDC;
class CDocument;
class CGEData;
class CGEGridParam;
class CGEStyle;
class CGEStylesMap;
class CPrintInfo;

class CGEProperties : public CObject {
    DECLARE_SERIAL(CGEProperties)
public:
    // Indexes of the colour table.
    enum Color { colorGridLines = 0, colorFixedLines, colorTrackingLine, colorDraggingLine, colorBackground };
    // One user property: its id, its name and the style that holds its value.
    struct UserProperty {
        WORD nId = 0;
        CString strName;
        std::unique_ptr<CGEStyle> pStyle;
    };

    CGEProperties();
    ~CGEProperties() override;
    // Assignment belongs to the parameter-copy feature (which copies through CopyFrom); nothing without it.
    CGEProperties& operator=(const CGEProperties& src);
    // A deep copy of every setting, the user properties and the header and footer blocks.
    void CopyFrom(const CGEProperties& src);

    // Colour names from the string table, the default colours, the print tokens and the user property
    // "Current Cell." (51005).
    void AddDefaults();
    // The archive form belongs to the document-serialisation feature; nothing without it.
    void Serialize(CArchive& ar) override;
    // The settings in the profile section m_strSection, through the registry-profile feature (nothing
    // without it; reading then returns FALSE).
    void WriteProfile() const;
    BOOL ReadProfile();

    // The drawable colour of a colour-table entry (system-colour references resolved); black when the
    // index is outside the table.
    COLORREF GetColorValue(int nIndex) const;
    void SetColor(int nIndex, DWORD dwEncodedColor);

    // ---- user properties ----
    // Adds a property (name from the string table when pszName is null); an existing id keeps its entry.
    void AddUserProperty(WORD nId, LPCSTR pszName, const CGEStyle* pStyle = nullptr);
    // The value text of a property; empty when it has none.
    CString GetUserProperty(WORD nId) const;
    void SetUserProperty(WORD nId, LPCSTR pszValue);
    const std::map<WORD, UserProperty>& GetUserProperties() const { return m_mapUserProperties; }
    std::map<WORD, UserProperty>& GetUserProperties() { return m_mapUserProperties; }

    // ---- display ----
    // Grid lines in the current state (the printing twins while printing).
    BOOL GetDisplayVertLines() const { return m_bPrinting ? m_bPrintVertLines : m_bDisplayVertLines; }
    BOOL GetDisplayHorzLines() const { return m_bPrinting ? m_bPrintHorzLines : m_bDisplayHorzLines; }
    BOOL GetDisplayFrozenRowLine() const { return m_bPrinting ? m_bPrintFrozenRowLine : m_bFrozenRowLine; }
    BOOL GetDisplayFrozenColLine() const { return m_bPrinting ? m_bPrintFrozenColLine : m_bFrozenColLine; }

    // ---- header and footer (through the print feature of a grid using these properties) ----
    void PrintHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGEGridParam* pParam);
    int CalcHeaderFooterHeight(CDC* pDC, CGEData* pBlock, CGEStylesMap* pStyles);
    void DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo, const CRect& rect, CGEData* pBlock,
                          CGEStylesMap* pStyles);
    CString SubstTokenText(const CString& strText);
    CString GetTokenValue(CString& strToken, CString& strRest);
    CString ParseTokenArgument(CString& strRest);

    CString m_strSection = "Grid"; // the profile section
    int m_nZoom = 100;
    BOOL m_b3dHeaders = TRUE;
    BOOL m_b3dLook = FALSE;
    BOOL m_bDisplayVertLines = TRUE;
    BOOL m_bDisplayHorzLines = TRUE;
    BOOL m_bMarkRowHeader = TRUE;
    BOOL m_bMarkColHeader = TRUE;
    BOOL m_bFrozenRowLine = TRUE;
    BOOL m_bFrozenColLine = TRUE;
    BOOL m_bPrinting = FALSE;
    BOOL m_bBlackWhite = FALSE;
    BOOL m_bPrintColors = TRUE;
    BOOL m_bPrintVertLines = TRUE;
    BOOL m_bPrintHorzLines = TRUE;
    BOOL m_bPrintFrozenRowLine = TRUE;
    BOOL m_bPrintFrozenColLine = TRUE;
    BOOL m_bPrintRowHeaders = TRUE;
    BOOL m_bPrintColHeaders = TRUE;
    // Both set: editing backgrounds white, the progress bar black on white.
    BOOL m_bDisplayOption1 = FALSE;
    BOOL m_bDisplayOption2 = FALSE;

    CDWordArray m_ColorTable; // encoded colours (high byte 254 - index for system colours)
    CStringArray m_ColorNames;

    // Print settings (logical units of one screen pixel).
    int m_nLeftMargin = 72, m_nTopMargin = 72, m_nRightMargin = 72, m_nBottomMargin = 72;
    int m_nHeaderDistance = 36, m_nFooterDistance = 36;
    DWORD m_nFirstPage = 0xFFFFFFFF;
    int m_nPageOrder = 0;
    BOOL m_bCenterHorizontal = FALSE;
    BOOL m_bCenterVertical = FALSE;
    BOOL m_bPrintFrame = FALSE;
    CDWordArray m_ColBreaks;
    CDWordArray m_RowBreaks;
    std::unique_ptr<CGEData> m_pHeaderData; // 10 lines by 3 columns
    std::unique_ptr<CGEData> m_pFooterData;
    CStringArray m_TokenNames; // "$F", "$A", "$P", "$N", "$D", "$R"
    CStringArray m_TokenValues;

private:
    std::map<WORD, UserProperty> m_mapUserProperties;
};
