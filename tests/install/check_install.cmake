# Installs the build tree into a scratch prefix and checks that the programs,
# the desktop entry and its icon land where a desktop's menu finds them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/qm47-configurator bin/qm47 bin/qm47-keypad-sim
             share/applications/qm47-configurator.desktop
             share/icons/hicolor/128x128/apps/qm47-configurator.png)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/qm47-configurator.desktop" entry)
foreach(line "Type=Application" "Exec=qm47-configurator" "Icon=qm47-configurator")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
