# Each folder of the core is a layer: a static library whose link dependencies are folders below
# it. A layer sees the source tree through an include folder of its own that holds a link to its
# own folder only, and the include folders of the layers it links; so an include of a folder
# above does not compile, and the layering is kept by the build rather than by review.
#
# dravek_capa(nombre DEBAJO capa...): the folder's library dravek_core_<nombre>
# (Dravek::core_<nombre>); each folder lists its sources with target_sources afterwards.
function(dravek_capa nombre)
    cmake_parse_arguments(PARSE_ARGV 1 C "" "" "DEBAJO")
    set(objetivo dravek_core_${nombre})
    add_library(${objetivo} STATIC)
    add_library(Dravek::core_${nombre} ALIAS ${objetivo})

    set(raiz ${CMAKE_BINARY_DIR}/capas/${nombre})
    file(MAKE_DIRECTORY ${raiz}/core)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${raiz}/core/${nombre} SYMBOLIC)
    target_include_directories(${objetivo} PUBLIC ${raiz})

    target_link_libraries(${objetivo} PUBLIC Dravek::opciones)
    foreach(capa IN LISTS C_DEBAJO)
        if(NOT TARGET dravek_core_${capa})
            message(FATAL_ERROR "Layer ${nombre} links ${capa}, which is not a layer below it")
        endif()
        target_link_libraries(${objetivo} PUBLIC Dravek::core_${capa})
    endforeach()
    target_link_libraries(dravek_core INTERFACE ${objetivo})
endfunction()
