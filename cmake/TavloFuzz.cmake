# tavlo_fuzz_target(name SOURCES files... LIBRARIES targets...)
#
# One fuzz target per reader of outside bytes. The sources define LLVMFuzzerTestOneInput. With
# TAVLO_FUZZ the target is a libFuzzer program (scripts/fuzz runs it); otherwise it is a replay
# program that feeds it the files named on its command line. Either way CTest replays, on every
# run, the seed corpus tests/fuzz/corpus/<name>/ and every input that once failed,
# tests/fuzz/crashes/<name>/ (both relative to the folder that calls this function).

function(tavlo_fuzz_target name)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "" "SOURCES;LIBRARIES")
  set(target tavlo_fuzz_${name})
  add_executable(${target} ${FUZZ_SOURCES})
  target_link_libraries(${target} PRIVATE ${FUZZ_LIBRARIES})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(TAVLO_FUZZ)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    target_link_libraries(${target} PRIVATE tavlo_fuzz_replay)
  endif()

  set(inputs "")
  foreach(kind corpus crashes)
    set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${kind}/${name})
    if(IS_DIRECTORY ${folder})
      list(APPEND inputs ${folder})
    endif()
  endforeach()
  if(NOT inputs)
    message(FATAL_ERROR "fuzz target ${name} has no seed corpus in ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name}")
  endif()
  # -runs=0: libFuzzer runs the given inputs once and stops; the replay program ignores options.
  add_test(NAME fuzz.${name} COMMAND ${target} -runs=0 ${inputs})
  set_tests_properties(fuzz.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS fuzz)

  # scripts/fuzz reads the list of targets and their corpus folders from here.
  set_property(GLOBAL APPEND PROPERTY TAVLO_FUZZ_TARGETS "${name}=$<TARGET_FILE:${target}>=${CMAKE_CURRENT_SOURCE_DIR}")
  if(TARGET tavlo_fuzz_all)
    add_dependencies(tavlo_fuzz_all ${target})
  endif()
endfunction()

# Writes build/fuzz_targets.txt, one "name=program=source folder" line per target. Call once, last.
function(tavlo_write_fuzz_target_list)
  get_property(targets GLOBAL PROPERTY TAVLO_FUZZ_TARGETS)
  list(JOIN targets "\n" text)
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/fuzz_targets.txt CONTENT "${text}\n")
endfunction()
