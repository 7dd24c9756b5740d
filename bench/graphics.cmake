# Render device: the CPU cost and draw-call count of a full frame of sprites.
tj_bench(tj_graphics_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sprite_frame_bench.cpp LIBS tj_graphics)
