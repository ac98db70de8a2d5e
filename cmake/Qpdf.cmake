# qpdf 11.3's JSON.hh does not compile as C++20 with clang 14 and libstdc++ 12 (a
# vector of the class being defined). The files that include qpdf's headers are
# compiled as C++17 under clang (the fuzz build); they use nothing newer. GCC
# takes them as C++20.
find_package(qpdf REQUIRED)
function(vermil_qpdf_sources)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set_source_files_properties(${ARGN} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      PROPERTIES COMPILE_OPTIONS "-std=c++17")
  endif()
endfunction()
