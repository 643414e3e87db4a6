# Our own code builds with every warning as an error; third-party headers come in as system headers.
function(tavelin_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  get_target_property(_libs ${target} LINK_LIBRARIES)
  if(_libs MATCHES "Qt6::")
    target_compile_definitions(${target} PRIVATE
      QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
      QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS)
  endif()
endfunction()
