# Source sets by naming convention, so that a folder can hold both its core code
# and its windows:
#   *Form.cpp, *Dlg.cpp, *_f.cpp   windows (Qt), built into the GUI library
#   Posix*.cpp                     POSIX-only core code
#   Win32*.cpp                     Windows-only core code
#   everything else                portable core code, no Qt
set(ZEFT_GUI_SOURCE_REGEX "(Form|Dlg|_f)\\.cpp$")

# Drops from a list the files of the other platform: Posix* on Windows, Win32* elsewhere.
function(zeft_keep_platform_files list_var)
    set(_kept "")
    foreach(_file IN LISTS ${list_var})
        get_filename_component(_name "${_file}" NAME)
        if((_name MATCHES "^Posix" AND WIN32) OR (_name MATCHES "^Win32" AND NOT WIN32))
            continue()
        endif()
        list(APPEND _kept "${_file}")
    endforeach()
    set(${list_var} "${_kept}" PARENT_SCOPE)
endfunction()

function(zeft_core_sources out_var folder)
    file(GLOB _all CONFIGURE_DEPENDS "${folder}/*.cpp")
    zeft_keep_platform_files(_all)
    set(_core "")
    foreach(_file IN LISTS _all)
        get_filename_component(_name "${_file}" NAME)
        if(NOT _name MATCHES "${ZEFT_GUI_SOURCE_REGEX}")
            list(APPEND _core "${_file}")
        endif()
    endforeach()
    set(${out_var} "${_core}" PARENT_SCOPE)
endfunction()

function(zeft_gui_sources out_var folder)
    file(GLOB _all CONFIGURE_DEPENDS "${folder}/*.cpp")
    set(_gui "")
    foreach(_file IN LISTS _all)
        get_filename_component(_name "${_file}" NAME)
        if(_name MATCHES "${ZEFT_GUI_SOURCE_REGEX}")
            list(APPEND _gui "${_file}")
        endif()
    endforeach()
    set(${out_var} "${_gui}" PARENT_SCOPE)
endfunction()

# A Qt-free static library from the core sources of one folder.
function(zeft_add_core_library target folder)
    zeft_core_sources(_sources "${folder}")
    if(_sources)
        add_library(${target} STATIC ${_sources})
        target_link_libraries(${target} PUBLIC zeft_options)
    else()
        # A folder whose core is still to come: nothing to compile yet.
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE zeft_options)
    endif()
endfunction()
