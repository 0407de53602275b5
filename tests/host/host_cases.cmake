# host_cases.cmake: the runner's tests, added natively by tests/host and under Wine by tests/wine.

# Adds the tests <prefix>_<case>. `adder` registers one test from its name and command (add_test's
# COMMAND form, or rividi_wine_test); `emulator` runs the runner ("" natively); `not_a_module` is a
# library that loads but lacks the plugin's exports.
function(rividi_host_tests prefix adder host emulator module not_a_module)
  set(fixtures "${CMAKE_SOURCE_DIR}/tests/host")
  set(common -DHOST=${host} "-DEMULATOR=${emulator}" -DSOURCE_DIR=${CMAKE_SOURCE_DIR})

  # name | module | exit | arguments | the checks, as run_host.cmake takes them
  function(host_case name case_module exit args)
    list(JOIN args "|" joined)
    cmake_language(CALL ${adder} ${prefix}_${name}
      ${CMAKE_COMMAND} ${common} -DMODULE=${case_module} -DEXIT=${exit} "-DARGS=${joined}" ${ARGN}
      -P ${fixtures}/run_host.cmake)
  endfunction()

  set(project --project ${fixtures}/fixture_project.lua)
  host_case(transcript ${module} 0 "${project};${fixtures}/transcript.lua"
    -DEXPECTED=${fixtures}/transcript.expected)
  host_case(transcript_through_rividi ${module} 0 "${project};${fixtures}/through_rividi.lua"
    "-DSTDOUT_HAS=> Input.SetText(\"Input1\", \"Hi\")|> Input.SetProperties(\"Input1\", {|X = 99|stack: \"\", \"Hi\"")
  host_case(default_project ${module} 0 "${fixtures}/default_project.lua"
    "-DSTDOUT_HAS=> Input.GetText(\"Input1\")|Hello")
  host_case(texts ${module} 0 "--texts"
    "-DSTDOUT_HAS=name: Rividi\nversion: 2,0,0,0\nLua version: Lua 5.1\nSDK version: 2\nauthor:\n  Rividi Lattice model by Zentrix Programming.\n\n|document (12625 bytes):\n<ActionTemplates>\n|</ActionTemplates>\n"
    "-DSTDOUT_LACKS=== registered")
  host_case(help ${module} 0 "--help"
    "-DSTDOUT_HAS=Usage: rividi-host|--module PATH|--project FILE|--simhost DIR|--texts")
  host_case(unknown_option ${module} 2 "--frobnicate" "-DSTDERR_HAS=unknown option --frobnicate")
  host_case(missing_module ${CMAKE_BINARY_DIR}/no-such-module 1 "${fixtures}/default_project.lua"
    "-DSTDERR_HAS=rividi-host: no module at <module>")
  host_case(module_without_exports ${not_a_module} 1 ""
    "-DSTDERR_HAS=rividi-host: <module> has no export irPlg_GetPluginName")
  host_case(module_not_a_library ${fixtures}/fixture_project.lua 1 ""
    "-DSTDERR_HAS=rividi-host: cannot load the module <module>")
  host_case(project_syntax_error ${module} 1 "--project;${fixtures}/broken_project.lua;${fixtures}/default_project.lua"
    "-DSTDERR_HAS=cannot load the project file: <src>/tests/host/broken_project.lua:3:"
    "-DSTDOUT_LACKS=default_project.lua")
  host_case(script_raises_in_a_method ${module} 1 "${project};${fixtures}/raising_method.lua;${fixtures}/transcript.lua"
    "-DSTDERR_HAS=rividi-host: <src>/tests/host/raising_method.lua:4: Argument 1 must be of type string!"
    "-DSTDOUT_HAS=> Input.SetText(\"Input1\", \"before\")"
    "-DSTDOUT_LACKS=transcript.lua")
  host_case(script_raises_without_position ${module} 1 "${fixtures}/raising_plain.lua"
    "-DSTDERR_HAS=rividi-host: <src>/tests/host/raising_plain.lua:3: no position of its own")
  host_case(script_missing ${module} 1 "${fixtures}/no-such-script.lua"
    "-DSTDERR_HAS=rividi-host: cannot load script <src>/tests/host/no-such-script.lua: cannot open")
endfunction()
