# The shared main of the benchmark programs that build windows.
add_library(bench_gui_main STATIC ${CMAKE_CURRENT_LIST_DIR}/GuiBenchMain.cpp)
target_link_libraries(bench_gui_main PUBLIC Qt6::Widgets benchmark::benchmark)
