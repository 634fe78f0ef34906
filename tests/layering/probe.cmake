# Builds one layering probe and checks its outcome: "builds", or "refused" with the compiler
# unable to find the header.
# The compiler's words in English, whatever the locale of the run.
set(ENV{LC_ALL} C)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX REPLACE "^[<\"](.*)[>\"]$" "\\1" header "${HEADER}")
if(OUTCOME STREQUAL "builds")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TARGET} should build:\n${output}")
    endif()
elseif(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} built: the layering lets ${header} in")
elseif(NOT output MATCHES "${header}: No such file or directory")
    message(FATAL_ERROR "${TARGET} failed for another reason:\n${output}")
endif()
