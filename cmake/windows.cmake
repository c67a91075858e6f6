# Windows builds (MinGW-w64 cross compilers): the Win32 halves of the platform, Install.exe, and
# the Wine prefix that the cross-built tests run in.
enable_language(RC)

zrk_library(win32_ui ${CMAKE_SOURCE_DIR}/platform/win32/win32_ui_*.cpp)
zrk_library(win32_system ${CMAKE_SOURCE_DIR}/platform/win32/win32_system_*.cpp)
target_link_libraries(win32_ui PUBLIC user32 comdlg32)
target_link_libraries(win32_system PUBLIC kernel32)
set(ZRK_SYSTEM_HALF win32_system)

add_executable(Install WIN32 programs/windows/main.cpp resources/installer.rc)
set_target_properties(Install PROPERTIES OUTPUT_NAME Install)
# The resource compiler finds control_ids.h beside installer.rc, and the version header and the
# manifest, both with the project's version filled in, among the generated files.
configure_file(resources/installer.manifest.in ${ZRK_GENERATED_DIR}/installer.manifest @ONLY)
target_include_directories(Install PRIVATE ${CMAKE_SOURCE_DIR}/resources ${ZRK_GENERATED_DIR})
set_property(SOURCE resources/installer.rc APPEND PROPERTY OBJECT_DEPENDS
             ${ZRK_GENERATED_DIR}/installer.manifest ${ZRK_GENERATED_DIR}/installer_version.h)
target_link_libraries(Install PRIVATE installer_core win32_ui dialog_resources platform_common
                      win32_system user32 comdlg32 kernel32)
# Static runtime: Install.exe imports nothing but Windows' own DLLs, so it runs from any folder.
# A Release build is the one that ships, without its symbols (less than half the size).
target_link_options(Install PRIVATE -static -static-libgcc -static-libstdc++
                    $<$<CONFIG:Release>:-s>)

if(ZRK_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
    enable_testing()
    # One Wine prefix per build tree, made once by the fixture below; every test program runs
    # in it through the emulator script.
    set(ZRK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh --prefix
                                      ${ZRK_WINEPREFIX})
    # The programs named here get Wine's unmanaged windows: without a window manager, Wine
    # otherwise stalls about 2 s whenever one of their windows is hidden or destroyed.
    add_test(NAME wine_prefix
             COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh --prefix ${ZRK_WINEPREFIX} --setup
                     Install.exe e2e_tests.exe)
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
endif()
