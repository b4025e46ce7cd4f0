# kora_add_gtest(NAME SOURCES ... LIBS ...): a GoogleTest program for Qt-free code.
function(kora_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# kora_add_qtest(NAME SOURCES ... LIBS ...): a Qt Test program driving real widgets offscreen.
function(kora_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets kora_testsupport)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()

# kora_link_no_qt(TARGET): at the end of the configuration, stops it when
# TARGET reaches a Qt library through anything it links, however indirectly.
# The Qt-free layers stay free by their link lines, not by review.
function(kora_link_no_qt target)
  # A deferred call reads its arguments when it runs, so the name goes in now.
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL kora_check_no_qt [[${target}]])")
endfunction()

function(kora_check_no_qt target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen OR current MATCHES "^(::@|\\$<|-)")
      continue()
    endif()
    list(APPEND seen ${current})
    if(current MATCHES "^Qt[0-9]*::" OR current MATCHES "Qt[0-9]*(Core|Gui|Widgets)")
      message(FATAL_ERROR "${target} must link no Qt, but reaches ${current}")
    endif()
    if(TARGET ${current})
      get_target_property(imported ${current} IMPORTED)
      set(libs)
      if(NOT imported)
        get_target_property(libs ${current} LINK_LIBRARIES)
      endif()
      get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
      foreach(lib IN LISTS libs interface)
        if(lib)
          list(APPEND pending ${lib})
        endif()
      endforeach()
    endif()
  endwhile()
endfunction()
