// What a text search over the log (and the other views' objects) looks for: the phrase, its words, an
// optional project, and how the words combine.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"

class CProject;

struct CFindRequest {
    CString phrase;
    CStringArray words;           // the phrase split at blanks, pieces trimmed
    CProject* pProject = nullptr; // only items of this project; nullptr = any
    bool exactPhrase = false;     // search the phrase as one needle
    bool allWords = false;        // every word must be found (else any word)
};
