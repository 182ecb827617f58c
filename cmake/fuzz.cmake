# The HTML scanner's fuzz target, for clang's libFuzzer:
#   cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQVN_FUZZ=ON
#   cmake --build build/fuzz --target html_scanner_fuzz
#   build/fuzz/html_scanner_fuzz -max_total_time=300 -dict=tests/core/links/html/html_scanner_fuzz.dict corpus/
# (corpus/ seeded from tests/core/links/html/fuzz_corpus); scripts/fuzz-smoke runs it for a minute.
option(QVN_FUZZ "Build the HTML scanner's fuzz target (needs clang and -fsanitize=fuzzer)" OFF)

if(QVN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "QVN_FUZZ needs clang; the fuzz target is not built")
  else()
    # The scanner is compiled into the target, so that the fuzzer sees its branches;
    # only what it needs, so that a fuzz build (CI's too) stays short.
    file(GLOB QVN_FUZZ_SOURCES CONFIGURE_DEPENDS
      src/core/links/html/*.cpp src/core/text/utf.cpp src/core/text/utf16.cpp
      src/core/platform/page_input.cpp)
    add_executable(html_scanner_fuzz tests/core/links/html/html_scanner_fuzz.cpp ${QVN_FUZZ_SOURCES})
    target_include_directories(html_scanner_fuzz PRIVATE src)
    if(WIN32)
      target_link_libraries(html_scanner_fuzz PRIVATE qvncore)  # the platform file and its libraries
    else()
      target_sources(html_scanner_fuzz PRIVATE src/core/platform/posix/platform_posix.cpp)
    endif()
    # A small value limit, so that inputs of a few KB reach the cuts.
    target_compile_definitions(html_scanner_fuzz PRIVATE QVN_HTML_VALUE_LIMIT=200)
    target_compile_options(html_scanner_fuzz PRIVATE
      -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_link_options(html_scanner_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    set_target_properties(html_scanner_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
endif()
