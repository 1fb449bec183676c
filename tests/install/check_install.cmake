# Installs the build tree into a scratch prefix and checks what a desktop finds
# there: the programs (without the developer tools), the manual pages, a valid
# desktop entry, the icon in every size of the icon theme, and AppStream
# metadata that appstreamcli accepts.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(applications share/applications/qm47-configurator.desktop)
set(metainfo share/metainfo/${APPSTREAM_ID}.metainfo.xml)
foreach(path bin/qm47-configurator bin/qm47 ${applications} ${metainfo}
             share/man/man1/qm47-configurator.1.gz share/man/man1/qm47.1.gz
             share/icons/hicolor/scalable/apps/qm47-configurator.svg
             share/mime/packages/qm47-configurator.xml)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
foreach(path bin/qm47-keypad-sim bin/qm47-transfer-bench share/man/man1/qm47-keypad-sim.1.gz)
    if(EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "a developer tool installed without QM47_INSTALL_DEV_TOOLS: ${path}")
    endif()
endforeach()

# Every icon is as large as the directory it sits in says (PNG header: width
# and height as 32-bit numbers at byte 16).
foreach(side 16 24 32 48 64 128 256)
    set(icon "${PREFIX}/share/icons/hicolor/${side}x${side}/apps/qm47-configurator.png")
    if(NOT EXISTS "${icon}")
        message(FATAL_ERROR "no ${side} px icon")
    endif()
    file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width_hex)
    string(SUBSTRING "${header}" 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL side OR NOT height EQUAL side)
        message(FATAL_ERROR "the ${side} px icon is ${width} x ${height}")
    endif()
endforeach()

# Hints count too: two main categories, for one, are only a hint.
execute_process(COMMAND desktop-file-validate "${PREFIX}/${applications}"
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${said}")
endif()
execute_process(COMMAND appstreamcli validate --no-net "${PREFIX}/${metainfo}"
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${said}")
endif()
file(READ "${PREFIX}/${metainfo}" metadata)
foreach(expected "<release version=\"${VERSION}\"" "<screenshot type=\"default\">"
                 "<launchable type=\"desktop-id\">qm47-configurator.desktop</launchable>")
    string(FIND "${metadata}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the metadata lacks ${expected}")
    endif()
endforeach()
# Files from a file manager: the entry takes a file and names the type.
file(READ "${PREFIX}/${applications}" entry)
foreach(line "Exec=qm47-configurator %f" "MimeType=application/x-qm47-configuration;")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(READ "${PREFIX}/share/mime/packages/qm47-configurator.xml" mime)
foreach(text "type=\"application/x-qm47-configuration\"" "pattern=\"*.tkf\"")
    string(FIND "${mime}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "MIME description lacks ${text}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
