# One interface target carries the language level, warnings and sanitizer flags;
# every target of the project links it.
add_library(zeft_options INTERFACE)
target_compile_features(zeft_options INTERFACE cxx_std_20)
# Only the generated headers (ZeftVersion.h): each folder's own headers come with its
# target (cmake/ZeftIncludes.cmake).
target_include_directories(zeft_options INTERFACE "${PROJECT_BINARY_DIR}/generated")

if(MSVC)
    target_compile_options(zeft_options INTERFACE /W4 $<$<BOOL:${ZEFT_WERROR}>:/WX>)
else()
    target_compile_options(zeft_options INTERFACE
        -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor
        $<$<BOOL:${ZEFT_WERROR}>:-Werror>)
endif()

# GCC 12's object-size warnings misfire inside std::string's inlined operator+ (GCC bugs
# 105329 and 105651): they stay visible as warnings but cannot fail the build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(zeft_options INTERFACE
        -Wno-error=array-bounds -Wno-error=stringop-overflow -Wno-error=restrict)
endif()

if(WIN32)
    # Windows 7 APIs are the floor; keep <windows.h> lean.
    target_compile_definitions(zeft_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(ZEFT_SANITIZE)
    string(REPLACE "," ";" _zeft_sanitizers "${ZEFT_SANITIZE}")
    foreach(_sanitizer IN LISTS _zeft_sanitizers)
        target_compile_options(zeft_options INTERFACE -fsanitize=${_sanitizer})
        target_link_options(zeft_options INTERFACE -fsanitize=${_sanitizer})
    endforeach()
    if("undefined" IN_LIST _zeft_sanitizers)
        target_compile_options(zeft_options INTERFACE -fno-sanitize-recover=undefined)
    endif()
    # Line tables are enough for the sanitizers' stack traces and much cheaper than -g.
    target_compile_options(zeft_options INTERFACE -fno-omit-frame-pointer -g1)
endif()
