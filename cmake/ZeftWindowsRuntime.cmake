# The window program on Windows runs beside Qt's DLLs, the Qt plugins it loads and the
# mingw-w64 runtime that both use: these, and no others. zeft_windows_runtime() copies them
# and the program's data next to the build's executables (so that the program and the
# window tests run from the build folder, under Wine too) and installs the DLLs and
# plugins beside zeft.exe.

# The DLLs of the Qt libraries the program links, and those it loads as plugins (folder
# and name), relative to Qt's prefix.
set(ZEFT_QT_DLLS Qt6Core Qt6Gui Qt6Widgets)
set(ZEFT_QT_PLUGINS platforms/qwindows styles/qwindowsvistastyle)
# The offscreen platform and QtTest serve the window tests only: never installed.
set(ZEFT_QT_TEST_DLLS Qt6Test)
set(ZEFT_QT_TEST_PLUGINS platforms/qoffscreen)
set(ZEFT_MINGW_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

function(_zeft_mingw_runtime_paths out)
    set(_paths "")
    foreach(_dll IN LISTS ZEFT_MINGW_RUNTIME_DLLS)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${_dll} OUTPUT_VARIABLE _path
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(_path "${_path}" REALPATH)
        if(NOT EXISTS "${_path}")
            message(FATAL_ERROR "The mingw-w64 runtime ${_dll} was not found (${_path})")
        endif()
        list(APPEND _paths "${_path}")
    endforeach()
    set(${out} "${_paths}" PARENT_SCOPE)
endfunction()

function(zeft_windows_runtime)
    if(NOT QT6_INSTALL_PREFIX)
        message(FATAL_ERROR "Qt for Windows was not found; scripts/windows.sh builds it")
    endif()
    set(_qt "${QT6_INSTALL_PREFIX}")
    set(_out "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    if(NOT _out)
        message(FATAL_ERROR "The Windows build puts its executables in one folder (CMAKE_RUNTIME_OUTPUT_DIRECTORY)")
    endif()
    _zeft_mingw_runtime_paths(_runtime)
    set(_copies "")
    set(_outputs "")
    # What is installed, relative to the program's folder, for the package checks.
    set(_installed "")
    foreach(_dll IN LISTS _runtime)
        get_filename_component(_name "${_dll}" NAME)
        list(APPEND _copies COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${_dll}" "${_out}/${_name}")
        list(APPEND _outputs "${_out}/${_name}")
        install(FILES "${_dll}" DESTINATION ".")
        list(APPEND _installed "${_name}")
    endforeach()
    foreach(_dll IN LISTS ZEFT_QT_DLLS ZEFT_QT_TEST_DLLS)
        list(APPEND _copies COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${_qt}/bin/${_dll}.dll" "${_out}/${_dll}.dll")
        list(APPEND _outputs "${_out}/${_dll}.dll")
    endforeach()
    foreach(_dll IN LISTS ZEFT_QT_DLLS)
        install(FILES "${_qt}/bin/${_dll}.dll" DESTINATION ".")
        list(APPEND _installed "${_dll}.dll")
    endforeach()
    foreach(_plugin IN LISTS ZEFT_QT_PLUGINS ZEFT_QT_TEST_PLUGINS)
        get_filename_component(_folder "${_plugin}" DIRECTORY)
        list(APPEND _copies COMMAND "${CMAKE_COMMAND}" -E make_directory "${_out}/${_folder}"
             COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${_qt}/plugins/${_plugin}.dll" "${_out}/${_plugin}.dll")
        list(APPEND _outputs "${_out}/${_plugin}.dll")
    endforeach()
    foreach(_plugin IN LISTS ZEFT_QT_PLUGINS)
        get_filename_component(_folder "${_plugin}" DIRECTORY)
        install(FILES "${_qt}/plugins/${_plugin}.dll" DESTINATION "${_folder}")
        list(APPEND _installed "${_plugin}.dll")
    endforeach()
    set_property(GLOBAL PROPERTY ZEFT_WINDOWS_RUNTIME_FILES "${_installed}")
    add_custom_command(OUTPUT ${_outputs} ${_copies} COMMENT "Copying Qt's and the mingw-w64 runtime's DLLs" VERBATIM)
    # The pictures and the user guide beside the programs, as installed: the programs and
    # the window tests find them from their own folder, as on a user's machine.
    add_custom_target(zeft_windows_runtime
        COMMAND "${CMAKE_COMMAND}" -E copy_directory "${PROJECT_SOURCE_DIR}/pictures" "${_out}/pictures"
        COMMAND "${CMAKE_COMMAND}" -E copy_directory "${PROJECT_SOURCE_DIR}/help" "${_out}/help"
        DEPENDS ${_outputs} VERBATIM)
endfunction()
