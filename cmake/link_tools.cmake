# Run by every build (cmake -P): links adb, aapt and aapt-arm-pie beside the program. The tools are
# looked up anew each time, so a link that went missing comes back and a tool installed since the
# last configure is found. A file there that is no link (a tool copied by hand) is left alone.
# In: TOOL_DIR, the program's folder; AAPT_ARM_PIE, the path given at configure time, if any.

function(link_tool tool target)
  set(link "${TOOL_DIR}/${tool}")
  if(EXISTS "${link}" AND NOT IS_SYMLINK "${link}")
    return()
  endif()
  if(NOT target)
    if(NOT EXISTS "${link}")
      message(STATUS "${tool} not found: the program will miss it beside itself")
    endif()
    return()
  endif()
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" current)
  endif()
  if(NOT current STREQUAL target)
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
  endif()
endfunction()

find_program(adb_path adb)
find_program(aapt_path aapt)
set(arm_pie_path "${AAPT_ARM_PIE}")
if(NOT arm_pie_path)
  find_file(arm_pie_path aapt-arm-pie PATHS /usr/lib/android-sdk
            PATH_SUFFIXES build-tools/debian platform-tools tools . NO_DEFAULT_PATH)
endif()
link_tool(adb "${adb_path}")
link_tool(aapt "${aapt_path}")
link_tool(aapt-arm-pie "${arm_pie_path}")
