# Runs numeralia-keys on every *.keys script of this folder and checks that its output holds
# each `// expect:` fragment of the script (a `// args:` line gives the driver's options);
# then checks --folder, --save and --seed.
#   cmake -DDRIVER=path/to/numeralia-keys -DWORK=scratch/folder -P driver_test.cmake

file(GLOB scripts ${CMAKE_CURRENT_LIST_DIR}/*.keys)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures 0)

foreach(script IN LISTS scripts)
  get_filename_component(name ${script} NAME)
  set(folder ${WORK}/${name}.d)
  file(MAKE_DIRECTORY ${folder})
  set(args)
  # "// window: NAME" drives that window (scripts named normal_* drive the Normal model);
  # "// sounds: on" turns the sound switch on through the settings file.
  file(STRINGS ${script} window REGEX "^// window: ")
  if(window)
    string(REGEX REPLACE "^// window: " "" window "${window}")
    list(APPEND args --window ${window})
  elseif(name MATCHES "^normal_")
    list(APPEND args --window normal)
  endif()
  file(STRINGS ${script} sounds REGEX "^// sounds: on")
  if(sounds)
    file(WRITE ${folder}/pref "16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1\r\n")
    list(APPEND args --folder ${folder})
  endif()
  file(STRINGS ${script} argsLine REGEX "^// args: " LIMIT_COUNT 1)
  if(argsLine)
    string(REGEX REPLACE "^// args: " "" argsText "${argsLine}")
    separate_arguments(extra UNIX_COMMAND "${argsText}")
    list(APPEND args ${extra})
  endif()
  execute_process(COMMAND ${DRIVER} ${args} INPUT_FILE ${script}
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(SEND_ERROR "${name}: exit ${code}: ${errors}")
    math(EXPR failures "${failures} + 1")
  endif()
  file(STRINGS ${script} expects REGEX "^// expect: " ENCODING UTF-8)
  foreach(line IN LISTS expects)
    string(REGEX REPLACE "^// expect: " "" fragment "${line}")
    string(FIND "${output}" "${fragment}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${name}: missing ${fragment}\n  in ${output}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()

# --folder reads the settings file first; --save writes it after the last key.
set(folder ${WORK}/settings)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${folder}/pref "16,5,0,0,0,1234.5678,0,0,\"Factor\",,,\"euro\",\"pts\",166.386,\"normalita\",0\r\n")
file(WRITE ${WORK}/settings.keys "3\nM1+\nR1\n")
execute_process(COMMAND ${DRIVER} --folder ${folder} --save INPUT_FILE ${WORK}/settings.keys
                OUTPUT_VARIABLE output RESULT_VARIABLE code)
file(READ ${folder}/pref saved)
foreach(fragment "\"numero\":\"1234,5678\"" "\"m1\":\"8\"" "\"transitLabel1\":\"Factor\"")
  string(FIND "${output}" "${fragment}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "settings: missing ${fragment}\n  in ${output}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(NOT code EQUAL 0 OR NOT saved MATCHES "^16,8,0,0,0,1234.5678,0,0,\"Factor\",,,\"euro\",\"pts\",166.386,\"avanzada\",0")
  message(SEND_ERROR "settings: exit ${code}, saved ${saved}")
  math(EXPR failures "${failures} + 1")
endif()

# A caption that names two keys is refused.
execute_process(COMMAND ${DRIVER} INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/../../README.md
                OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE code)
if(code EQUAL 0)
  message(SEND_ERROR "a script of prose was accepted")
  math(EXPR failures "${failures} + 1")
endif()

# An unknown window is refused with the names of the windows there are.
execute_process(COMMAND ${DRIVER} --window nonesuch INPUT_FILE ${WORK}/settings.keys
                OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE code)
if(NOT code EQUAL 2 OR NOT errors MATCHES "windows:.* scientific( |\n)")
  message(SEND_ERROR "unknown window: exit ${code}, ${errors}")
  math(EXPR failures "${failures} + 1")
endif()

# --seed: the same seed draws the same bets, another seed other bets; a window that draws no
# random numbers refuses it.
file(WRITE ${WORK}/bets.keys "6\nSeleccionar\n11\nSeleccionar\n")
set(drawn)
foreach(seed 7 7 8)
  execute_process(COMMAND ${DRIVER} --window lottery --seed ${seed} INPUT_FILE ${WORK}/bets.keys
                  OUTPUT_VARIABLE output RESULT_VARIABLE code)
  string(REGEX MATCH "\"storedBets\":\\[[^]]*\\]" bets "${output}")
  if(NOT code EQUAL 0 OR NOT bets MATCHES "^\"storedBets\":\\[\" [0-9]")
    message(SEND_ERROR "seed ${seed}: exit ${code}, ${output}")
    math(EXPR failures "${failures} + 1")
  endif()
  list(APPEND drawn "${bets}")
endforeach()
list(GET drawn 0 first)
list(GET drawn 1 again)
list(GET drawn 2 other)
if(NOT first STREQUAL again OR first STREQUAL other)
  message(SEND_ERROR "seeds: 7 gave ${first} then ${again}; 8 gave ${other}")
  math(EXPR failures "${failures} + 1")
endif()
execute_process(COMMAND ${DRIVER} --seed 7 INPUT_FILE ${WORK}/bets.keys
                OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE code)
if(code EQUAL 0)
  message(SEND_ERROR "--seed was accepted by the calculator")
  math(EXPR failures "${failures} + 1")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} driver check(s) failed")
endif()
