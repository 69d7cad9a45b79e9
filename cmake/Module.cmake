# The module: one object library per subsystem folder, assembled into the shared library
# Tessaly (what a host loads) and a static twin that the tests link.
set(tsl_module_parts
  framework:framework
  planemap:planemap
  planemap_layers:planemap/layers
  wellplot:wellplot
  wellplot_intervals:wellplot/intervals
  section:section
  profileline:ProfilelineProp
  chart:chart
  resources:resources)
set(tsl_module_objects "")
foreach(part ${tsl_module_parts})
  string(REPLACE ":" ";" pair ${part})
  list(GET pair 0 name)
  list(GET pair 1 dir)
  tsl_sources(src ${dir})
  if(src)
    add_library(tsl_${name} OBJECT ${src})
    target_include_directories(tsl_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(tsl_${name} PUBLIC platform hosttypes ${TSL_HOSTLIBS} Boost::headers log4cplus::log4cplus)
    set_target_properties(tsl_${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_compile_definitions(tsl_${name} PRIVATE TESSALY_BUILDING_MODULE)
    target_compile_options(tsl_${name} PRIVATE ${TSL_NO_UNIQUE})
    list(APPEND tsl_module_objects $<TARGET_OBJECTS:tsl_${name}>)
  endif()
endforeach()

# The load hook (process attach on load, detach on unload) belongs to the shared module only.
add_library(Tessaly SHARED ${tsl_module_objects} ${CMAKE_SOURCE_DIR}/framework/load/ModuleLoad.cpp)
target_include_directories(Tessaly PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(Tessaly PUBLIC platform hosttypes ${TSL_HOSTLIBS} Boost::headers log4cplus::log4cplus)
set_target_properties(Tessaly PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_compile_options(Tessaly PRIVATE ${TSL_NO_UNIQUE})
# Boost's classes compiled in from its headers are not the module's interface: kept local, so that no
# library loaded with the module (Boost.Filesystem, which the loader never unloads) binds to the
# module's copies and so keeps the module loaded.
target_link_options(Tessaly PRIVATE "LINKER:--version-script=${CMAKE_SOURCE_DIR}/cmake/ModuleExports.map")
set_target_properties(Tessaly PROPERTIES LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/ModuleExports.map)

add_library(TessalyStatic STATIC ${tsl_module_objects} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_include_directories(TessalyStatic PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(TessalyStatic PUBLIC platform hosttypes ${TSL_HOSTLIBS} Boost::headers log4cplus::log4cplus)
