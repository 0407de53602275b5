# The JC stream decoder as a static library: linked into the module, the jc tool and the tests.
add_library(rividi_jc_decode STATIC "${CMAKE_CURRENT_LIST_DIR}/jc_decode.cpp")
target_include_directories(rividi_jc_decode PUBLIC "${CMAKE_CURRENT_LIST_DIR}")
rividi_warnings(rividi_jc_decode)
if(NOT WIN32)
  rividi_sanitize(rividi_jc_decode)
endif()
