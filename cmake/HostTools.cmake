# Host programs that make assets. tools/ is a CMake project of its own, built natively with the
# host compiler: the cross build builds it through ExternalProject and runs its programs at build
# time, so that what they write lands in the program's folder. A new tool adds its program's
# name to VELMORA_HOST_TOOLS and one velmora_run_host_tool() call in the cross build.
include(ExternalProject)

set(VELMORA_HOST_TOOLS velmora-soundgen sound_set_test velmora-soundcompare velmora-picturegen velmora-skingen)
# The host programs are the same for both Windows trees, so the scripts give both one folder.
set(VELMORA_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools CACHE PATH "Build folder of the host programs")
set(VELMORA_HOST_TOOLS_BIN ${VELMORA_HOST_TOOLS_DIR}/bin)

list(TRANSFORM VELMORA_HOST_TOOLS PREPEND ${VELMORA_HOST_TOOLS_BIN}/ OUTPUT_VARIABLE _host_tool_paths)
# A lock keeps two trees building at once from building the shared folder together.
set(_host_tools_lock flock ${VELMORA_HOST_TOOLS_DIR}.lock)
# The host build runs on every build (it is quick when nothing changed); a program that was not
# relinked keeps its time stamp, so what depends on it does not run again.
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
  BINARY_DIR ${VELMORA_HOST_TOOLS_DIR}
  CONFIGURE_COMMAND ${_host_tools_lock} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
                    -G ${CMAKE_GENERATOR} -DCMAKE_BUILD_TYPE=Release
                    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
                    -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}
  BUILD_COMMAND ${_host_tools_lock} ${CMAKE_COMMAND} --build <BINARY_DIR>
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${_host_tool_paths})

# velmora_run_host_tool(target TOOL program [ARGS args...] [OUTPUTS files...])
# Runs a host program at build time with the given arguments; it runs again only when the
# program itself was rebuilt (or one of the OUTPUTS is missing). Name the files it writes in
# OUTPUTS when other targets use them (an icon compiled into a resource, say), so that they
# depend on them; otherwise a stamp file stands for them.
function(velmora_run_host_tool target)
  cmake_parse_arguments(ARG "" "TOOL" "ARGS;OUTPUTS" ${ARGN})
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
  add_custom_command(OUTPUT ${stamp} ${ARG_OUTPUTS}
    COMMAND ${VELMORA_HOST_TOOLS_BIN}/${ARG_TOOL} ${ARG_ARGS}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${VELMORA_HOST_TOOLS_BIN}/${ARG_TOOL} host_tools
    COMMENT "Running ${ARG_TOOL}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${stamp} ${ARG_OUTPUTS})
endfunction()
