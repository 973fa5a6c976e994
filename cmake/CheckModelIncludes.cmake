# cmake -DAREA=<area> -DSOURCES=<a;b;...> -DQT_INCLUDE_ROOT=<dir> -DSTAMP=<file>
cmake_minimum_required(VERSION 3.25)
#     -P CheckModelIncludes.cmake
# Fails when a source of a model area includes a header of Qt's GUI, widget,
# D-Bus or network modules: the model needs no window, and Qt's include root,
# which QtCore puts on the path, would let such an include compile.
set(forbidden QtGui QtWidgets QtDBus QtNetwork QtOpenGL QtPrintSupport)
set(found "")
foreach(source IN LISTS SOURCES)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*<[^>]+>")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*" "\\1" header "${line}")
        # <QtWidgets/QWidget> by its module, <QWidget> by where it lives.
        string(REGEX MATCH "^([A-Za-z]+)/" module "${header}")
        set(module "${CMAKE_MATCH_1}")
        if(NOT module)
            foreach(candidate IN LISTS forbidden)
                if(EXISTS "${QT_INCLUDE_ROOT}/${candidate}/${header}"
                   AND NOT EXISTS "${QT_INCLUDE_ROOT}/QtCore/${header}")
                    set(module ${candidate})
                endif()
            endforeach()
        endif()
        if(module IN_LIST forbidden)
            list(APPEND found "${source}: <${header}> (${module})")
        endif()
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " lines)
    message(FATAL_ERROR "The ${AREA} area links QtCore only, but includes:\n  ${lines}")
endif()
file(WRITE "${STAMP}" "")
