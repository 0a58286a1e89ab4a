# Header-only libraries from the build machine's Debian packages, as
# INTERFACE targets. A cross build (MinGW-w64, emscripten) cannot use the
# host's package config: it would put /usr/include, with the host's C
# library headers, on the target's path. It gets a copy of the library's own
# header folder alone.
#
#   ntc_header_library(<target> <header> <package> [<version>] IMPORTED <imported target>)
#
# <header> is a path below /usr/include whose first folder is copied
# ("fmt/format.h" copies fmt/).
function(ntc_header_library target header)
    cmake_parse_arguments(PARSE_ARGV 2 L "" "IMPORTED" "")
    add_library(${target} INTERFACE)
    if(CMAKE_CROSSCOMPILING)
        find_path(${target}_HOST_DIR ${header} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
        string(REGEX REPLACE "/.*" "" folder ${header})
        file(COPY ${${target}_HOST_DIR}/${folder} DESTINATION ${PROJECT_BINARY_DIR}/host-headers)
        target_include_directories(${target} SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/host-headers)
    else()
        find_package(${L_UNPARSED_ARGUMENTS} CONFIG REQUIRED)
        target_link_libraries(${target} INTERFACE ${L_IMPORTED})
    endif()
endfunction()
