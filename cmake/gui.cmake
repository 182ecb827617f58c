# The desktop program (Qt 6 Widgets) and its tests (Qt Test, offscreen platform).
set(CMAKE_AUTOMOC ON)

file(GLOB QVN_GUI_SOURCES CONFIGURE_DEPENDS
  src/ui/*.cpp src/reports/*.cpp src/settings/*.cpp src/linkcheck/*.cpp)
list(FILTER QVN_GUI_SOURCES INCLUDE REGEX "(_window|_window_[a-z_]+|_qt)\\.cpp$")
list(FILTER QVN_GUI_SOURCES EXCLUDE REGEX "app_main_qt\\.cpp$")
add_library(qvngui STATIC ${QVN_GUI_SOURCES})
target_link_libraries(qvngui PUBLIC qvncore Qt6::Widgets)

add_executable(quorvane WIN32 src/ui/app_main_qt.cpp)
target_link_libraries(quorvane PRIVATE qvngui)
set_target_properties(quorvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(quorvane qvndata)
install(TARGETS quorvane RUNTIME DESTINATION bin)

if(QVN_BUILD_TESTS)
  file(GLOB QVN_GUI_TEST_SOURCES CONFIGURE_DEPENDS tests/ui/*.cpp tests/reports/*.cpp
    tests/settings/*.cpp)
  list(FILTER QVN_GUI_TEST_SOURCES INCLUDE REGEX "(_window|_window_[a-z_]+|_qt)_test\\.cpp$")
  foreach(source ${QVN_GUI_TEST_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source} tests/support/temp_dir.cpp tests/support/gui_test_support_qt.cpp)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE qvngui Qt6::Test)
    target_compile_definitions(${name} PRIVATE QVN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      QVN_BUILD_DIR="${CMAKE_BINARY_DIR}")
    add_dependencies(${name} qvndata)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  endforeach()
endif()

# Timing the desktop program's check run (used by scripts/benchmark).
add_executable(gui_run_bench tools/gui_run_bench_qt.cpp)
target_link_libraries(gui_run_bench PRIVATE qvngui)
set_target_properties(gui_run_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(gui_run_bench qvndata)
