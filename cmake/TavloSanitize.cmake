# Sanitized builds.
#
# TAVLO_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# ends the program, so a test with a report fails. TAVLO_FUZZ (clang only) adds libFuzzer's coverage
# instrumentation, and the fuzz targets become libFuzzer programs instead of replay programs.

option(TAVLO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TAVLO_FUZZ "Build the fuzz targets as libFuzzer programs (clang), with the sanitizers" OFF)

if(TAVLO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TAVLO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(TAVLO_SANITIZE OR TAVLO_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(TAVLO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
