# The Debian package's checks, included by CheckInstall.cmake once the package is built
# (_debs) and unpacked (_work/root): lintian with no error or warning, the AppStream and
# desktop entries validated, both manual pages rendered by man (each zeftctl command with
# an example), the bash completion run through bash, the changelog's version the
# package's. Each tool missing is a problem: scripts/install-deps.sh test installs them.

set(_root "${_work}/root/usr")

# Runs a tool and gives its output (stdout and stderr together) and exit status.
macro(run_tool tool)
    execute_process(COMMAND ${tool} ${ARGN} RESULT_VARIABLE _tool_result OUTPUT_VARIABLE _tool_out
                    ERROR_VARIABLE _tool_out)
    string(STRIP "${_tool_out}" _tool_out)
endmacro()

macro(need_tool variable name package)
    find_program(${variable} ${name})
    if(NOT ${variable})
        problem("${name} not found (Debian package ${package})")
    endif()
endmacro()

need_tool(_lintian lintian lintian)
need_tool(_appstreamcli appstreamcli appstream)
need_tool(_desktop_validate desktop-file-validate desktop-file-utils)
need_tool(_man man man-db)
need_tool(_bash bash bash)

# lintian: every tag of level warning or error is a problem; overrides, if ever needed,
# go into the package with their reason.
if(_lintian)
    set(_root_flag "")
    execute_process(COMMAND id -u OUTPUT_VARIABLE _uid OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(_uid STREQUAL "0")
        set(_root_flag --allow-root)
    endif()
    run_tool("${_lintian}" ${_root_flag} --no-cfg --tag-display-limit 0 "${_debs}")
    string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" _tags "${_tool_out}")
    if(_tags OR NOT _tool_result EQUAL 0)
        problem("lintian (${_tool_result}):\n${_tool_out}")
    endif()
endif()

if(_appstreamcli AND zeft IN_LIST PROGRAMS)
    file(GLOB _metainfo "${_root}/share/metainfo/*.metainfo.xml")
    run_tool("${_appstreamcli}" validate --no-net --pedantic ${_metainfo})
    if(NOT _metainfo OR NOT _tool_result EQUAL 0 OR _tool_out MATCHES "(^|\n)[EW]: ")
        problem("appstreamcli validate (${_tool_result}):\n${_tool_out}")
    endif()
endif()

if(_desktop_validate AND zeft IN_LIST PROGRAMS)
    file(GLOB _desktop "${_root}/share/applications/*.desktop")
    run_tool("${_desktop_validate}" ${_desktop})
    if(NOT _desktop OR NOT _tool_result EQUAL 0 OR _tool_out MATCHES "(error|warning): ")
        problem("desktop-file-validate (${_tool_result}):\n${_tool_out}")
    endif()
    # The software centre finds the desktop entry by the metainfo's id.
    foreach(_entry IN LISTS _metainfo)
        get_filename_component(_id "${_entry}" NAME)
        string(REPLACE ".metainfo.xml" "" _id "${_id}")
        if(NOT EXISTS "${_root}/share/applications/${_id}.desktop")
            problem("${_id}.metainfo.xml has no desktop entry ${_id}.desktop")
        endif()
    endforeach()
endif()

# man -l renders each page without a warning, with the sections a reader looks for.
if(_man)
    set(ENV{MANWIDTH} 80)
    foreach(_program IN LISTS PROGRAMS)
        set(_page "${_root}/share/man/man1/${_program}.1.gz")
        run_tool("${_man}" --warnings -l "${_page}")
        set(_text_${_program} "${_tool_out}")
        if(NOT _tool_result EQUAL 0 OR _tool_out MATCHES "warning:")
            problem("man -l ${_program}.1.gz (${_tool_result}):\n${_tool_out}")
        endif()
        foreach(_section IN ITEMS NAME SYNOPSIS DESCRIPTION "EXIT STATUS" ENVIRONMENT FILES EXAMPLES)
            if(NOT _tool_out MATCHES "\n${_section}\n")
                problem("${_program}(1) has no ${_section} section")
            endif()
        endforeach()
    endforeach()
endif()
if(_man AND zeftctl IN_LIST PROGRAMS)
    # Every command in the COMMANDS section has an example.
    string(REGEX REPLACE ".*\nEXAMPLES\n" "" _examples "${_text_zeftctl}")
    string(REGEX MATCHALL "\n   zeftctl [a-z ]+\n" _commands "${_text_zeftctl}")
    foreach(_command IN LISTS _commands)
        string(STRIP "${_command}" _command)
        string(REPLACE " " "[ ]+" _pattern "${_command}")
        if(NOT _examples MATCHES "${_pattern} ")
            if(NOT _examples MATCHES "${_pattern}\n")
                problem("zeftctl(1) has no example of '${_command}' (packaging/debian/zeftctl.h2m)")
            endif()
        endif()
    endforeach()
    if(NOT _commands)
        problem("zeftctl(1) lists no commands")
    endif()
endif()

if(_bash AND zeftctl IN_LIST PROGRAMS)
    run_tool("${_bash}" "${SOURCE_DIR}/packaging/debian/CompletionTest.sh" "${_work}/root")
    if(NOT _tool_result EQUAL 0)
        problem("bash completion (${_tool_result}):\n${_tool_out}")
    endif()
endif()

# The changelog's newest entry is this version.
execute_process(COMMAND "${_dpkg_deb}" -f "${_debs}" Version OUTPUT_VARIABLE _version
                OUTPUT_STRIP_TRAILING_WHITESPACE)
file(READ "${SOURCE_DIR}/packaging/debian/changelog" _changelog LIMIT 200)
if(NOT _changelog MATCHES "^zeft \\(${_version}\\) ")
    problem("packaging/debian/changelog does not start with version ${_version}")
endif()
