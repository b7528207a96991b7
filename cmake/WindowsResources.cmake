# Windows resources of the programs: a version resource saying Ambrel and the project's
# version, the manifest every program has (common controls 6, the supported systems, UTF-8
# as the active code page, long paths), and the application icon where a program has one.

# ambrel_windows_resources(TARGET DESCRIPTION [ICON file.ico])
function(ambrel_windows_resources target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "ICON" "")
  set(AMBREL_PROGRAM ${target})
  set(AMBREL_DESCRIPTION "${description}")
  set(AMBREL_RESOURCE_LINES "")
  if(arg_ICON)
    set(AMBREL_RESOURCE_LINES "1 ICON \"${arg_ICON}\"")
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/resources/${target}.rc PROPERTIES OBJECT_DEPENDS ${arg_ICON})
  endif()
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/resources/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${manifest} @ONLY)
  string(APPEND AMBREL_RESOURCE_LINES "\n1 24 \"${manifest}\"")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# The application icon, made at build time: from the project's icon pictures when data/ has
# them, else a plain one drawn here. ImageMagick writes the .ico.
function(ambrel_windows_icon output)
  file(GLOB pictures ${PROJECT_SOURCE_DIR}/data/icons/hicolor/*/apps/*.png)
  find_program(AMBREL_CONVERT convert REQUIRED)
  if(pictures)
    add_custom_command(OUTPUT ${output} COMMAND ${AMBREL_CONVERT} ${pictures} ${output} DEPENDS ${pictures} VERBATIM
                       COMMENT "Windows icon from data/icons")
  else()
    add_custom_command(OUTPUT ${output}
                       COMMAND ${AMBREL_CONVERT} -size 256x256 xc:none -fill "#b5651d" -draw "roundrectangle 16,16 240,240 40,40"
                               -fill white -draw "rectangle 64,72 192,96" -draw "rectangle 64,120 160,144"
                               -draw "rectangle 64,168 176,192" -define icon:auto-resize=256,48,32,16 ${output} VERBATIM
                       COMMENT "Windows icon drawn")
  endif()
  add_custom_target(ambrel_windows_icon DEPENDS ${output})
endfunction()
