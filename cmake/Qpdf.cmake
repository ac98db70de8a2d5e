# qpdf 11.3's JSON.hh does not compile as C++20 with clang 14 and libstdc++ 12 (a
# vector of the class being defined). The files that include qpdf's headers are
# compiled as C++17 under clang (the fuzz build); they use nothing newer. GCC
# takes them as C++20. clang-tidy is clang too: `make tidy` reads the list of
# these files that configuring writes to qpdf-sources.txt in the build folder.
find_package(qpdf REQUIRED)
function(vermil_qpdf_sources)
  foreach(source ${ARGN})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(GLOBAL APPEND PROPERTY VERMIL_QPDF_SOURCES ${path})
  endforeach()
  get_property(sources GLOBAL PROPERTY VERMIL_QPDF_SOURCES)
  list(JOIN sources "\n" lines)
  file(WRITE ${CMAKE_BINARY_DIR}/qpdf-sources.txt "${lines}\n")
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set_source_files_properties(${ARGN} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      PROPERTIES COMPILE_OPTIONS "-std=c++17")
  endif()
endfunction()
