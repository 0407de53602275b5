# Shared helpers of the build: warnings, sanitizers, host tools and the bench target.

function(rividi_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# Sanitizers go on our own targets only, never on the 32-bit luac or Lua itself.
# The link option is public, so whatever links a sanitized library links the runtime too.
function(rividi_sanitize target)
  if(RIVIDI_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# Build-time tools run on the build machine. The cross build takes them from the native build.
if(WIN32)
  set(RIVIDI_HOST_TOOLS_DIR "${CMAKE_SOURCE_DIR}/build/native" CACHE PATH "Native build that holds jc, payload-record and luac32")
  set(RIVIDI_JC "${RIVIDI_HOST_TOOLS_DIR}/jc")
  set(RIVIDI_PAYLOAD_RECORD "${RIVIDI_HOST_TOOLS_DIR}/payload-record")
  set(RIVIDI_LUAC "${RIVIDI_HOST_TOOLS_DIR}/luac32")
  set(RIVIDI_JC_DEPENDS "${RIVIDI_JC}" "${RIVIDI_PAYLOAD_RECORD}")
  foreach(tool IN ITEMS RIVIDI_JC RIVIDI_PAYLOAD_RECORD RIVIDI_LUAC)
    if(NOT EXISTS "${${tool}}")
      message(FATAL_ERROR "${${tool}} is missing: build the native preset first (cmake --preset native && cmake --build --preset native)")
    endif()
  endforeach()
else()
  set(RIVIDI_JC "$<TARGET_FILE:jc>")
  set(RIVIDI_PAYLOAD_RECORD "$<TARGET_FILE:payload-record>")
  find_program(RIVIDI_LUAC NAMES luac5.1 REQUIRED)
endif()
find_program(RIVIDI_LUA NAMES lua5.1 REQUIRED)

# One target runs every benchmark; each benchmark adds itself with rividi_bench().
if(NOT TARGET bench)
  add_custom_target(bench)
endif()
function(rividi_bench name)
  add_custom_target(bench_${name} COMMAND ${ARGN} WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}" USES_TERMINAL VERBATIM)
  add_dependencies(bench bench_${name})
endfunction()
