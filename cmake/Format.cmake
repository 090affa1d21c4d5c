# `format` rewrites every C++ file of the project with the repository's .clang-format;
# `format-check` (also a test) fails when any file is not formatted.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14)
if(CLANG_FORMAT)
    file(GLOB_RECURSE VELTRANE_FORMAT_SOURCES CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/core/*.cpp ${PROJECT_SOURCE_DIR}/core/*.h
         ${PROJECT_SOURCE_DIR}/saver/*.cpp ${PROJECT_SOURCE_DIR}/saver/*.h ${PROJECT_SOURCE_DIR}/saver/*/*.cpp ${PROJECT_SOURCE_DIR}/saver/*/*.h ${PROJECT_SOURCE_DIR}/desk/*/*.cpp ${PROJECT_SOURCE_DIR}/desk/*/*.h ${PROJECT_SOURCE_DIR}/*/*/tests/*.cpp ${PROJECT_SOURCE_DIR}/*/*/tests/*.h
         ${PROJECT_SOURCE_DIR}/desk/*.cpp ${PROJECT_SOURCE_DIR}/desk/*.h
         ${PROJECT_SOURCE_DIR}/about/*.cpp ${PROJECT_SOURCE_DIR}/about/*.h
         ${PROJECT_SOURCE_DIR}/widgets/*.cpp ${PROJECT_SOURCE_DIR}/widgets/*.h
         ${PROJECT_SOURCE_DIR}/platform/*.h ${PROJECT_SOURCE_DIR}/platform/*/*.cpp ${PROJECT_SOURCE_DIR}/*/tests/*.cpp ${PROJECT_SOURCE_DIR}/*/tests/*.h
         ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h)
    add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${VELTRANE_FORMAT_SOURCES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMENT "Formatting sources")
    add_custom_target(format-check COMMAND ${CLANG_FORMAT} --dry-run --Werror ${VELTRANE_FORMAT_SOURCES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    if(VELTRANE_BUILD_TESTS)
        add_test(NAME format_check COMMAND ${CLANG_FORMAT} --dry-run --Werror ${VELTRANE_FORMAT_SOURCES}
                 WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    endif()
endif()
