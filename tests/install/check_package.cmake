# Builds the Debian package as the README says (a Release tree, cpack -G DEB)
# and checks its file list, its library dependencies and that apt would
# install it.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed:\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

run("${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${BUILD_DIR}" -G "${GENERATOR}"
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CXX} -DQM47_BUILD_TESTS=OFF)
run("${CMAKE_COMMAND}" --build "${BUILD_DIR}" --parallel 2)
file(REMOVE_RECURSE "${BUILD_DIR}/packages")
run(cpack -G DEB -B "${BUILD_DIR}/packages" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB debs "${BUILD_DIR}/packages/${NAME}_${VERSION}_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package ${NAME}_${VERSION}_*.deb, found: ${debs}")
endif()

run(dpkg-deb -c "${debs}")
set(listing "${out}")
foreach(path usr/bin/qm47-configurator usr/bin/qm47
             usr/share/applications/qm47-configurator.desktop
             usr/share/metainfo/${APPSTREAM_ID}.metainfo.xml
             usr/share/man/man1/qm47-configurator.1.gz usr/share/man/man1/qm47.1.gz
             usr/share/icons/hicolor/16x16/apps/qm47-configurator.png
             usr/share/icons/hicolor/256x256/apps/qm47-configurator.png
             usr/share/icons/hicolor/scalable/apps/qm47-configurator.svg
             usr/share/mime/packages/qm47-configurator.xml)
    string(FIND "${listing}" " ./${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${listing}")
    endif()
endforeach()
foreach(tool qm47-keypad-sim qm47-transfer-bench)
    string(FIND "${listing}" "${tool}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "the package holds the developer tool ${tool}:\n${listing}")
    endif()
endforeach()

# Dependencies as dpkg-shlibdeps found them in the programs, with versions.
run(dpkg-deb -f "${debs}" Depends)
set(depends "${out}")
foreach(library libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6)
    if(NOT depends MATCHES "(^|, )${library}[a-z0-9]* \\(>= [^)]+\\)")
        message(FATAL_ERROR "Depends lacks ${library}: ${depends}")
    endif()
endforeach()

run(dpkg-deb -f "${debs}" Recommends)
if(NOT out MATCHES "qt6-wayland")
    message(FATAL_ERROR "Recommends lacks qt6-wayland: ${out}")
endif()

# apt would install it here: every dependency can be had.
run(apt-get install --simulate --no-install-recommends "${debs}")
if(NOT out MATCHES "Inst ${NAME} ")
    message(FATAL_ERROR "apt-get would not install the package:\n${out}")
endif()
