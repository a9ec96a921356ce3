# pellucors_mingw_runtime(OUT): the mingw-w64 runtime DLLs every program built
# here needs beside it (the C++ library, GCC's support library, the threads),
# found where the cross compiler itself takes them from.
function(pellucors_mingw_runtime out)
    set(dlls "")
    foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${name} is")
        endif()
        list(APPEND dlls "${path}")
    endforeach()
    set(${out} "${dlls}" PARENT_SCOPE)
endfunction()
