# Scintilla's own Qt platform layer (ScintillaEditBase), compiled here as a static library from
# the Scintilla source that scripts/scintilla-source.sh unpacks from Debian's scite source
# package (Debian builds no Scintilla 5 for Qt). ScintillaQt::ScintillaQt; its headers are
# Scintilla's public ones and ScintillaEditBase.h.
set(ScintillaQt_SOURCE_DIR "" CACHE PATH "Scintilla's source (the scintilla folder of scite's source)")
find_path(ScintillaQt_ROOT qt/ScintillaEditBase/ScintillaEditBase.h
          HINTS ${ScintillaQt_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/deps/scintilla NO_DEFAULT_PATH)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(ScintillaQt REQUIRED_VARS ScintillaQt_ROOT
  REASON_FAILURE_MESSAGE "run scripts/scintilla-source.sh, or set ScintillaQt_SOURCE_DIR")

if(ScintillaQt_FOUND AND NOT TARGET ScintillaQt::ScintillaQt)
  # The layer's text conversions still use QTextCodec.
  find_package(Qt6 REQUIRED COMPONENTS Widgets Core5Compat)
  file(GLOB scintilla_core CONFIGURE_DEPENDS ${ScintillaQt_ROOT}/src/*.cxx)
  set(layer ${ScintillaQt_ROOT}/qt/ScintillaEditBase)
  add_library(scintilla_qt STATIC ${scintilla_core} ${layer}/PlatQt.cpp ${layer}/ScintillaQt.cpp
              ${layer}/ScintillaEditBase.cpp ${layer}/ScintillaQt.h ${layer}/ScintillaEditBase.h)
  set_target_properties(scintilla_qt PROPERTIES AUTOMOC ON CXX_STANDARD 17 POSITION_INDEPENDENT_CODE ON)
  # The layer's header takes the platform and geometry headers of Scintilla's core.
  target_include_directories(scintilla_qt SYSTEM PUBLIC ${ScintillaQt_ROOT}/include ${layer}
                             ${ScintillaQt_ROOT}/src)
  target_compile_definitions(scintilla_qt PUBLIC SCINTILLA_QT=1 PRIVATE MAKING_LIBRARY=1)
  # Not our code: its own warnings are not ours to mend.
  target_compile_options(scintilla_qt PRIVATE -w)
  target_link_libraries(scintilla_qt PUBLIC Qt6::Widgets Qt6::Core5Compat)
  add_library(ScintillaQt::ScintillaQt ALIAS scintilla_qt)
endif()
