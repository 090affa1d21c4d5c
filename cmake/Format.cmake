# `format` rewrites every C++ file of the project with the repository's .clang-format;
# `format-check` (also a test) fails when any file is not formatted.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14)
if(CLANG_FORMAT)
    set(VELTRANE_FORMAT_SOURCES)
    foreach(dir core saver desk about widgets platform bench tests fuzz)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
        list(APPEND VELTRANE_FORMAT_SOURCES ${found})
    endforeach()
    add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${VELTRANE_FORMAT_SOURCES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMENT "Formatting sources")
    add_custom_target(format-check COMMAND ${CLANG_FORMAT} --dry-run --Werror ${VELTRANE_FORMAT_SOURCES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    if(VELTRANE_BUILD_TESTS)
        add_test(NAME format_check COMMAND ${CLANG_FORMAT} --dry-run --Werror ${VELTRANE_FORMAT_SOURCES}
                 WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    endif()
endif()
