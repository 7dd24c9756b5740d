# The game headless: the cost of one update of the menu and of the fallback game with
# four computer players.
if(TARGET tj_game)
  tj_bench(tj_game_update_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/game_update_bench.cpp LIBS tj_game)
endif()
