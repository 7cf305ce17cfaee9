# One manual page from a program's own --help, with help2man, gzip -9n compressed:
#   cmake -DHELP2MAN=<help2man> -DGZIP=<gzip> -DPROGRAM=<program> -DNAME=<one line>
#         -DINCLUDE=<file.h2m> -DOUTPUT=<page.1.gz> -P ManPage.cmake
# The sections help2man cannot know (exit status, environment, files, examples) come from
# INCLUDE. A program with subcommands (zeftctl) gets a COMMANDS section made from each
# command's --help, so that no command's options are written twice.

get_filename_component(_folder "${OUTPUT}" DIRECTORY)
get_filename_component(_program_name "${PROGRAM}" NAME)
set(_commands_file "${_folder}/${_program_name}-commands.h2m")
set(_page "${_folder}/${_program_name}.1")

# The names listed under "Subcommands:" in a help text.
function(subcommands_of help out)
    string(REPLACE ";" "\\;" help "${help}")
    string(REGEX REPLACE "\r?\n" ";" _lines "${help}")
    set(_inside FALSE)
    set(_names "")
    foreach(_line IN LISTS _lines)
        if(_line MATCHES "^[^ ]")
            set(_inside FALSE)
            if(_line STREQUAL "Subcommands:")
                set(_inside TRUE)
            endif()
        elseif(_inside AND _line MATCHES "^  ([^ ]+)")
            list(APPEND _names "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    set(${out} "${_names}" PARENT_SCOPE)
endfunction()

# Roff-safe text: backslashes and hyphens escaped, no line starting with a control
# character.
function(roff text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(help_of words out)
    execute_process(COMMAND "${PROGRAM}" ${words} --help RESULT_VARIABLE _result OUTPUT_VARIABLE _help
                    ERROR_VARIABLE _error)
    if(NOT _result EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${words} --help failed (${_result}): ${_error}")
    endif()
    set(${out} "${_help}" PARENT_SCOPE)
endfunction()

# Each command's help, below the usage line, as one subsection; groups ("calc") are
# walked down to their commands.
set(_commands "")
function(add_commands words)
    help_of("${words}" _help)
    subcommands_of("${_help}" _names)
    if(_names)
        foreach(_name IN LISTS _names)
            add_commands("${words};${_name}")
        endforeach()
        set(_commands "${_commands}" PARENT_SCOPE)
        return()
    endif()
    list(JOIN words " " _title)
    string(STRIP "${_help}" _help)
    roff("${_help}" _help)
    string(APPEND _commands ".SS \"${_program_name} ${_title}\"\n.nf\n${_help}\n.fi\n")
    set(_commands "${_commands}" PARENT_SCOPE)
endfunction()

set(_includes --include "${INCLUDE}")
help_of("" _top)
subcommands_of("${_top}" _top_names)
if(_top_names)
    foreach(_name IN LISTS _top_names)
        add_commands("${_name}")
    endforeach()
    file(WRITE "${_commands_file}" "[COMMANDS]\n${_commands}")
    list(PREPEND _includes --include "${_commands_file}")
endif()

execute_process(COMMAND "${HELP2MAN}" --no-info --section=1 "--name=${NAME}" ${_includes} --output "${_page}"
                        "${PROGRAM}" RESULT_VARIABLE _result ERROR_VARIABLE _error)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "help2man failed (${_result}): ${_error}")
endif()
execute_process(COMMAND "${GZIP}" -9nf "${_page}" RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "gzip failed for ${_page}")
endif()
file(REMOVE "${_commands_file}")
