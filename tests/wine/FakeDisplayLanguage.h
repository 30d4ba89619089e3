#pragma once
// The tests' display language: Japanese, or English when the run is started with HG_TEST_LANGUAGE=en; a test may
// set another before it starts the application.
#include <windows.h>

namespace fake_language {
void Set(LANGID language);
}  // namespace fake_language
