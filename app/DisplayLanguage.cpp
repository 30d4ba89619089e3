#include "app/Language.h"

LANGID UserDisplayLanguage()
{
    return ::GetUserDefaultUILanguage();
}
