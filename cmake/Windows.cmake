# The Windows build: Hourglade.exe, its integration tests and benchmarks, all linked statically so that each
# program is one file that runs on a bare Windows or Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR} -I${CMAKE_SOURCE_DIR}/res")

add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# One commit gives the same program byte for byte, wherever and whenever it is built: no link time in the PE
# header, and source paths (of __FILE__ and debug information) relative to the checkout rather than absolute.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)

add_library(hourglade_core STATIC ${HG_CORE_SOURCES})

# The framework, which names nothing of the program: the program and the framework's own test program link it.
add_library(hourglade_framework STATIC
  framework/Accessible.cpp
  framework/App.cpp
  framework/Dialog.cpp
  framework/DibSection.cpp
  framework/Registry.cpp
  framework/Report.cpp
  framework/Wnd.cpp
)
target_link_libraries(hourglade_framework PUBLIC oleacc ole32 oleaut32 advapi32 gdi32 user32)
target_precompile_headers(hourglade_framework PRIVATE <windows.h> <string> <vector> <optional> <array>)

# The program's windows: an object library, so that every program gets the application object even though no code
# names it.
add_library(hourglade_ui OBJECT
  app/HourgladeApp.cpp
  app/Language.cpp
  app/SingleInstance.cpp
  controls/ErrDlg.cpp
  controls/ListPopupDlg.cpp
  controls/MsgDlg.cpp
  controls/NumDlg.cpp
  controls/PopupDlg.cpp
  controls/TComboBox.cpp
  controls/TDropDownDlg.cpp
  mainpanel/ExitDlg.cpp
  mainpanel/MainDlg.cpp
  mainpanel/TrayIcon.cpp
  panels/AlarmDlg.cpp
  panels/TimeOfDayDlg.cpp
  panels/CounterDlg.cpp
  panels/CountingPanel.cpp
  panels/PanelDlg.cpp
  panels/ShutdownDlg.cpp
  panels/TimeFieldButton.cpp
  panels/TimeFieldDlg.cpp
  panels/TimerDlg.cpp
)
target_link_libraries(hourglade_ui PUBLIC hourglade_core hourglade_framework gdiplus shell32 winmm powrprof advapi32 comctl32
  gdi32 user32 oleacc ole32 oleaut32)
target_precompile_headers(hourglade_ui REUSE_FROM hourglade_framework)

# Dialog templates, menu, icons, version record and manifest, linked into every program that shows the windows.
add_library(hourglade_res OBJECT res/Hourglade.rc)
file(GLOB HG_RESOURCE_INPUTS CONFIGURE_DEPENDS res/*.rc res/*.h res/*.manifest res/icons/*.ico)
set_source_files_properties(res/Hourglade.rc PROPERTIES OBJECT_DEPENDS "${HG_RESOURCE_INPUTS}")

# What the program asks of the system and test builds replace with stand-ins: the wall and steady time, the one-second
# ticks, the power capabilities and actions with the shutdown privilege, the high-contrast theme and the display
# language. It is the folder system/, file for file.
add_library(hourglade_system STATIC
  system/Now.cpp
  system/SecondTicks.cpp
  system/PowerActions.cpp
  system/ShutdownPrivilege.cpp
  system/HighContrast.cpp
  system/DisplayLanguage.cpp
)
target_link_libraries(hourglade_system PUBLIC winmm powrprof advapi32 user32)
target_precompile_headers(hourglade_system REUSE_FROM hourglade_framework)

add_executable(Hourglade WIN32 framework/WinMain.cpp $<TARGET_OBJECTS:hourglade_res>)
target_link_libraries(Hourglade PRIVATE hourglade_ui hourglade_system)
target_link_options(Hourglade PRIVATE -municode)
# The release program ships without symbols and without the debug sections the static runtime brings along.
target_link_options(Hourglade PRIVATE $<$<CONFIG:Release>:-s>)

add_subdirectory(tests/wine)
add_subdirectory(tests/e2e)
add_subdirectory(bench)
