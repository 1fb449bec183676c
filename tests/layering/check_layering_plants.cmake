cmake_minimum_required(VERSION 3.21)
# The layering check must catch what it is there for: it runs on a copy of the
# sources, once clean (it passes) and once per planted fault (it must fail and
# name the fault). Each plant is "file|line|text the failure names"; the line
# is added to the file, which is put back as it was afterwards.
set(plants
    "config/planted.h|#include \"device/frame.h\"|folder circle: config/ -> device/"
    "keyboard/planted.cpp|#include \"file/tkffile.h\"|folder circle: file/ -> keyboard/"
    "device/planted.cpp|#include <QWidget>|device/planted.cpp includes the widget header <QWidget>"
    "file/planted.h|#  include <QtWidgets/QDialog>|includes the widget header <QtWidgets/QDialog>"
    "config/planted.cpp|#include \"../app/mainwindow.h\"|config/planted.cpp includes app/mainwindow.h from app/"
    "tools/qm47/planted.cpp|#include \"app/portdialog.h\"|tools/qm47/planted.cpp includes app/portdialog.h from app/"
    "controllers/planted.h|#include <QMessageBox>|controllers/planted.h includes the widget header <QMessageBox>"
    "device/CMakeLists.txt|target_sources(qm47serial PRIVATE planted.cpp)|device/ is compiled into two libraries: qm47core, qm47serial"
)

set(copy "${WORK_DIR}/tree")
file(REMOVE_RECURSE "${copy}")
foreach(folder app capture config controllers device document file keyboard serial translations tools)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
         "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/CMakeLists.txt")
    foreach(source ${sources})
        get_filename_component(dir "${copy}/${source}" DIRECTORY)
        file(COPY "${SOURCE_DIR}/${source}" DESTINATION "${dir}")
    endforeach()
endforeach()

function(run_check result_var output_var)
    execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${copy} -DWIDGETS_DIR=${WIDGETS_DIR}
                            -P "${CHECK_SCRIPT}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

run_check(result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the clean copy fails the check:\n${output}")
endif()

foreach(plant ${plants})
    string(REPLACE "|" ";" parts "${plant}")
    list(GET parts 0 path)
    list(GET parts 1 line)
    list(GET parts 2 expected)
    set(original "")
    set(existed FALSE)
    if(EXISTS "${copy}/${path}")
        file(READ "${copy}/${path}" original)
        set(existed TRUE)
    endif()
    file(WRITE "${copy}/${path}" "${original}${line}\n")
    run_check(result output)
    if(existed)
        file(WRITE "${copy}/${path}" "${original}")
    else()
        file(REMOVE "${copy}/${path}")
    endif()
    if(result EQUAL 0)
        message(FATAL_ERROR "the check passes with ${path}: ${line}")
    endif()
    string(FIND "${output}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "with ${path}: ${line}\nthe check does not say '${expected}':\n${output}")
    endif()
endforeach()
file(REMOVE_RECURSE "${copy}")
