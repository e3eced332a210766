# Installs the build into a staging directory as a package would (DESTDIR, prefix /usr) and
# runs the installed programs from there, with a home of their own.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -P InstallTest.cmake

foreach(var BUILD_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
set(stage ${WORK_DIR}/stage)
set(home ${WORK_DIR}/home)
file(MAKE_DIRECTORY ${home})

function(check_run)
  cmake_parse_arguments(R "" "EXPECT_STATUS;OUTPUT" "COMMAND" ${ARGN})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${home} --unset=XDG_DATA_HOME ${R_COMMAND}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT "${status}" STREQUAL "${R_EXPECT_STATUS}")
    message(FATAL_ERROR "${R_COMMAND}: status ${status}, expected ${R_EXPECT_STATUS}\n${err}")
  endif()
  set(${R_OUTPUT} "${out}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(status)
  message(FATAL_ERROR "install failed: ${err}")
endif()

set(usr ${stage}/usr)
foreach(f bin/pramlet bin/pramlet-cli share/pramlet/devices/PMEGA328P.dsc
          share/pramlet/devices/UTINY202.dsc share/pramlet/help/Pramlet.html
          share/man/man1/pramlet.1 share/man/man1/pramlet-cli.1
          share/bash-completion/completions/pramlet-cli
          share/applications/com.orvex.Pramlet.desktop share/metainfo/com.orvex.Pramlet.metainfo.xml
          share/icons/hicolor/scalable/apps/pramlet.svg
          share/icons/hicolor/48x48/apps/pramlet.png)
  if(NOT EXISTS ${usr}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB stray ${usr}/bin/*.dsc)
if(stray)
  message(FATAL_ERROR "description files in bin/: ${stray}")
endif()

# The installed programs answer and find the installed description files.
check_run(COMMAND ${usr}/bin/pramlet-cli --version EXPECT_STATUS 0 OUTPUT cliVersion)
check_run(COMMAND ${usr}/bin/pramlet --version EXPECT_STATUS 0 OUTPUT version)
# The window program answers on a terminal alone, without a display.
check_run(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                  QT_QPA_PLATFORM= ${usr}/bin/pramlet --help EXPECT_STATUS 0 OUTPUT help)
string(REPLACE "pramlet-cli " "pramlet " cliVersion "${cliVersion}")
if(NOT help MATCHES "^usage: pramlet " OR NOT version STREQUAL cliVersion
   OR NOT version MATCHES "^pramlet [0-9]+\\.[0-9]+\n$")
  message(FATAL_ERROR "pramlet --help or --version:\n${help}\n${version}")
endif()
check_run(COMMAND ${usr}/bin/pramlet-cli --list EXPECT_STATUS 0 OUTPUT list)
foreach(name "  mega328P\n" "  tiny202\n" "  xmega128A1\n")
  string(FIND "${list}" "${name}" at)
  if(at LESS 0)
    message(FATAL_ERROR "installed --list lacks ${name}")
  endif()
endforeach()
check_run(COMMAND ${usr}/bin/pramlet-cli --device mega328P --app Installed
                  -o ${WORK_DIR}/Installed.pas EXPECT_STATUS 0 OUTPUT out)
file(READ ${WORK_DIR}/Installed.pas pas)
string(FIND "${pas}" "program Installed;" at)
if(at LESS 0)
  message(FATAL_ERROR "the installed build wrote no program")
endif()

# A user's own description of a bundled controller wins; the bundled file stays untouched.
file(MAKE_DIRECTORY ${home}/.local/share/pramlet/devices)
file(WRITE ${home}/.local/share/pramlet/devices/PMEGA328P.dsc
     "[device]\ndevice=mega328P\nHLL=true\n[memory]\nidatastart=$0100\nidataend=$01FF\n")
check_run(COMMAND ${usr}/bin/pramlet-cli --list EXPECT_STATUS 0 OUTPUT list2)
string(REGEX MATCHALL "  mega328P\n" hits "${list2}")
list(LENGTH hits count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "mega328P listed ${count} times with a user file")
endif()
# The user's file has no ports: the LED port list offers none.
check_run(COMMAND ${usr}/bin/pramlet-cli --options --device mega328P --page 3
          EXPECT_STATUS 0 OUTPUT options)
string(FIND "${options}" "\tLEDportSpin0\tchoice\tenabled\tnone\tnone\tLED0\n" at)
if(at LESS 0)
  message(FATAL_ERROR "the user's mega328P was not the one loaded:\n${options}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                        ${usr}/share/pramlet/devices/PMEGA328P.dsc
                        ${CMAKE_CURRENT_LIST_DIR}/../../devices/PMEGA328P.dsc
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the installed PMEGA328P.dsc was changed")
endif()

# The desktop entry and the metainfo pass their validators where these are installed.
find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
  check_run(COMMAND ${DESKTOP_VALIDATE} ${usr}/share/applications/com.orvex.Pramlet.desktop
            EXPECT_STATUS 0 OUTPUT out)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  check_run(COMMAND ${APPSTREAMCLI} validate --no-net
                    ${usr}/share/metainfo/com.orvex.Pramlet.metainfo.xml
            EXPECT_STATUS 0 OUTPUT out)
endif()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "installed programs ran from ${stage}")
