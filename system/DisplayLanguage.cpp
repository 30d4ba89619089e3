#include "system/DisplayLanguage.h"

LANGID UserDisplayLanguage()
{
    return ::GetUserDefaultUILanguage();
}
