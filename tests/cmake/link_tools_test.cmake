# Runs cmake/link_tools.cmake as a build does, in the program folder, with PATH in the ways that
# can lead it back into that folder: afterwards the folder's adb must be a link to the tool's real
# path. In: SCRIPT, the script; WORK, a folder this test may empty.
file(REMOVE_RECURSE "${WORK}")
set(program "${WORK}/program")
set(tool "${WORK}/sdk/platform-tools/adb")
file(MAKE_DIRECTORY "${WORK}/sdk/platform-tools" "${WORK}/bin" "${WORK}/elsewhere" "${program}/fakes")
foreach(executable IN ITEMS "${tool}" "${program}/fakes/adb")
  file(WRITE "${executable}" "#!/bin/sh\n")
  file(CHMOD "${executable}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
file(CREATE_LINK "${tool}" "${WORK}/bin/adb" SYMBOLIC)  # as /usr/bin/adb links into the SDK
file(CREATE_LINK "${program}/adb" "${WORK}/elsewhere/adb" SYMBOLIC)  # points back

# before: what the program folder's adb is when the build starts (missing, linked, a loop).
function(check before path)
  file(REMOVE "${program}/adb")
  if(before STREQUAL "linked")
    file(CREATE_LINK "${tool}" "${program}/adb" SYMBOLIC)
  elseif(before STREQUAL "loop")
    file(CREATE_LINK "${WORK}/elsewhere/adb" "${program}/adb" SYMBOLIC)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env "PATH=${path}" ${CMAKE_COMMAND} -DTOOL_DIR=${program} -P ${SCRIPT}
                  WORKING_DIRECTORY "${program}" RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    message(SEND_ERROR "${before}, PATH=${path}: the script failed:\n${out}")
    return()
  endif()
  file(READ_SYMLINK "${program}/adb" target)
  if(NOT target STREQUAL tool)
    message(SEND_ERROR "${before}, PATH=${path}: adb links to ${target}")
  endif()
endfunction()

check(missing "${WORK}/bin")
check(linked "${program}:${WORK}/bin")
check(linked ".:${WORK}/bin")
check(linked "${WORK}/elsewhere:${WORK}/bin")
check(loop "${WORK}/elsewhere:${WORK}/bin")
check(missing "${program}/fakes:${WORK}/bin")
