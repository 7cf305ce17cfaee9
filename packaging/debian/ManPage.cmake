# One manual page from a program's own --help, with help2man, gzip -9n compressed:
#   cmake -DHELP2MAN=<help2man> -DGZIP=<gzip> -DPROGRAM=<program> -DNAME=<one line>
#         -DINCLUDE=<file.h2m> -DOUTPUT=<page.1.gz> -P ManPage.cmake
# The sections help2man cannot know (exit status, environment, files, examples) come from
# INCLUDE. A program with subcommands (zeftctl) gets a COMMANDS section made from each
# command's --help, so that no command's options are written twice.

cmake_minimum_required(VERSION 3.25) # list() keeps the help's empty lines

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

# One command's help as roff: its description, the usage line, and each section's items
# ("  --shape INT  shape number") as tagged paragraphs, so that man fills and wraps them.
# CLI11 pads an item's name to column 30; a longer name puts the description on the next
# line, indented to column 30.
function(help_roff help out)
    string(REPLACE ";" "\\;" help "${help}")
    string(REGEX REPLACE "\r?\n" ";" _lines "${help}")
    set(_text "")
    list(LENGTH _lines _count)
    foreach(_index RANGE ${_count})
        if(_index EQUAL _count)
            break()
        endif()
        list(GET _lines ${_index} _line)
        math(EXPR _next_index "${_index} + 1")
        set(_next "")
        if(_next_index LESS _count)
            list(GET _lines ${_next_index} _next)
        endif()
        string(LENGTH "${_line}" _length)
        if(_line MATCHES "^                              +([^ ].*)$")
            roff("${CMAKE_MATCH_1}" _piece) # the description of the item above
            string(APPEND _text "${_piece}\n")
        elseif(_line MATCHES "^  [^ ]")
            set(_name "${_line}")
            set(_description "")
            # A name that fills the column has its description on the next line.
            if(_length GREATER 30 AND NOT _next MATCHES "^                              ")
                string(SUBSTRING "${_line}" 0 30 _name)
                string(SUBSTRING "${_line}" 30 -1 _description)
            endif()
            string(STRIP "${_name}" _name)
            string(REGEX MATCH "^[^ ]+" _first "${_name}")
            string(LENGTH "${_first}" _first_length)
            string(SUBSTRING "${_name}" ${_first_length} -1 _rest)
            roff("${_first}" _first)
            roff("${_rest}" _rest)
            string(APPEND _text ".TP\n\\fB${_first}\\fR${_rest}\n")
            if(NOT _description STREQUAL "")
                roff("${_description}" _description)
                string(APPEND _text "${_description}\n")
            endif()
        elseif(_line MATCHES "^Usage: (.*)$")
            roff("${CMAKE_MATCH_1}" _usage)
            string(APPEND _text ".PP\nUsage: \\fB${_usage}\\fR\n")
        elseif(_line MATCHES "^[^ ].*:$")
            roff("${_line}" _heading)
            string(APPEND _text ".PP\n${_heading}\n")
        elseif(NOT _line STREQUAL "")
            roff("${_line}" _piece)
            string(APPEND _text ".PP\n${_piece}\n")
        endif()
    endforeach()
    set(${out} "${_text}" PARENT_SCOPE)
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
    help_roff("${_help}" _roff)
    string(APPEND _commands ".SS \"${_program_name} ${_title}\"\n${_roff}")
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
