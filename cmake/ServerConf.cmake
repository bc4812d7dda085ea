# The reader of server/server.conf on the build's side; the table server's
# reader (server/tablesettings.py) takes exactly the same format:
#   NAME=value    NAME of capitals, digits and _, nothing around the =,
#                 value without leading or trailing blanks and without ;
#                 (may be empty)
#   # comment     and empty lines
# Any other line stops with an error naming it, so the two never disagree.
# Run as a script (cmake -DCONF=FILE -P cmake/ServerConf.cmake) it prints
# the settings as NAME=value lines, which the server's tests compare.

# Sets <prefix>NAME for every setting of file in the caller's scope.
function(tintfall_read_server_conf file prefix)
  file(READ "${file}" text)
  if(text MATCHES ";")
    message(FATAL_ERROR "${file}: a ; cannot be part of a setting")
  endif()
  file(STRINGS "${file}" lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Z][A-Z0-9_]*)=(([^ \t](.*[^ \t])?)?)$")
      message(FATAL_ERROR "${file}:${number}: not NAME=value: '${line}'")
    endif()
    set(${prefix}${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    list(APPEND names ${CMAKE_MATCH_1})
  endforeach()
  set(${prefix}NAMES "${names}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  tintfall_read_server_conf("${CONF}" conf_)
  foreach(name IN LISTS conf_NAMES)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${name}=${conf_${name}}")
  endforeach()
endif()
