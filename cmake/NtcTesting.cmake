# GoogleTest for every build: Debian's package on Linux, its sources
# (/usr/src/googletest) when cross-building for Windows and for a build on
# another standard library than the package's (libstdc++), such as libc++.
include(GoogleTest)
option(NTC_GTEST_FROM_SOURCES "Build GoogleTest from /usr/src/googletest" ${CMAKE_CROSSCOMPILING})
if(NTC_GTEST_FROM_SOURCES)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # Its own CMake files define GTest::gtest and GTest::gtest_main.
    add_subdirectory(/usr/src/googletest/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# Registers a GoogleTest program with CTest: one CTest test per case on the
# build machine; one test for the whole program where each run starts an
# emulator (Wine), which would otherwise start once per case.
function(ntc_add_gtest target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    else()
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
