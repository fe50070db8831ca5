# The downloader: history replies parsed per second, and a symbol typed into the main
# window until its chart shows and until its back-fill has ended, against the quote
# service on loopback.
add_executable(bench_net ${CMAKE_CURRENT_LIST_DIR}/NetBench.cpp)
target_link_libraries(bench_net PRIVATE net_gui chart_gui Qt6::Test bench_gui_main)
target_compile_definitions(bench_net PRIVATE
  TARNBECK_BENCH_MARKET_DIR="${TARNBECK_MARKET_DIR}"
  TARNBECK_BENCH_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
