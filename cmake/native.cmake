# The native program for Linux and macOS: the emulated dialogs with the terminal front end
# (programs/terminal/), its Debian package, and its end-to-end tests, which drive it in tmux.
set(CURSES_NEED_NCURSES TRUE)
set(CURSES_NEED_WIDE TRUE)
find_package(Curses REQUIRED)

file(GLOB terminal_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/programs/terminal/*.cpp)
list(FILTER terminal_sources EXCLUDE REGEX "/main\\.cpp$")
add_library(terminal_ui STATIC ${terminal_sources})
target_include_directories(terminal_ui PUBLIC ${CMAKE_SOURCE_DIR} ${CURSES_INCLUDE_DIRS})
target_compile_options(terminal_ui PUBLIC ${CURSES_CFLAGS})
target_link_libraries(terminal_ui PUBLIC emulated_ui posix_system ${CURSES_LIBRARIES})
# The command line's --version reads the generated version header.
target_include_directories(terminal_ui PRIVATE ${ZRK_GENERATED_DIR})

add_executable(zrk-md11-installer ${CMAKE_SOURCE_DIR}/programs/terminal/main.cpp)
target_link_libraries(zrk-md11-installer PRIVATE installer_core terminal_ui emulated_ui
                      dialog_resources platform_common posix_system ${CURSES_LIBRARIES})
include(cmake/package.cmake)

if(ZRK_BUILD_TESTS)
    enable_testing()
    find_package(GTest REQUIRED)
    include(GoogleTest)
    # The front end's layout, keys and file-open panel, without a terminal.
    file(GLOB terminal_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/terminal/*.cpp)
    add_executable(terminal_tests ${terminal_test_sources})
    target_link_libraries(terminal_tests PRIVATE terminal_ui emulated_ui dialog_resources
                          platform_common posix_system test_support GTest::gtest_main)
    gtest_discover_tests(terminal_tests TEST_PREFIX terminal. DISCOVERY_TIMEOUT 60)

    # The real program in tmux, one scenario per script, each on a fresh demo folder.
    file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/terminal/test_*.sh)
    foreach(script ${e2e_scripts})
        get_filename_component(name ${script} NAME_WE)
        add_test(NAME tmux.${name}
                 COMMAND bash ${script} $<TARGET_FILE:zrk-md11-installer>
                         ${CMAKE_BINARY_DIR}/e2e-terminal/${name})
        set_tests_properties(tmux.${name} PROPERTIES TIMEOUT 120 LABELS tmux)
    endforeach()

    # What a user downloads: both packages built by tools/make-dist.sh (the i686 and Release
    # builds, lintian) and looked into. `ctest -L dist` runs it alone.
    add_test(NAME dist.packages
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/dist/test_packages.sh
                     ${CMAKE_BINARY_DIR}/e2e-dist)
    set_tests_properties(dist.packages PROPERTIES TIMEOUT 900 LABELS dist)
endif()
