# What a Linux install brings beside the programs, and the Debian package's own fields:
# the desktop entry and its AppStream entry (one id, io.github.zeftprogrammer.zeft), the
# manual pages made by help2man from the programs' own --help, the bash completion, and the
# copyright and changelog that Debian's policy asks for. Included from
# packaging/CMakeLists.txt before CPack.

set(ZEFT_APP_ID "io.github.zeftprogrammer.zeft")
# A placeholder until the project names a maintainer (packaging/README.md).
set(ZEFT_DEBIAN_MAINTAINER "ZEFT Programmer developers <zeft-maintainers@example.org>"
    CACHE STRING "The Debian package's Maintainer field")

if(TARGET zeft)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/${ZEFT_APP_ID}.desktop" DESTINATION share/applications)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/${ZEFT_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
endif()
if(TARGET zeftctl)
    install(FILES "${CMAKE_CURRENT_LIST_DIR}/zeftctl.bash" DESTINATION share/bash-completion/completions
            RENAME zeftctl)
endif()
install(FILES "${CMAKE_CURRENT_LIST_DIR}/copyright" DESTINATION share/doc/zeft)

# Compressed as dpkg-dev does (gzip -9n: no name, no time stamp, so the same bytes each
# build).
set(_zeft_doc_dir "${CMAKE_CURRENT_BINARY_DIR}/debian")
file(MAKE_DIRECTORY "${_zeft_doc_dir}")
find_program(ZEFT_GZIP gzip)
find_program(ZEFT_HELP2MAN help2man)
set(_zeft_doc_outputs "")
if(ZEFT_GZIP)
    # A native package's changelog is changelog.gz.
    add_custom_command(OUTPUT "${_zeft_doc_dir}/changelog.gz"
                       COMMAND "${ZEFT_GZIP}" -9n -c "${CMAKE_CURRENT_LIST_DIR}/changelog" > changelog.gz
                       DEPENDS "${CMAKE_CURRENT_LIST_DIR}/changelog"
                       WORKING_DIRECTORY "${_zeft_doc_dir}" VERBATIM)
    list(APPEND _zeft_doc_outputs "${_zeft_doc_dir}/changelog.gz")
    install(FILES "${_zeft_doc_dir}/changelog.gz" DESTINATION share/doc/zeft)
endif()

# The manual pages run the programs just built, so not in a cross-build, and not in the
# sanitizer builds, which are never packaged.
if(ZEFT_GZIP AND ZEFT_HELP2MAN AND NOT CMAKE_CROSSCOMPILING AND NOT ZEFT_SANITIZE)
    set(_zeft_man_names_zeft "configure ultrasonic tank level senders over a serial port")
    set(_zeft_man_names_zeftctl "read, program and restore tank level senders from a shell")
    foreach(_program IN ITEMS zeft zeftctl)
        if(NOT TARGET ${_program})
            continue()
        endif()
        set(_page "${_zeft_doc_dir}/${_program}.1.gz")
        add_custom_command(
            OUTPUT "${_page}"
            COMMAND "${CMAKE_COMMAND}" "-DHELP2MAN=${ZEFT_HELP2MAN}" "-DGZIP=${ZEFT_GZIP}"
                    "-DPROGRAM=$<TARGET_FILE:${_program}>" "-DNAME=${_zeft_man_names_${_program}}"
                    "-DINCLUDE=${CMAKE_CURRENT_LIST_DIR}/${_program}.h2m" "-DOUTPUT=${_page}"
                    -P "${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake"
            DEPENDS ${_program} "${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake"
                    "${CMAKE_CURRENT_LIST_DIR}/${_program}.h2m"
            VERBATIM)
        list(APPEND _zeft_doc_outputs "${_page}")
        install(FILES "${_page}" DESTINATION share/man/man1)
    endforeach()
else()
    message(STATUS "No manual pages: they need gzip, help2man (scripts/install-deps.sh test) and a native build")
endif()
add_custom_target(zeft_debian_docs ALL DEPENDS ${_zeft_doc_outputs})

set(CPACK_PACKAGE_CONTACT "${ZEFT_DEBIAN_MAINTAINER}")
# The long description in lines of at most 80 characters; CPack puts the summary
# (CPACK_PACKAGE_DESCRIPTION_SUMMARY) before it and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZEFT Programmer reads, programs and restores the settings of ultrasonic tank
level senders over a serial port, keeps them in .zcf files and computes the
linearisation levels for tanks that are not straight-sided.

The package holds the window program zeft and the command-line tool zeftctl,
with a virtual sender to try them without hardware.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/zeftprogrammer/zeft")
