# Loading a long symbol list into the symbol grid, and a quote board tick.
add_executable(bench_lists ${CMAKE_CURRENT_LIST_DIR}/ListsBench.cpp)
target_link_libraries(bench_lists PRIVATE lists_gui store_core bench_gui_main)
