# How the tree is built: every library is a core (Qt Core and Gui only: file formats, money,
# drafts, page layouts) or a ui library (Widgets and PrintSupport: forms, panels, the real
# desk and printer). A core that would link Widgets, even through another library, stops
# the configure step; a Widgets header in a core file does not compile, as no core target
# has the Widgets include folders.

# Headers parsed once per build and reused by every target (see PELLAR_PCH).
set(PELLAR_CORE_PCH_HEADERS
    <algorithm> <functional> <memory> <optional>
    <QByteArray> <QDate> <QDir> <QFile> <QFileInfo> <QList> <QObject> <QPointer>
    <QRegularExpression> <QString> <QStringList> <QColor> <QFont>)
set(PELLAR_UI_PCH_HEADERS
    ${PELLAR_CORE_PCH_HEADERS} <QPainter>
    <QAction> <QApplication> <QButtonGroup> <QCheckBox> <QComboBox> <QDateEdit> <QGridLayout>
    <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QListWidget> <QMainWindow>
    <QMenu> <QMenuBar> <QPushButton> <QRadioButton> <QTableView> <QTableWidget> <QTabWidget>
    <QVBoxLayout> <QWidget>
    <QPrinter>)
set(PELLAR_TEST_PCH_HEADERS <gtest/gtest.h> <QSignalSpy> <QTemporaryDir> <QTest>)

# Compiles a target against the headers another target precompiled. A program's moc file
# is empty (its classes are in its library), and loading the headers would cost more than
# compiling nothing.
function(pellar_reuse_pch target owner)
  if(PELLAR_PCH)
    target_precompile_headers(${target} REUSE_FROM ${owner})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_source_files_properties(
          ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
          TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endif()
endfunction()

# The sources of a library: the .cpp and .h files of the given folders.
function(pellar_sources out)
  set(sources)
  foreach(folder ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# pellar_core_library(NAME FOLDERS folder... [LINKS library...])
# A static library without widgets. Reuses pellar_core's precompiled headers.
function(pellar_core_library name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  pellar_sources(sources ${ARG_FOLDERS})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  if(NOT name STREQUAL "pellar_core")
    pellar_reuse_pch(${name} pellar_core)
  endif()
  set_property(GLOBAL APPEND PROPERTY PELLAR_CORE_TARGETS ${name})
endfunction()

# pellar_ui_library(NAME FOLDERS folder... [LINKS library...])
# A static library of forms and panels. Reuses pellar_ui's precompiled headers.
function(pellar_ui_library name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  pellar_sources(sources ${ARG_FOLDERS})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  if(NOT name STREQUAL "pellar_ui")
    pellar_reuse_pch(${name} pellar_ui)
  endif()
endfunction()

# pellar_program(NAME MAIN main.cpp LINKS library...)
function(pellar_program name)
  cmake_parse_arguments(ARG "" "MAIN" "LINKS" ${ARGN})
  add_executable(${name} ${ARG_MAIN})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  pellar_reuse_pch(${name} pellar_ui)
endfunction()

# Every library a target links, directly or through others, as written in the link lists.
function(_pellar_link_closure target out)
  set(seen ${${out}})
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY" AND property STREQUAL "LINK_LIBRARIES")
      continue()
    endif()
    get_target_property(links ${target} ${property})
    if(NOT links)
      continue()
    endif()
    foreach(link ${links})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link MATCHES "^\\$<" OR link IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${link})
      if(TARGET ${link})
        get_target_property(aliased ${link} ALIASED_TARGET)
        if(aliased)
          list(APPEND seen ${aliased})
          set(link ${aliased})
        endif()
        _pellar_link_closure(${link} seen)
      endif()
    endforeach()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Stops the configure step when a core library reaches Widgets or PrintSupport. Called once
# every target exists.
function(pellar_check_cores)
  get_property(cores GLOBAL PROPERTY PELLAR_CORE_TARGETS)
  foreach(core ${cores})
    set(closure)
    _pellar_link_closure(${core} closure)
    foreach(forbidden Qt6::Widgets Qt6::PrintSupport Qt6::Charts Qt::Widgets Qt::PrintSupport
                      pellar_ui)
      if(forbidden IN_LIST closure)
        message(FATAL_ERROR "${core} is a core library and must not link ${forbidden}")
      endif()
    endforeach()
  endforeach()
endfunction()
