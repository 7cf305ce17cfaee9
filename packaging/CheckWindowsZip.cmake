# Builds the Windows ZIP with CPack and checks it: every entry a Windows user needs and
# nothing else, a README with Windows line ends, and a zeftctl.exe that runs from the
# unpacked folder (through EMULATOR, Wine, when one is given).
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPACKAGE_NAME=zeft-<version>-win64
#         -DCPACK_COMMAND=<cpack> [-DEMULATOR=<wine>] [-DWINDOW_PROGRAM_FILES=zeft.exe,Qt6Core.dll,...]
#         -P CheckWindowsZip.cmake

cmake_minimum_required(VERSION 3.25)

set(_zip "${BUILD_DIR}/${PACKAGE_NAME}.zip")
set(_work "${BUILD_DIR}/windows-zip-check")
file(REMOVE "${_zip}")
file(REMOVE_RECURSE "${_work}")
file(MAKE_DIRECTORY "${_work}")

execute_process(COMMAND "${CPACK_COMMAND}" -G ZIP --config "${BUILD_DIR}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _result EQUAL 0 OR NOT EXISTS "${_zip}")
    message(FATAL_ERROR "cpack made no ${_zip} (${_result}):\n${_out}\n${_err}")
endif()

set(_problems "")
set(_expected "${PACKAGE_NAME}/zeftctl.exe" "${PACKAGE_NAME}/README.txt")
# WINDOW_PROGRAM_FILES: with the window program, zeft.exe and what it runs with (commas).
string(REPLACE "," ";" _window_files "${WINDOW_PROGRAM_FILES}")
foreach(_file IN LISTS _window_files)
    list(APPEND _expected "${PACKAGE_NAME}/${_file}")
endforeach()
foreach(_folder IN ITEMS help pictures)
    file(GLOB _files RELATIVE "${SOURCE_DIR}/${_folder}" "${SOURCE_DIR}/${_folder}/*")
    foreach(_file IN LISTS _files)
        if(NOT _file MATCHES "^\\.")
            list(APPEND _expected "${PACKAGE_NAME}/${_folder}/${_file}")
        endif()
    endforeach()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar tf "${_zip}" OUTPUT_VARIABLE _listing RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "cannot list ${_zip}")
endif()
string(REPLACE "\n" ";" _entries "${_listing}")
list(FILTER _entries EXCLUDE REGEX "(^$|/$)") # folders
foreach(_entry IN LISTS _expected)
    if(NOT _entry IN_LIST _entries)
        list(APPEND _problems "missing: ${_entry}")
    endif()
endforeach()
foreach(_entry IN LISTS _entries)
    if(NOT _entry IN_LIST _expected)
        list(APPEND _problems "not wanted: ${_entry}")
    endif()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${_zip}" WORKING_DIRECTORY "${_work}")
set(_folder "${_work}/${PACKAGE_NAME}")
# file(READ) drops carriage returns from text: the bytes are counted in hex. The README
# is ASCII, so a 0d0a or 0a found across two bytes' digits cannot occur.
file(READ "${_folder}/README.txt" _bytes HEX)
string(REGEX MATCHALL "0d0a" _crlf "${_bytes}")
string(REGEX MATCHALL "0a" _lf "${_bytes}")
list(LENGTH _crlf _crlfCount)
list(LENGTH _lf _lfCount)
if(_crlfCount EQUAL 0 OR NOT _crlfCount EQUAL _lfCount)
    list(APPEND _problems "README.txt: ${_crlfCount} of its ${_lfCount} lines end in CR LF")
endif()
file(READ "${_folder}/README.txt" _readme)
if(NOT _readme MATCHES "zeftctl read --port COM3")
    list(APPEND _problems "README.txt: no example with a COM port")
endif()
if(_readme MATCHES "@")
    list(APPEND _problems "README.txt: a placeholder was left: ${_readme}")
endif()

if(EMULATOR)
    execute_process(COMMAND ${EMULATOR} "${_folder}/zeftctl.exe" calc shape --shape 12 --x 1000 --h 1000 --json
                    OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _result)
    string(REPLACE "\r" "" _out "${_out}")
    set(_want "{\"levels\":[\"14\",\"37\",\"63\",\"86\"],\"bottomLimit\":\"1000\",\"bottomLimitMm\":1000,\"volume\":\"785\"}\n")
    if(NOT _result EQUAL 0 OR NOT _out STREQUAL _want)
        list(APPEND _problems "the unpacked zeftctl.exe gave (${_result}) ${_out}${_err}")
    endif()
endif()

if(_problems)
    string(REPLACE ";" "\n  " _list "${_problems}")
    message(FATAL_ERROR "${_zip}:\n  ${_list}")
endif()
list(LENGTH _entries _count)
message(STATUS "${_zip}: ${_count} files, as expected")
