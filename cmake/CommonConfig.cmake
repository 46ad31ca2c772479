# Build policy shared by every target: link zel_config and nothing else is needed.
add_library(zel_config INTERFACE)
target_compile_features(zel_config INTERFACE cxx_std_20)
target_compile_definitions(zel_config INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
if(MSVC)
  target_compile_options(zel_config INTERFACE /W4 /permissive-)
  if(ZEL_WERROR)
    target_compile_options(zel_config INTERFACE /WX)
  endif()
else()
  target_compile_options(zel_config INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
  if(ZEL_WERROR)
    target_compile_options(zel_config INTERFACE -Werror)
  endif()
endif()
if(ZEL_SANITIZE)
  target_compile_options(zel_config INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(zel_config INTERFACE -fsanitize=address,undefined)
endif()

# Adds a QtTest suite: zel_add_qtest(NAME sources... LIBS libs...)
function(zel_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE zel_config Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
