# Regenerates the atlas and compares it byte for byte with the committed one.
# Arguments: MAKE_ATLAS, UNIFONT_HEX, GENERATED, COMMITTED.
foreach(arg MAKE_ATLAS UNIFONT_HEX GENERATED COMMITTED)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "check_atlas: ${arg} not set")
  endif()
endforeach()

execute_process(
  COMMAND "${MAKE_ATLAS}" "${UNIFONT_HEX}" "${GENERATED}"
  RESULT_VARIABLE generate_result)
if(NOT generate_result EQUAL 0)
  message(FATAL_ERROR "check_atlas: make_atlas failed (${generate_result})")
endif()

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E compare_files "${GENERATED}" "${COMMITTED}"
  RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
  message(FATAL_ERROR
    "check_atlas: ${GENERATED} differs from ${COMMITTED}; "
    "regenerate the committed atlas if the font or generator changed")
endif()
