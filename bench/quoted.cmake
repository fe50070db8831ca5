# The quote service: start-up over the sample market data, and requests answered per
# second on loopback.
add_executable(bench_quoted ${CMAKE_CURRENT_LIST_DIR}/QuotedBench.cpp)
target_link_libraries(bench_quoted PRIVATE quoted_core benchmark::benchmark)
target_compile_definitions(bench_quoted PRIVATE TARNBECK_BENCH_MARKET_DIR="${TARNBECK_MARKET_DIR}")
