# The Windows build cannot be linked here, so a test compiles (syntax only) every source of both
# programs with the MinGW cross compiler, with the Windows code paths active: each file with its own
# target's include folders (Qt's and the generated ones included) and compile definitions, as CMake
# knows them. The platform library is checked with its Windows implementation instead of this system's.
find_program(VELTRANE_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT VELTRANE_MINGW_CXX)
    message(STATUS "x86_64-w64-mingw32-g++-posix not found: no Windows syntax check")
    return()
endif()

# The project's own libraries the two programs link, found by following their links.
set(pending Quindle Pellmora)
set(checked)
while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST checked OR NOT TARGET ${target})
        continue()
    endif()
    get_target_property(imported ${target} IMPORTED)
    if(imported)
        continue()
    endif()
    list(APPEND checked ${target})
    get_target_property(links ${target} LINK_LIBRARIES)
    if(links)
        list(APPEND pending ${links})
    endif()
endwhile()

# The host's own system header folders (which CMake leaves off its compile lines too) would hide the
# cross compiler's; Qt's OpenGL dependency names /usr/include.
set(implicit)
foreach(dir ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
    string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" dir "${dir}")
    list(APPEND implicit "^${dir}$")
endforeach()
list(JOIN implicit "|" implicit)

set(lists)
foreach(target ${checked})
    get_target_property(dir ${target} SOURCE_DIR)
    if(target STREQUAL "veltrane_platform")
        get_target_property(sources ${target} VELTRANE_WINDOWS_SOURCES)
    else()
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.cpp$")
        list(TRANSFORM sources PREPEND ${dir}/ REGEX "^[^/]")
    endif()
    # One response file of compiler options per target (the moc output folder is among its include
    # folders), and the list of its sources.
    set(includes "$<REMOVE_DUPLICATES:$<FILTER:$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>,EXCLUDE,${implicit}>>")
    set(defines "$<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>")
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows-check/${target}.rsp
         CONTENT "$<$<BOOL:${includes}>:\"-I$<JOIN:${includes},\"\n\"-I>\"\n>$<$<BOOL:${defines}>:\"-D$<JOIN:${defines},\"\n\"-D>\"\n>")
    list(JOIN sources "\n" source_lines)
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows-check/${target}.sources CONTENT "${source_lines}\n")
    list(APPEND lists ${CMAKE_BINARY_DIR}/windows-check/${target})
endforeach()

add_test(NAME windows_syntax
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/windows/syntax_check.sh ${VELTRANE_MINGW_CXX} ${lists})
set_tests_properties(windows_syntax PROPERTIES TIMEOUT 1200 PROCESSORS 2)
