# The chart window: loading a long price file and redrawing a 1200 x 800 chart.
add_executable(bench_chart ${CMAKE_CURRENT_SOURCE_DIR}/ChartBench.cpp)
target_link_libraries(bench_chart PRIVATE chart_gui benchmark::benchmark)
