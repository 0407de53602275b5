# check_chunk_header.cmake: CHUNK begins with the 12-byte header of the host's 32-bit Lua 5.1.
file(READ "${CHUNK}" header LIMIT 12 HEX)
if(NOT header STREQUAL "1b4c75615100010404040800")
  message(FATAL_ERROR "chunk header is ${header}, expected 1b4c75615100010404040800")
endif()
