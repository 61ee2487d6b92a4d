# How the tree is built: every library is a core (Qt Core and Gui only: file formats, money,
# drafts, page layouts) or a ui library (Widgets and PrintSupport: forms, panels, the real
# desk and printer). A core that would link Widgets, even through another library or inside
# a generator expression, stops the configure step; a Widgets header in a core file does not
# compile in any spelling: <QWidget> is on no core include path, and <QtWidgets/QWidget>
# (which Qt's own include root would find) meets a header of the same name that stops the
# compile with the reason.

# The widget modules a core may not reach.
set(PELLAR_UI_ONLY_MODULES Widgets PrintSupport Charts OpenGLWidgets)

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

# The folder of stand-in headers put first on every core's include path: for each header
# of a widget module, a file of the same name that stops the compile. Made once per build
# folder.
function(pellar_layer_guard out)
  set(guard ${CMAKE_BINARY_DIR}/layer-guard)
  if(NOT EXISTS ${guard}/.made)
    foreach(module ${PELLAR_UI_ONLY_MODULES})
      set(dir "")
      if(TARGET Qt6::${module})
        get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(candidate ${dirs})
          if(candidate MATCHES "/Qt${module}$")
            set(dir ${candidate})
          endif()
        endforeach()
      endif()
      set(names Qt${module})
      if(dir)
        file(GLOB headers RELATIVE ${dir} ${dir}/*)
        list(APPEND names ${headers})
      endif()
      foreach(header ${names})
        if(NOT IS_DIRECTORY ${dir}/${header})
          file(WRITE ${guard}/Qt${module}/${header}
               "#error \"A core library includes <Qt${module}/${header}>: widgets and printing "
               "dialogs belong in a ui library.\"\n")
        endif()
      endforeach()
    endforeach()
    file(WRITE ${guard}/.made "")
  endif()
  set(${out} ${guard} PARENT_SCOPE)
endfunction()

# pellar_core_library(NAME FOLDERS folder... [LINKS library...])
# A static library without widgets. Reuses pellar_core's precompiled headers.
function(pellar_core_library name)
  cmake_parse_arguments(ARG "" "" "FOLDERS;LINKS" ${ARGN})
  pellar_sources(sources ${ARG_FOLDERS})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  pellar_layer_guard(guard)
  target_include_directories(${name} BEFORE PRIVATE ${guard})
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
# The program carries its own icon (":/pellar/icon.png"), for when the icon theme has none.
function(pellar_program name)
  cmake_parse_arguments(ARG "" "MAIN" "LINKS" ${ARGN})
  add_executable(${name} ${ARG_MAIN})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  set(icon ${CMAKE_SOURCE_DIR}/packaging/icons/256/org.pellar.${name}.png)
  set_source_files_properties(${icon} PROPERTIES QT_RESOURCE_ALIAS icon.png)
  qt_add_resources(${name} ${name}_icon PREFIX /pellar FILES ${icon})
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
    foreach(entry ${links})
      # A generator expression is looked into: every target it may name counts.
      set(named ${entry})
      if(entry MATCHES "\\$<")
        string(REGEX MATCHALL "[A-Za-z0-9_.+-]+(::[A-Za-z0-9_.+-]+)?" named "${entry}")
      endif()
      foreach(link ${named})
        if(link IN_LIST seen OR (entry MATCHES "\\$<" AND NOT TARGET ${link}))
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
    set(forbidden_targets pellar_ui)
    foreach(module ${PELLAR_UI_ONLY_MODULES})
      list(APPEND forbidden_targets Qt6::${module} Qt::${module})
    endforeach()
    foreach(forbidden ${forbidden_targets})
      if(forbidden IN_LIST closure)
        message(FATAL_ERROR "${core} is a core library and must not link ${forbidden}")
      endif()
    endforeach()
  endforeach()
endfunction()
