# Runs ntc-beta-cli once and checks its exit status and output.
#   -DEXE=program -DEMULATOR=wrapper-or-empty -DARGS=a;b;c -DEXIT=n
#   -DSTDOUT=regex -DSTDERR=regex -DSTDIN=file -DLANG=locale (all optional but EXE, EXIT)
set(command ${EMULATOR} ${EXE} ${ARGS})
set(input_option)
if(STDIN)
    set(input_option INPUT_FILE ${STDIN})
endif()
# A UTF-8 locale either way: Wine turns the Unix arguments into Windows
# ones through the locale's character set, and "C" would lose "°" and "Ω".
if(LANG)
    set(ENV{LC_ALL} ${LANG})
else()
    set(ENV{LC_ALL} C.UTF-8)
endif()
execute_process(COMMAND ${command} ${input_option}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "exit ${status}\n--- stdout\n${out}--- stderr\n${err}---")
if(NOT status STREQUAL EXIT)
    message(FATAL_ERROR "exit status ${status}, expected ${EXIT}")
endif()
if(DEFINED STDOUT AND NOT STDOUT STREQUAL "" AND NOT out MATCHES "${STDOUT}")
    message(FATAL_ERROR "standard output does not match: ${STDOUT}")
endif()
if(DEFINED STDERR AND NOT STDERR STREQUAL "" AND NOT err MATCHES "${STDERR}")
    message(FATAL_ERROR "standard error does not match: ${STDERR}")
endif()
