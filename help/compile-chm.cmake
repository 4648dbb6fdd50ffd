# Compiles one language's help into its .chm, run by the build as
#   cmake -DCOMPILER=... -DCOMPILER_KIND=chmcmd|hhc -DSOURCE_DIR=... -DSHARED_CSS=...
#         -DSTAGING_DIR=... -DPROJECT_FILE=... -DOUTPUT=... -P compile-chm.cmake
# The compilers read the project's files from the folder they run in and write the .chm there,
# so the pages are staged in the build tree first. Any doubt about the result fails the build:
# a help file must never be shipped broken or missing.
cmake_minimum_required(VERSION 3.25)

foreach(argument COMPILER COMPILER_KIND SOURCE_DIR SHARED_CSS STAGING_DIR PROJECT_FILE OUTPUT)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "compile-chm.cmake: ${argument} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGING_DIR}")
file(MAKE_DIRECTORY "${STAGING_DIR}")
file(GLOB pages "${SOURCE_DIR}/*")
file(COPY ${pages} "${SHARED_CSS}" DESTINATION "${STAGING_DIR}")

cmake_path(GET OUTPUT FILENAME chm_name)
file(STRINGS "${STAGING_DIR}/${PROJECT_FILE}" compiled_line REGEX "^Compiled file=")
if(NOT compiled_line STREQUAL "Compiled file=${chm_name}")
  message(FATAL_ERROR "${PROJECT_FILE} must say \"Compiled file=${chm_name}\"")
endif()

execute_process(
  COMMAND "${COMPILER}" "${PROJECT_FILE}"
  WORKING_DIRECTORY "${STAGING_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)

# chmcmd answers 0 when it is done, but also when it finds no project; it reports a missing
# page or link as a warning and still writes a file. hhc.exe answers 1 on success.
if(COMPILER_KIND STREQUAL "hhc")
  set(succeeded_result 1)
else()
  set(succeeded_result 0)
endif()
if(NOT result STREQUAL succeeded_result OR log MATCHES "Error|Warning|exception|Can't find")
  message(FATAL_ERROR "${COMPILER} failed on ${PROJECT_FILE} (exit ${result}):\n${log}")
endif()

set(compiled "${STAGING_DIR}/${chm_name}")
if(NOT EXISTS "${compiled}")
  message(FATAL_ERROR "${COMPILER} wrote no ${chm_name}:\n${log}")
endif()
file(READ "${compiled}" signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")  # "ITSF"
  message(FATAL_ERROR "${compiled} is not a compiled HTML Help file")
endif()
cmake_path(GET OUTPUT PARENT_PATH output_dir)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${compiled}" "${OUTPUT}")
