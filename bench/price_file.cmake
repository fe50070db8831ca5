# Price files: storing a history block at either end of a long file, and loading it.
add_executable(bench_price_file ${CMAKE_CURRENT_SOURCE_DIR}/PriceFileBench.cpp)
target_link_libraries(bench_price_file PRIVATE store_core benchmark::benchmark)
