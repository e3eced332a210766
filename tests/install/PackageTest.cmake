# Makes the Debian package into a folder of its own, unpacks it and runs the packaged
# pramlet-cli from there.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DCPACK=... -DDPKG_DEB=... -P PackageTest.cmake

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/home)
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK_DIR}/out --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${WORK_DIR}/out/*.deb)
list(LENGTH debs count)
if(status OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (status ${status}):\n${out}\n${err}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${debs} Package Version Depends
                OUTPUT_VARIABLE fields RESULT_VARIABLE status)
if(status OR NOT fields MATCHES "Package: pramlet\n" OR NOT fields MATCHES "libqt6widgets6")
  message(FATAL_ERROR "package fields:\n${fields}")
endif()

execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${WORK_DIR}/root RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "cannot unpack ${debs}")
endif()
foreach(f usr/bin/pramlet usr/share/pramlet/devices/UMEGA4809.dsc
          usr/share/pramlet/help/Pramlet.html usr/share/man/man1/pramlet-cli.1
          usr/share/applications/com.orvex.Pramlet.desktop)
  if(NOT EXISTS ${WORK_DIR}/root/${f})
    message(FATAL_ERROR "not in the package: ${f}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK_DIR}/home --unset=XDG_DATA_HOME
                        ${WORK_DIR}/root/usr/bin/pramlet-cli --device mega4809
                RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE err)
if(status OR NOT listing MATCHES "Device = mega4809")
  message(FATAL_ERROR "the packaged pramlet-cli failed (${status}): ${err}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "package ${debs} unpacked and run")
