# Include paths that say what a target may use. Every include in the project names its
# folder ("serial/SerialLink.h"), so the project root on everyone's path would let any file
# reach any folder. Instead each target gets a folder of its own in the build tree that
# holds links to its own sources only; a target sees another folder's headers only by
# linking the target that exposes them.

# zeft_expose(<target> <INTERFACE|PUBLIC|PRIVATE> <path>...)
# Links each <path> (a folder or a header, relative to the project root) into
# <build>/include/<target>/<path> and puts <build>/include/<target> on the target's
# include path with the given scope.
function(zeft_expose target scope)
    set(_root "${PROJECT_BINARY_DIR}/include/${target}")
    foreach(_path IN LISTS ARGN)
        if(NOT EXISTS "${PROJECT_SOURCE_DIR}/${_path}")
            message(FATAL_ERROR "zeft_expose(${target}): no ${_path} in the source tree")
        endif()
        get_filename_component(_parent "${_root}/${_path}" DIRECTORY)
        file(MAKE_DIRECTORY "${_parent}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${_path}" "${_root}/${_path}" RESULT _failed SYMBOLIC)
        if(_failed)
            # Windows without the right to make symbolic links: the build still works, it
            # only no longer checks the includes against the links.
            message(WARNING "zeft_expose(${target}): ${_failed}; includes are not checked")
            target_include_directories(${target} ${scope} "${PROJECT_SOURCE_DIR}")
            return()
        endif()
    endforeach()
    target_include_directories(${target} ${scope} "${_root}")
endfunction()
