# The layers link one way. CMake accepts a circle of static libraries (it repeats them on
# the link line), so nothing else would stop one: zeft_check_acyclic fails the configure
# step when the project's own targets (zeft_*) link each other in a circle, and names it.

# _zeft_visit(<target> <path>): depth-first over the zeft_* targets <target> links.
function(_zeft_visit target path)
    if(target IN_LIST path)
        list(APPEND path ${target})
        list(JOIN path " -> " _circle)
        message(FATAL_ERROR "Targets link in a circle: ${_circle}. The layers must link one way "
                            "(docs/ARCHITECTURE.md).")
    endif()
    get_property(_done GLOBAL PROPERTY _ZEFT_LINKS_CHECKED_${target})
    if(_done)
        return()
    endif()
    list(APPEND path ${target})
    get_target_property(_links ${target} LINK_LIBRARIES)
    get_target_property(_interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(_link IN LISTS _links _interface)
        # A static library's private links reach its users as $<LINK_ONLY:...>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _link "${_link}")
        if(_link MATCHES "^zeft_" AND TARGET ${_link})
            _zeft_visit(${_link} "${path}")
        endif()
    endforeach()
    set_property(GLOBAL PROPERTY _ZEFT_LINKS_CHECKED_${target} TRUE)
endfunction()

# zeft_check_acyclic(<target>...): checks everything the given targets link, transitively.
function(zeft_check_acyclic)
    foreach(_target IN LISTS ARGN)
        if(TARGET ${_target})
            _zeft_visit(${_target} "")
        endif()
    endforeach()
endfunction()
