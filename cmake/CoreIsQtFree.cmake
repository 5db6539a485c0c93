# The core library is plain C++: no file under src/core may include a Qt header.
# Checked at configure time and again as a test (cmake -P this file).
set(_core_dir "${CMAKE_CURRENT_LIST_DIR}/../src/core")
file(GLOB_RECURSE _core_files "${_core_dir}/*.h" "${_core_dir}/*.cpp")
set(_offenders "")
foreach(_f IN LISTS _core_files)
  file(STRINGS "${_f}" _hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(_hits)
    list(APPEND _offenders "${_f}")
  endif()
endforeach()
if(_offenders)
  message(FATAL_ERROR "src/core must not use Qt; Qt headers included by: ${_offenders}")
endif()
