# QScintilla for Qt 6 (Debian's libqscintilla2-qt6-dev), which ships neither a CMake package
# nor a pkg-config file: QScintilla::QScintilla, its headers beside Qt's own.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
get_target_property(qt_include_dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
find_path(QScintilla_INCLUDE_DIR Qsci/qsciscintilla.h HINTS ${qt_include_dirs}
          PATH_SUFFIXES qt6 x86_64-linux-gnu/qt6)
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt6)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
                        IMPORTED_LOCATION ${QScintilla_LIBRARY}
                        INTERFACE_INCLUDE_DIRECTORIES ${QScintilla_INCLUDE_DIR}
                        INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
