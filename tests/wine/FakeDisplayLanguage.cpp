#include "tests/wine/FakeDisplayLanguage.h"

#include <cstdlib>
#include <string>

#include "app/Language.h"
#include "system/DisplayLanguage.h"

namespace {
// Japanese unless the run asks for English (HG_TEST_LANGUAGE=en), whatever the machine's own language.
LANGID InitialLanguage()
{
    const char* asked = std::getenv("HG_TEST_LANGUAGE");
    return asked && std::string(asked) == "en" ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US) : kJapanese;
}
LANGID g_language = InitialLanguage();
}  // namespace

LANGID UserDisplayLanguage()
{
    return g_language;
}

namespace fake_language {
void Set(LANGID language)
{
    g_language = language;
}
}  // namespace fake_language
