# Retro Racing's track generator: the worst wait for a track, the worst waiting frame and one call.
if(TARGET tj_game)
  tj_bench(tj_road_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/road_bench.cpp LIBS tj_game)
endif()
