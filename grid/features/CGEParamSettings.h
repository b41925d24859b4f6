// CGEParamSettings: the plain settings of a grid parameter object (flags, flag words, sizes, counts, the
// grid name is not among them) in the groups and order of the parameter archive. The document archive
// reads and writes them through here and the parameter copy copies them through here, so both always
// cover the same settings.
#pragma once

#include "framework/core/AfxDefs.h"

#include <vector>

class CArchive;
class CGEGridParam;

class CGEParamSettings {
public:
    // How a setting is stored: a 32-bit flag as one byte, a 16-bit word, a 32-bit value, or a 32-bit
    // value kept in 16 bits.
    enum class Width { flag, word, dword, dwordAsWord };
    // The groups of the archive, each with the schema from which it is present.
    enum class Group {
        head,      // the flags, flag words and numbers before the grid name
        afterName, // the numbers between the grid name and the owned objects
        schema2,   // from schema 2 on
        schema3,   // ...
        schema4,
        schema5,
        schema6,     // before the floating and merging modes
        schema6Tail, // after the merging pools
        schema8,
        schema9,
    };
    struct Field {
        Width width;
        void* pValue; // a BOOL, WORD or 32-bit member of the parameter object
    };

    // The fields of a group of param, in archive order.
    static std::vector<Field> Fields(CGEGridParam& param, Group group);
    // Writes or reads the group's fields. Loading reads each flag byte into its 32-bit field.
    static void Serialize(CGEGridParam& param, Group group, CArchive& ar);
    // Copies the group's fields from src to dst.
    static void Copy(CGEGridParam& dst, const CGEGridParam& src, Group group);
};
