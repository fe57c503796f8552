# Warning policy for the project's own targets. Third-party headers come in as
# SYSTEM includes through their imported targets, so -Werror only judges our code.
function(qb_target_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough)
  if(QB_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Headers that nearly every test parses; each program compiles them once.
set(QB_PCH_TEST <gtest/gtest.h> <algorithm> <filesystem> <functional> <map>
  <memory> <optional> <set> <string> <vector>)
# The widget headers the window's sources and their tests share.
set(QB_PCH_QT <QApplication> <QCheckBox> <QComboBox> <QDialog>
  <QDialogButtonBox> <QFormLayout> <QHBoxLayout> <QLabel> <QLineEdit> <QPainter>
  <QPushButton> <QSpinBox> <QString> <QVBoxLayout> <QWidget>)

# Only with clang: gcc 12 forgets that a precompiled header's contents come
# from system headers, and reports their inlined code's warnings as ours.
function(qb_precompile target)
  if(NOT QB_PCH OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  target_precompile_headers(${target} PRIVATE ${ARGN})
  # A header compiled again with the same content stays a compiler-cache hit.
  target_compile_options(${target} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
endfunction()

# A library of one layer: its own folder is its public include path, so a layer
# sees only the headers of the targets it links.
function(qb_add_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  qb_target_warnings(${target})
endfunction()

# One GoogleTest program per layer; every test case becomes a ctest test.
# LABELS (for example "slow") lets a quick run leave a program out: ctest -LE slow.
function(qb_add_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} qb_test_paths GTest::gtest GTest::gtest_main)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  qb_target_warnings(${target})
  qb_precompile(${target} ${QB_PCH_TEST})
  set(labels "")
  if(ARG_LABELS)
    set(labels LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ${labels})
endfunction()
