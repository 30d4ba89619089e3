// The program's name and version, for the version record and the main panel's version line.
#pragma once

#define HG_PROGRAM_NAME "Hourglade"

#define HG_VERSION_MAJOR 5
#define HG_VERSION_MINOR 1
#define HG_VERSION_PATCH 0
#define HG_VERSION_BUILD 0

#define HG_STRINGIZE_(x) #x
#define HG_STRINGIZE(x) HG_STRINGIZE_(x)

// "5.1.0" and "5.1.0.0"
#define HG_VERSION_TEXT \
    HG_STRINGIZE(HG_VERSION_MAJOR) "." HG_STRINGIZE(HG_VERSION_MINOR) "." HG_STRINGIZE(HG_VERSION_PATCH)
#define HG_VERSION_FULL_TEXT HG_VERSION_TEXT "." HG_STRINGIZE(HG_VERSION_BUILD)
#define HG_VERSION_LINE HG_PROGRAM_NAME "  ver. " HG_VERSION_TEXT
