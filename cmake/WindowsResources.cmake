# Windows resources of the programs: a version resource saying Ambrel and the project's
# version, and the application icon where a program has one.

# ambrel_windows_resources(TARGET DESCRIPTION [ICON file.ico])
function(ambrel_windows_resources target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "ICON" "")
  set(AMBREL_PROGRAM ${target})
  set(AMBREL_DESCRIPTION "${description}")
  set(AMBREL_ICON_LINE "")
  if(arg_ICON)
    set(AMBREL_ICON_LINE "1 ICON \"${arg_ICON}\"")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
