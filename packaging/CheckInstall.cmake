# Installs the build into a temporary prefix and checks the layout, then builds the
# Debian package, unpacks it into a temporary root and checks the same layout there.
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPROGRAMS=,zeft,zeftctl
#         -DCPACK_COMMAND=<cpack> -P CheckInstall.cmake

cmake_minimum_required(VERSION 3.25) # IN_LIST, and lists that keep empty elements

string(REPLACE "," ";" PROGRAMS "${PROGRAMS}") # a list survives add_test this way
list(REMOVE_ITEM PROGRAMS "")

set(_work "${BUILD_DIR}/packaging-check")
file(REMOVE_RECURSE "${_work}")
file(MAKE_DIRECTORY "${_work}")
set(_problems "")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
    if(NOT _result EQUAL 0)
        message(FATAL_ERROR "failed (${_result}): ${ARGN}\n${_out}\n${_err}")
    endif()
endfunction()

macro(problem text)
    list(APPEND _problems "${text}")
endmacro()

# Every href and src of the guide's pages must name a file that is installed too.
macro(check_links root)
    file(GLOB _pages "${root}/share/zeft/help/*.html")
    if(NOT _pages)
        problem("${root}: no help pages")
    endif()
    foreach(_page IN LISTS _pages)
        file(READ "${_page}" _html)
        string(REGEX MATCHALL "(href|src)=\"[^\"]+\"" _links "${_html}")
        foreach(_link IN LISTS _links)
            string(REGEX REPLACE "^(href|src)=\"([^\"#]*).*$" "\\2" _target "${_link}")
            if(_target STREQUAL "" OR _target MATCHES "^[a-z]+:")
                continue() # an anchor on the same page, or a web or mail address
            endif()
            get_filename_component(_folder "${_page}" DIRECTORY)
            if(NOT EXISTS "${_folder}/${_target}")
                get_filename_component(_name "${_page}" NAME)
                problem("${_name} links to ${_target}, which is not installed")
            endif()
        endforeach()
    endforeach()
endmacro()

macro(check_layout root)
    foreach(_program IN LISTS PROGRAMS)
        if(NOT EXISTS "${root}/bin/${_program}" OR IS_DIRECTORY "${root}/bin/${_program}")
            problem("${root}: bin/${_program} missing")
        endif()
    endforeach()
    set(_files share/zeft/help/index.html share/icons/hicolor/scalable/apps/zeft.svg share/doc/zeft/copyright
               share/doc/zeft/changelog.gz)
    foreach(_program IN LISTS PROGRAMS)
        list(APPEND _files share/man/man1/${_program}.1.gz)
    endforeach()
    if(zeft IN_LIST PROGRAMS)
        list(APPEND _files share/applications/io.github.zeftprogrammer.zeft.desktop
             share/metainfo/io.github.zeftprogrammer.zeft.metainfo.xml share/zeft/translations/zeft_de.qm
             share/zeft/translations/zeft_fr.qm share/zeft/translations/zeft_nl.qm)
    endif()
    if(zeftctl IN_LIST PROGRAMS)
        list(APPEND _files share/bash-completion/completions/zeftctl)
    endif()
    foreach(_file IN LISTS _files)
        if(NOT EXISTS "${root}/${_file}")
            problem("${root}: ${_file} missing")
        endif()
    endforeach()
    foreach(_n RANGE 1 18)
        if(NOT EXISTS "${root}/share/zeft/pictures/shape${_n}.jpg")
            problem("${root}: share/zeft/pictures/shape${_n}.jpg missing")
        endif()
    endforeach()
    check_links("${root}")
endmacro()

# 1. cmake --install into a prefix.
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${_work}/prefix")
check_layout("${_work}/prefix")

# 2. The Debian package, unpacked into a root of its own.
find_program(_dpkg_deb dpkg-deb)
if(_dpkg_deb AND CPACK_COMMAND)
    run("${CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${_work}/deb")
    file(GLOB _debs "${_work}/deb/*.deb")
    list(LENGTH _debs _count)
    if(NOT _count EQUAL 1)
        message(FATAL_ERROR "expected one package, found: ${_debs}")
    endif()
    run("${_dpkg_deb}" -x "${_debs}" "${_work}/root")
    check_layout("${_work}/root/usr")
    execute_process(COMMAND "${_dpkg_deb}" -f "${_debs}" Package OUTPUT_VARIABLE _package
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT _package STREQUAL "zeft")
        problem("package name is '${_package}'")
    endif()
    include("${CMAKE_CURRENT_LIST_DIR}/debian/CheckDebian.cmake") # lintian, AppStream, man, completion
else()
    message(STATUS "dpkg-deb not found: the Debian package is not checked")
endif()

if(_problems)
    list(REMOVE_DUPLICATES _problems)
    list(JOIN _problems "\n  " _text)
    message(FATAL_ERROR "install layout incomplete:\n  ${_text}")
endif()
file(REMOVE_RECURSE "${_work}")
message(STATUS "install layout complete")
