// The ids of the framework tests' own resources, for framework.rc and the tests.
#pragma once

#define IDD_PROBE 101
#define IDR_PROBE_MENU 102
#define IDC_PROBE_CHECK 1001
