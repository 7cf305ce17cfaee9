# Makes the window program's MSI with wixl (Debian's msitools): the build is installed
# into a staging folder, wixl-heat lists every staged file as a component, and zeft.wxs.in
# adds the product, the shortcut and the upgrade. What the MSI installs is therefore
# exactly what `cmake --install` installs, and its uninstall removes exactly that.
#   cmake -DBUILD_DIR=<work folder> [-DINSTALL_FROM=<build, BUILD_DIR by default>]
#         -DVERSION=<a.b.c.d> -DOUTPUT=<file.msi> -P MakeMsi.cmake

cmake_minimum_required(VERSION 3.25)

find_program(_wixl wixl REQUIRED)
find_program(_heat wixl-heat REQUIRED)

if(NOT INSTALL_FROM)
    set(INSTALL_FROM "${BUILD_DIR}")
endif()
set(_work "${BUILD_DIR}/msi")
set(_stage "${_work}/stage")
file(REMOVE_RECURSE "${_work}")
file(MAKE_DIRECTORY "${_work}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${INSTALL_FROM}" --prefix "${_stage}" RESULT_VARIABLE _result
                OUTPUT_QUIET)
if(NOT _result EQUAL 0 OR NOT EXISTS "${_stage}/zeft.exe")
    message(FATAL_ERROR "The install into ${_stage} failed (${_result})")
endif()

file(GLOB_RECURSE _files LIST_DIRECTORIES false RELATIVE "${_work}" "${_stage}/*")
list(SORT _files)
string(REPLACE ";" "\n" _listing "${_files}")
file(WRITE "${_work}/files.txt" "${_listing}\n")
execute_process(COMMAND "${_heat}" --prefix "stage/" --directory-ref INSTALLDIR --component-group ZeftFiles
                        --var var.StageDir --win64
                INPUT_FILE "${_work}/files.txt" OUTPUT_FILE "${_work}/files.wxs" RESULT_VARIABLE _result
                WORKING_DIRECTORY "${_work}")
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "wixl-heat failed (${_result})")
endif()

# Windows Installer compares the first three fields of a version only: the fourth of ours
# goes into the third.
string(REPLACE "." ";" _fields "${VERSION}")
list(GET _fields 0 _major)
list(GET _fields 1 _minor)
list(GET _fields 2 _patch)
list(GET _fields 3 _tweak)
math(EXPR _build "${_patch} * 1000 + ${_tweak}")
set(ZEFT_MSI_VERSION "${_major}.${_minor}.${_build}")
set(ZEFT_VERSION "${VERSION}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/zeft.wxs.in" "${_work}/zeft.wxs" @ONLY)

# wixl finds the files by names relative to its working folder only.
execute_process(COMMAND "${_wixl}" --arch x64 -D StageDir=stage -D Win64=yes -o "${OUTPUT}" zeft.wxs files.wxs
                WORKING_DIRECTORY "${_work}" RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _result EQUAL 0 OR NOT EXISTS "${OUTPUT}")
    message(FATAL_ERROR "wixl failed (${_result}):\n${_out}\n${_err}")
endif()
list(LENGTH _files _count)
message(STATUS "${OUTPUT}: ${_count} files")
