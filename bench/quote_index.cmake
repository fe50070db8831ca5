# Storing and finding symbols in the quote index file.
add_executable(bench_quote_index ${CMAKE_CURRENT_LIST_DIR}/QuoteIndexBench.cpp)
target_link_libraries(bench_quote_index PRIVATE store_core benchmark::benchmark)
