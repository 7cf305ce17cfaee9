include_guard(GLOBAL)

# The Windows cross-build's CLI11 and nlohmann-json: both are header-only, so the host's
# copies serve. The cross compiler must not see the rest of /usr/include (glibc's headers
# would shadow mingw's), so a folder of the build holds links to just these two.
set(_zeft_host_include /usr/include)
set(_zeft_cross_headers "${CMAKE_BINARY_DIR}/cross-headers")
file(MAKE_DIRECTORY "${_zeft_cross_headers}")
foreach(folder CLI nlohmann)
    if(NOT EXISTS "${_zeft_host_include}/${folder}")
        message(FATAL_ERROR "${_zeft_host_include}/${folder} is missing: install libcli11-dev and nlohmann-json3-dev "
                            "(scripts/install-deps.sh)")
    endif()
    file(CREATE_LINK "${_zeft_host_include}/${folder}" "${_zeft_cross_headers}/${folder}" SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${_zeft_cross_headers}")
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${_zeft_cross_headers}")
