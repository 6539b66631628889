# Helpers shared by every subsystem's CMakeLists.

# A test folder that tests never leave: no test touches the user's home or settings.
set(ORRERY_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${ORRERY_TEST_HOME}/config ${ORRERY_TEST_HOME}/data)

include(GoogleTest)

# orrery_add_qt_library(NAME SOURCES ... LIBRARIES ...)
# A static library of windows and dialogs, run through moc, whose headers
# are included from src/.
function(orrery_add_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
endfunction()

# orrery_add_test(NAME SOURCES ... LIBRARIES ...)
# One GoogleTest executable; each test case becomes a CTest test.
function(orrery_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE ORRERY_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  # Shared test helpers: #include "support/case_file.h".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "HOME=${ORRERY_TEST_HOME};XDG_CONFIG_HOME=${ORRERY_TEST_HOME}/config;XDG_DATA_HOME=${ORRERY_TEST_HOME}/data;QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

# orrery_add_qt_test(NAME SOURCES ... LIBRARIES ...)
# A GoogleTest executable whose main creates the QApplication (offscreen
# platform, set by CTest), for tests that drive real widgets.
function(orrery_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE ORRERY_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT
      "HOME=${ORRERY_TEST_HOME};XDG_CONFIG_HOME=${ORRERY_TEST_HOME}/config;XDG_DATA_HOME=${ORRERY_TEST_HOME}/data;QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
