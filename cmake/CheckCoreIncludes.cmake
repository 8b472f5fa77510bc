# Fails when a file under CORE_DIR includes a header of a Qt module other than Core. Plain includes such
# as <QColor> already fail to compile there (only QtCore's folder is on the include path), but the
# module-prefixed form <QtGui/QColor> would resolve through Qt's root include folder.
file(GLOB_RECURSE files "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
set(bad "")
foreach(f IN LISTS files)
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Gui|Widgets|OpenGL|Svg|PrintSupport|Multimedia)[/>\"]")
    foreach(l IN LISTS lines)
        string(APPEND bad "\n  ${f}: ${l}")
    endforeach()
endforeach()
if(bad)
    message(FATAL_ERROR "Core code must use Qt Core only; found:${bad}")
endif()
