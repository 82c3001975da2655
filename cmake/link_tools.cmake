# Run by every build (cmake -P): links adb, aapt and aapt-arm-pie beside the program. The tools are
# looked up anew each time, so a link that went missing comes back and a tool installed since the
# last configure is found. A file there that is no link (a tool copied by hand) is left alone.
# In: TOOL_DIR, the program's folder; AAPT_ARM_PIE, the path given at configure time, if any.

file(REAL_PATH "${TOOL_DIR}" program_folder)

# A candidate that stands in the program folder or resolves into it is no tool: it is the folder's
# own link (PATH holding the folder, or "." as the build runs there), a link elsewhere that points
# back, or a file beneath the folder. Linking to it would make a link to itself or a loop.
function(outside_program_folder result candidate)
  get_filename_component(folder "${candidate}" DIRECTORY)
  get_filename_component(name "${candidate}" NAME)
  file(REAL_PATH "${folder}" folder)
  file(REAL_PATH "${candidate}" real)
  foreach(path IN ITEMS "${folder}/${name}" "${real}")
    cmake_path(IS_PREFIX program_folder "${path}" NORMALIZE inside)
    if(inside)
      set(${result} FALSE PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

function(link_tool tool candidate)
  set(link "${TOOL_DIR}/${tool}")
  if(EXISTS "${link}" AND NOT IS_SYMLINK "${link}")
    return()
  endif()
  set(usable TRUE)
  if(candidate)
    outside_program_folder(usable "${candidate}")
  endif()
  if(NOT candidate OR NOT usable)
    if(NOT EXISTS "${link}")
      message(STATUS "${tool} not found: the program will miss it beside itself")
    endif()
    return()
  endif()
  # The tool itself, not the link that found it, which may move or point back here later.
  file(REAL_PATH "${candidate}" target)
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" current)
  endif()
  if(NOT current STREQUAL target)
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
  endif()
endfunction()

find_program(adb_path adb NO_CACHE VALIDATOR outside_program_folder)
find_program(aapt_path aapt NO_CACHE VALIDATOR outside_program_folder)
set(arm_pie_path "${AAPT_ARM_PIE}")
if(NOT arm_pie_path)
  find_file(arm_pie_path aapt-arm-pie PATHS /usr/lib/android-sdk
            PATH_SUFFIXES build-tools/debian platform-tools tools . NO_DEFAULT_PATH NO_CACHE)
endif()
link_tool(adb "${adb_path}")
link_tool(aapt "${aapt_path}")
link_tool(aapt-arm-pie "${arm_pie_path}")
