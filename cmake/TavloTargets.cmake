# Helpers that keep the project's rules in one place.
#
# tavlo_core_library(name SOURCES...) declares a pure target: standard library only.
# tavlo_check_core_targets() runs once at the end of configuration and refuses any
# pure target that links Qt, directly or through another target.

set_property(GLOBAL PROPERTY TAVLO_CORE_TARGETS "")

function(tavlo_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(GLOBAL APPEND PROPERTY TAVLO_CORE_TARGETS ${name})
endfunction()

function(_tavlo_collect_links target out_var)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(TARGET ${current})
      get_target_property(aliased ${current} ALIASED_TARGET)
      if(aliased)
        list(APPEND queue ${aliased})
      endif()
      foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(libs ${current} ${prop})
        if(libs)
          list(APPEND queue ${libs})
        endif()
      endforeach()
    endif()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

function(tavlo_check_core_targets)
  get_property(core GLOBAL PROPERTY TAVLO_CORE_TARGETS)
  foreach(target IN LISTS core)
    _tavlo_collect_links(${target} links)
    foreach(lib IN LISTS links)
      if(lib MATCHES "^Qt[0-9]*::" OR lib MATCHES "(^|/)libQt[0-9]")
        message(FATAL_ERROR "${target} is a core target and must not depend on Qt (found ${lib})")
      endif()
    endforeach()
  endforeach()
endfunction()

# One GoogleTest executable per source folder, registered with CTest test by test.
function(tavlo_test_executable name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# A GoogleTest executable for windows: it brings its own main, which sets up the
# application object (and an offscreen screen large enough for every window size).
function(tavlo_window_test_executable name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
