// The preference bootstrap that every start runs before the single-instance test: it records where the
// program lives (for the sibling product) and writes the default value of every preference introduced
// after the defaults last written on this machine. Defaults come in numbered generations; "Defaults"
// under the product key holds the newest generation written, so a newer program writes only what an
// older one did not know and never overwrites a value the user changed.
#pragma once

#include "framework/core/CString.h"

#include <functional>
#include <span>

// The newest generation of defaults this program knows.
constexpr int kNewestDefaultsGeneration = 220;

// A helper object's own defaults writer (the update object, the inactivity monitor): it is handed the
// generation stored before this start and writes what it introduced after that one.
using DefaultsWriter = std::function<void(int storedGeneration)>;

// Writes "Pathname", "Directory", "Window class name" and "Version"; then every default of a
// generation above the stored one, in table order; then calls each helper writer with the stored
// generation and makes the log entries round by the stored rounding settings; finally raises
// "Defaults" to the newest generation (it is never lowered). Returns the generation stored before.
int WritePreferenceDefaults(const char* windowClassName, std::span<const DefaultsWriter> helperWriters = {});

// The user name the defaults use: the Windows logon name, else the machine's registered owner, else
// the string "User".
CString DefaultUserName();
