# The program's version is project(VERSION) alone: this generates pelinor/programversion.h from it, and the
# interface target pelinor_version hands its folder to whatever compiles core::programVersion().
configure_file(${PROJECT_SOURCE_DIR}/cmake/programversion.h.in ${PROJECT_BINARY_DIR}/generated/pelinor/programversion.h
               @ONLY)
add_library(pelinor_version INTERFACE)
target_include_directories(pelinor_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
