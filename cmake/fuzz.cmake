# libFuzzer targets (clang only):
#   cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQVN_FUZZ=ON
#   cmake --build build/fuzz --target html_scanner_fuzz readers_fuzz
#   build/fuzz/html_scanner_fuzz -max_total_time=300 -dict=tests/core/links/html/html_scanner_fuzz.dict corpus/
# - html_scanner_fuzz: the HTML scanner (seeds: tests/core/links/html/fuzz_corpus);
# - readers_fuzz: the readers of files the user names, the settings parser and
#   the JSON baseline reader (seeds: tests/core/readers_fuzz/corpus).
# scripts/fuzz-smoke runs each for a minute.
option(QVN_FUZZ "Build the fuzz targets (needs clang and -fsanitize=fuzzer)" OFF)

# A fuzz target built from its own file and the core sources it needs,
# compiled in, so that the fuzzer sees their branches; only those, so that a
# fuzz build (CI's too) stays short.
function(qvn_fuzz_target name source)
  add_executable(${name} ${source} ${ARGN})
  target_include_directories(${name} PRIVATE src)
  if(WIN32)
    target_link_libraries(${name} PRIVATE qvncore)  # the platform files and their libraries
  else()
    target_sources(${name} PRIVATE src/core/platform/posix/platform_posix.cpp
      src/core/platform/posix/file_replacement_posix.cpp)
  endif()
  target_compile_options(${name} PRIVATE
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

if(QVN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "QVN_FUZZ needs clang; the fuzz targets are not built")
  else()
    file(GLOB QVN_FUZZ_HTML_SOURCES CONFIGURE_DEPENDS src/core/links/html/*.cpp)
    qvn_fuzz_target(html_scanner_fuzz tests/core/links/html/html_scanner_fuzz.cpp
      ${QVN_FUZZ_HTML_SOURCES} src/core/text/utf.cpp src/core/text/utf16.cpp
      src/core/platform/page_input.cpp)
    # A small value limit, so that inputs of a few KB reach the cuts.
    target_compile_definitions(html_scanner_fuzz PRIVATE QVN_HTML_VALUE_LIMIT=200)

    qvn_fuzz_target(readers_fuzz tests/core/readers_fuzz/readers_fuzz.cpp
      src/core/settings/settings_file.cpp
      src/core/results/json_reader.cpp src/core/results/json_writer.cpp
      src/core/results/baseline.cpp
      src/core/results/broken_links.cpp src/core/results/shared_note.cpp
      src/core/text/text.cpp src/core/text/utf.cpp src/core/text/utf16.cpp
      src/core/text/casefold.cpp
      src/core/text/casefold_table.cpp
      src/core/platform/text_file.cpp src/core/platform/path.cpp)
  endif()
endif()
