# Platform: the format patterns a grid applies to every cell, and the drawing surface's
# lines and text that a chart redraw is made of.
add_executable(bench_platform ${CMAKE_CURRENT_SOURCE_DIR}/PlatformBench.cpp)
target_link_libraries(bench_platform PRIVATE platform_gui benchmark::benchmark)
