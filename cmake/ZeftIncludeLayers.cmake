# The folders in the order of their layers, lowest first: a file may include from its own
# folder or from one before it, never from one after it, so no include runs upwards and
# none in a circle. The link graph (ZeftLinkGraph.cmake) says what a target may use; this
# says the same of the folders, whose windows all go into one GUI library.
#   base    files, numbers, the system's words; no Qt
#   seams   the interfaces several folders implement or use
#   ui      the Qt services the windows of every folder use
#   serial  the serial component (and its windows)
#   main    the exchange engine, the files, the history (and the main window)
#   calc    the tank calculations (their windows save files through main/)
#   cli     zeftctl;   app   the program
#   tests, bench, fuzz, tools: over everything
#
# Run as a test: cmake -DZEFT_SOURCE_DIR=<root> -P ZeftIncludeLayers.cmake
set(_layers base seams ui serial main calc cli app tests bench fuzz tools)

if(NOT ZEFT_SOURCE_DIR)
    message(FATAL_ERROR "ZeftIncludeLayers: set ZEFT_SOURCE_DIR to the source tree")
endif()

set(_upwards "")
file(GLOB _entries RELATIVE "${ZEFT_SOURCE_DIR}" "${ZEFT_SOURCE_DIR}/*")
foreach(_folder IN LISTS _entries)
    if(NOT IS_DIRECTORY "${ZEFT_SOURCE_DIR}/${_folder}" OR _folder MATCHES "^(build|\\.)")
        continue()
    endif()
    file(GLOB_RECURSE _files RELATIVE "${ZEFT_SOURCE_DIR}" "${ZEFT_SOURCE_DIR}/${_folder}/*.h"
         "${ZEFT_SOURCE_DIR}/${_folder}/*.cpp")
    if(NOT _files)
        continue()
    endif()
    list(FIND _layers "${_folder}" _rank)
    if(_rank EQUAL -1)
        list(APPEND _upwards "${_folder}/ has sources but no place in the layer order")
        continue()
    endif()
    foreach(_file IN LISTS _files)
        file(STRINGS "${ZEFT_SOURCE_DIR}/${_file}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(_include IN LISTS _includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*$" "\\1" _used "${_include}")
            list(FIND _layers "${_used}" _usedRank)
            if(_usedRank GREATER _rank)
                string(STRIP "${_include}" _include)
                list(APPEND _upwards "${_file}: ${_include} (${_folder}/ is below ${_used}/)")
            endif()
        endforeach()
    endforeach()
endforeach()

list(JOIN _layers " < " _order)
if(_upwards)
    list(JOIN _upwards "\n  " _list)
    message(FATAL_ERROR "Includes that run up the layers (${_order}):\n  ${_list}")
endif()
message(STATUS "Every include runs down the layers: ${_order}")
