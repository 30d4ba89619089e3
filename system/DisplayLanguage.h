#pragma once
// The user's display language, which the program's windows follow. Test builds link one that the test sets.
#include <windows.h>

// GetUserDefaultUILanguage.
LANGID UserDisplayLanguage();
